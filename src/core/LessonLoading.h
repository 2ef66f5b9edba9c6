#pragma once
// Making the chosen lesson the current one: its media by the course's rule, its script in the
// sentence table, its notes, and every view of its sentences, ending with its first sentence
// playing.

#include "Steps.h"

#include <QObject>
#include <vector>

namespace lumeport {

class Form1;
class SentenceList;
class SentenceTracker;
struct Platform;

class LessonLoading : public QObject {
    Q_OBJECT
public:
    LessonLoading(Form1& form, Platform& platform, SentenceTracker& tracker, SentenceList& list);

    static const std::vector<Step<LessonLoading>>& Steps();

    // Loads the lesson CourseName / LessonNo name. Every step stands alone: one that fails
    // is skipped and loading goes on. A missing script gives an empty lesson.
    void LoadLesson();

    // Timer6: opens the local download page once, after the missing-media notice.
    void OpenDownloadPage();

private:
    void SetTrackersByView();
    void ResetCurrentSentence();
    void SetVolumes();
    void SetMediaFile();
    void CheckMediaFile();
    void ReadScript();
    void LoadNotes();
    void SetRowWrapWidth();
    void CountSentences();
    void ClearPreviousLesson();
    void BuildRows();
    void ShowFirstSentence();
    void PlayFirstSentence();
    void ShowPlaying();
    void MeasureLesson();
    void ShowTotalTime();
    void KeepLessonStart();
    void ShowCourseLabel();
    void ResetScrollPositions();
    void StartFullTextBuild();
    void ResetTranslationRows();
    void RestoreTranslationExercise();
    void RememberLoadedLesson();

    Form1& form_;
    Platform& platform_;
    SentenceTracker& tracker_;
    SentenceList& list_;
};

} // namespace lumeport
