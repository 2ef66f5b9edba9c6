#pragma once
// The outside world as the program sees it: one object per outside system, real ones in the
// program, fakes in the tests.

#include "Display.h"
#include "MediaPlayer.h"
#include "Notices.h"
#include "Shell.h"
#include "SoundPlayer.h"

namespace lumeport {

struct Platform {
    Display& display;
    MediaPlayer& lessonPlayer; // WindowsMediaPlayer1: the lesson's video or audio
    MediaPlayer& wordPlayer;   // WindowsMediaPlayer2: word recordings, never seen
    Notices& notices;
    Shell& shell;
    SoundPlayer& sounds;
};

} // namespace lumeport
