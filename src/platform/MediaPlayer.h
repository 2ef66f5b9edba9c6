#pragma once
// A media player as the program uses it: the lesson player (video or audio, drawn in the media
// area) and the invisible word player. Positions are seconds from the start of the file.

#include <QString>

class QWidget;

namespace lumeport {

class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // Opens the file and starts playing it at once. A file set while another plays replaces
    // it. A missing or undecodable file is no error: the position stays 0 and play does
    // nothing until another file is set.
    virtual void SetFile(const QString& path) = 0;
    // The file last set ("" before any).
    virtual QString File() const = 0;

    // Resumes from the current position.
    virtual void Play() = 0;
    // Halts; the position stays where it was.
    virtual void Pause() = 0;
    // Cuts off what is playing (the word player).
    virtual void Stop() = 0;
    virtual bool IsPlaying() const = 0;

    // Advances with playback and stands still while paused.
    virtual double Position() const = 0;
    // Moves to `seconds` without changing the play or pause state; the next Position()
    // returns the new position, even while the player is still seeking or opening the file.
    virtual void SetPosition(double seconds) = 0;

    // 0..100; loudness follows at once.
    virtual void SetVolume(int volume) = 0;
    virtual int Volume() const = 0;
};

} // namespace lumeport
