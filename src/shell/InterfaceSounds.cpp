#include "InterfaceSounds.h"

#include "Form1.h"
#include "SoundPlayer.h"

namespace lumeport {

namespace {
constexpr double PressShift = 15; // twips, not scaled: the same small nudge at every scale
} // namespace

void PlayInterfaceSound(const Form1& form, SoundPlayer& sounds, const QString& file) {
    sounds.Play(form.state.ProgramDir + file);
}

void MakePressable(Control& control, const Form1& form, SoundPlayer& sounds, Pressable how,
                   std::function<void()> onRelease) {
    auto pressed = std::make_shared<bool>(false);
    QObject::connect(&control, &Control::mouseDown, &control, [&, how, pressed] {
        if (how.sounds) PlayInterfaceSound(form, sounds, PressSound);
        if (how.moves)
            control.setGeometry(control.left() + PressShift, control.top() + PressShift,
                                control.width(), control.height());
        *pressed = true;
    });
    QObject::connect(&control, &Control::mouseUp, &control, [&, how, pressed, onRelease] {
        if (how.moves && *pressed)
            control.setGeometry(control.left() - PressShift, control.top() - PressShift,
                                control.width(), control.height());
        *pressed = false;
        if (onRelease) onRelease();
        if (how.sounds) PlayInterfaceSound(form, sounds, ReleaseSound);
    });
}

} // namespace lumeport
