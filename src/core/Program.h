#pragma once
// The running program: the window with every subsystem's handlers wired to it. Built by the
// executable with the real platform, and by the window tests with fakes.

#include <QString>
#include <memory>

namespace lumeport {

class BannerLink;
class CourseSelection;
class Form1;
class KeyPreview;
class LessonLoading;
class ScrollControls;
class SentenceList;
class SentenceTracker;
class Startup;
class SubtitleBarControls;
class Transport;
class WindowChrome;
class WordPopup;
struct Platform;

class Program {
public:
    Program(Platform& platform, const QString& programDir);
    ~Program();

    // Opens the window: runs start-up, which ends with the window shown.
    void Start();

    Form1& form() { return *form_; }
    CourseSelection& courses() { return *courses_; }
    LessonLoading& loading() { return *loading_; }
    SentenceTracker& tracker() { return *tracker_; }
    Transport& transport() { return *transport_; }
    SentenceList& list() { return *list_; }
    SubtitleBarControls& subtitles() { return *subtitles_; }
    BannerLink& banner() { return *banner_; }

private:
    Platform& platform_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<WindowChrome> chrome_;
    std::unique_ptr<BannerLink> banner_;
    std::unique_ptr<KeyPreview> keys_;
    std::unique_ptr<WordPopup> popup_;
    std::unique_ptr<SentenceTracker> tracker_;
    std::unique_ptr<Transport> transport_;
    std::unique_ptr<SentenceList> list_;
    std::unique_ptr<SubtitleBarControls> subtitles_;
    std::unique_ptr<ScrollControls> translationScrolling_;
    std::unique_ptr<ScrollControls> fullTextScrolling_;
    std::unique_ptr<LessonLoading> loading_;
    std::unique_ptr<CourseSelection> courses_;
    std::unique_ptr<Startup> startup_;
};

} // namespace lumeport
