#pragma once
// A media player whose clock the test drives: the position moves only when the test lets
// playback time pass, and every call is recorded in order.

#include "MediaPlayer.h"

#include <QStringList>
#include <functional>

namespace lumeport {

class FakeMediaPlayer : public MediaPlayer {
public:
    // "SetFile <path>", "Play", "Pause", "Stop", "SetPosition 12.5", "SetVolume 40".
    QStringList calls;
    // Which files can be played; every file unless the test says otherwise.
    std::function<bool(const QString&)> exists = [](const QString&) { return true; };

    QString file;
    double position = 0.0;
    bool playing = false;
    bool loaded = false; // a file that exists is set: Play and SetPosition take effect
    int volume = 100;

    // Lets `seconds` of playback pass: the position moves only while playing.
    void advance(double seconds) {
        if (playing) position += seconds;
    }

    void SetFile(const QString& path) override {
        calls << "SetFile " + path;
        file = path;
        position = 0.0;
        loaded = !path.isEmpty() && exists(path);
        playing = loaded;
    }
    QString File() const override { return file; }
    void Play() override {
        calls << "Play";
        if (loaded) playing = true;
    }
    void Pause() override {
        calls << "Pause";
        playing = false;
    }
    void Stop() override {
        calls << "Stop";
        playing = false;
        if (loaded) position = 0.0;
    }
    bool IsPlaying() const override { return playing; }
    double Position() const override { return position; }
    void SetPosition(double seconds) override {
        calls << "SetPosition " + QString::number(seconds);
        if (loaded) position = seconds;
    }
    void SetVolume(int level) override {
        calls << "SetVolume " + QString::number(level);
        volume = level;
    }
    int Volume() const override { return volume; }
};

} // namespace lumeport
