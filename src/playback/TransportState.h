#pragma once
// The states the play, pause and stop buttons take, and the progress bar that follows the
// playing position.

namespace lumeport {

class Form1;

enum class ButtonState {
    Playing,          // pause shown; play hidden
    Paused,           // play shown and enabled
    Stopped,          // as paused, with stop disabled
    LessonEnded,      // play shown but disabled; stop as it was
    LastSentenceDone, // play shown but disabled; stop enabled
};

void SetButtonState(Form1& form, ButtonState state);
// Playing, but the stop button as it was (a lesson load leaves it alone).
void SetPlayingKeepingStop(Form1& form);

// The filled part of the progress bar and its thumb at the playing position.
void UpdateProgressBar(Form1& form, double position);

} // namespace lumeport
