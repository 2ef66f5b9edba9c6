#pragma once
// Fakes of the outside world that record what the program asked of them.

#include "FakeDisplay.h"
#include "FakeMediaPlayer.h"
#include "Notices.h"
#include "Platform.h"
#include "Shell.h"
#include "SoundPlayer.h"

#include <QStringList>
#include <functional>

namespace lumeport {

class FakeNotices : public Notices {
public:
    QStringList shown;                // "title: text"
    std::function<void()> whileShown; // runs while the box is open, before it is closed

    void Inform(const QString& title, const QString& text) override {
        shown << title + ": " + text;
        if (whileShown) whileShown();
    }
};

class FakeSounds : public SoundPlayer {
public:
    QStringList played;
    void Play(const QString& path) override { played << path; }
};

class FakeShell : public Shell {
public:
    QStringList opened;
    QStringList started;

    void Open(const QString& addressOrPath) override { opened << addressOrPath; }
    void Start(const QString& program, const QStringList& arguments, bool) override {
        started << (QStringList{program} + arguments).join(' ');
    }
};

// The whole outside world faked, as the window tests and the benchmarks build the program on
// it. `platformWith` swaps in another lesson player (a real one, for timing).
struct FakeOutsideWorld {
    FakeDisplay display;
    FakeMediaPlayer lessonPlayer;
    FakeMediaPlayer wordPlayer;
    FakeNotices notices;
    FakeShell shell;
    FakeSounds sounds;
    Platform platform{display, lessonPlayer, wordPlayer, notices, shell, sounds};

    Platform platformWith(MediaPlayer& player) {
        return {display, player, wordPlayer, notices, shell, sounds};
    }
};

} // namespace lumeport
