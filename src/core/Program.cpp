#include "Program.h"

#include "BannerLink.h"
#include "CourseSelection.h"
#include "Form1.h"
#include "KeyPreview.h"
#include "LessonLoading.h"
#include "Platform.h"
#include "ScrollControls.h"
#include "SentenceList.h"
#include "SentenceTracker.h"
#include "Startup.h"
#include "SubtitleBarControls.h"
#include "Transport.h"
#include "WindowChrome.h"
#include "WordPopup.h"

namespace lumeport {

namespace {

// Twips become pixels at the display's resolution; a display that reports none counts as
// 96 dots per inch.
double PixelsPerTwip(const Display& display) {
    const int dpi = display.HorizontalDpi();
    return (dpi > 0 ? dpi : 96) / 1440.0;
}

} // namespace

Program::Program(Platform& platform, const QString& programDir)
    : platform_(platform)
    , form_(std::make_unique<Form1>(PixelsPerTwip(platform.display))) {
    Form1& f = *form_;
    f.state.ProgramDir = programDir;
    chrome_ = std::make_unique<WindowChrome>(f);
    banner_ = std::make_unique<BannerLink>(f, platform_.shell);
    keys_ = std::make_unique<KeyPreview>(f);
    popup_ = std::make_unique<WordPopup>(f);
    tracker_ = std::make_unique<SentenceTracker>(f, platform_.lessonPlayer);
    transport_ = std::make_unique<Transport>(f, platform_.lessonPlayer, *tracker_);
    list_ = std::make_unique<SentenceList>(f, platform_.lessonPlayer, *tracker_);
    subtitles_ = std::make_unique<SubtitleBarControls>(f, platform_.sounds, *popup_);
    translationScrolling_ = std::make_unique<ScrollControls>(
        f, [&f] { return ScrolledPanel::Translation(f); }, f.Combo2);
    fullTextScrolling_ = std::make_unique<ScrollControls>(
        f, [&f] { return ScrolledPanel::FullText(f); }, f.Combo3);
    loading_ = std::make_unique<LessonLoading>(f, platform_, *tracker_, *list_);
    courses_ = std::make_unique<CourseSelection>(f, *loading_);
    startup_ = std::make_unique<Startup>(f, platform_, *courses_, *loading_, *banner_);
    QObject::connect(keys_.get(), &KeyPreview::keyDown, transport_.get(), &Transport::KeyDown);
    QObject::connect(&f, &Form1::unloading, &f, [this] { Shutdown(*form_); });
}

Program::~Program() = default;

void Program::Start() {
    startup_->Run();
}

} // namespace lumeport
