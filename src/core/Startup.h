#pragma once
// Opening and closing the window: the start-up steps in their order, and shut-down.

#include "Steps.h"

#include <QString>
#include <functional>
#include <vector>

namespace lumeport {

class BannerLink;
class CourseSelection;
class Form1;
class LessonLoading;
struct Platform;

class Startup {
public:
    Startup(Form1& form, Platform& platform, CourseSelection& courses, LessonLoading& loading,
            BannerLink& banner);

    static const std::vector<Step<Startup>>& Steps();

    // Runs every step in order. Each step stands alone: one that fails is skipped and the
    // next one runs. The window is shown at the end.
    void Run();

private:
    void ScaleInterface();
    void PlaceCoursePanel();
    void FitSubtitleTileStrip();
    void SetWordTileFonts();
    void ReadDictionary();
    void ColourCourseTree();
    void ReadSettingsFile();
    void CountThisRun();
    void RestoreLessonChoice();
    void MapLessonChoice();
    void GiveTreeItsPictures();
    void FillCourseTree();
    void SelectSavedLesson();
    void SetExerciseKind();
    void LayOutWindow();
    void LoadFirstLesson();
    void ShowInstallPath();
    void OpenWaveDevice();
    void PlaceBannerLink();

    Form1& form_;
    Platform& platform_;
    CourseSelection& courses_;
    LessonLoading& loading_;
    BannerLink& banner_;
    QString settingsText_;
};

// Stores the chosen lesson in the settings file. A write that fails leaves the old file; the
// program closes all the same.
void Shutdown(Form1& form);

} // namespace lumeport
