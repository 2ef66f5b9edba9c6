#pragma once
// The interface sounds below the ProgramDir, and the pressed look of the labels and icons a
// learner presses: they move 15 twips right and down (whatever the scale) while held, sound
// on press and release, and act on release.

#include <QString>
#include <functional>

namespace lumeport {

class Control;
class Form1;
class SoundPlayer;

inline const QString PressSound = QStringLiteral("/SETTING/Sound/MouDown.wav");
inline const QString ReleaseSound = QStringLiteral("/SETTING/Sound/MouUp.wav");
inline const QString TypeSound = QStringLiteral("/SETTING/Sound/type.wav");
inline const QString WrongSound = QStringLiteral("/SETTING/Sound/wrong.wav");

// `file` is one of the paths above, relative to the ProgramDir.
void PlayInterfaceSound(const Form1& form, SoundPlayer& sounds, const QString& file);

struct Pressable {
    bool moves = true;
    bool sounds = true;
};

// Gives the control its press feedback; `onRelease` is its action, run between the move back
// and the release sound.
void MakePressable(Control& control, const Form1& form, SoundPlayer& sounds, Pressable how,
                   std::function<void()> onRelease);

} // namespace lumeport
