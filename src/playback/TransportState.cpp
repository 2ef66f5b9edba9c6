#include "TransportState.h"

#include "Form1.h"

#include <cmath>
#include <optional>

namespace lumeport {

namespace {

struct ButtonLook {
    bool playShown, playEnabled, pauseShown;
    std::optional<bool> stopEnabled; // empty: as it was
};

ButtonLook lookOf(ButtonState state) {
    switch (state) {
    case ButtonState::Playing:
        return {false, false, true, true};
    case ButtonState::Paused:
        return {true, true, false, true};
    case ButtonState::Stopped:
        return {true, true, false, false};
    case ButtonState::LessonEnded:
        return {true, false, false, std::nullopt};
    case ButtonState::LastSentenceDone:
        return {true, false, false, true};
    }
    return {true, true, false, true};
}

void apply(Form1& form, const ButtonLook& look) {
    form.Command1->setVisible(look.playShown);
    form.Command1->setEnabled(look.playEnabled);
    form.Command2->setVisible(look.pauseShown);
    form.Command2->setEnabled(look.pauseShown);
    if (look.stopEnabled) form.Command3->setEnabled(*look.stopEnabled);
}

} // namespace

void SetButtonState(Form1& form, ButtonState state) {
    apply(form, lookOf(state));
}

void SetPlayingKeepingStop(Form1& form) {
    ButtonLook look = lookOf(ButtonState::Playing);
    look.stopEnabled.reset();
    apply(form, look);
}

void UpdateProgressBar(Form1& form, double position) {
    const FormState& s = form.state;
    const double full = form.width() - 1400 * s.ScaleRatio;
    double width = full * (position - s.LessonStart) / s.LessonLength;
    if (!std::isfinite(width)) return; // no lesson span to measure against
    width = std::clamp(width, 0.0, full);
    form.Picture4->setWidth(width);
    form.Picture5->setLeft(form.Picture4->left() + width);
}

} // namespace lumeport
