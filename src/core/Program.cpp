#include "Program.h"

#include "CourseSelection.h"
#include "Form1.h"
#include "LessonLoading.h"
#include "Platform.h"
#include "SentenceTracker.h"
#include "Startup.h"
#include "WindowChrome.h"

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
    form_->state.ProgramDir = programDir;
    chrome_ = std::make_unique<WindowChrome>(*form_);
    tracker_ = std::make_unique<SentenceTracker>(*form_, platform_.lessonPlayer);
    loading_ = std::make_unique<LessonLoading>(*form_, platform_, *tracker_);
    courses_ = std::make_unique<CourseSelection>(*form_, *loading_);
    startup_ = std::make_unique<Startup>(*form_, platform_, *courses_, *loading_);
    QObject::connect(form_.get(), &Form1::unloading, form_.get(), [this] { Shutdown(*form_); });
}

Program::~Program() = default;

void Program::Start() {
    startup_->Run();
}

} // namespace lumeport
