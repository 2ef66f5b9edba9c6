#pragma once
// Short interface sounds (a press, a release, a key, a wrong answer): played without waiting,
// one at a time, a new sound cutting off the one playing.

#include <QString>

namespace lumeport {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the wave file and returns at once. A missing file is no error.
    virtual void Play(const QString& path) = 0;
};

} // namespace lumeport
