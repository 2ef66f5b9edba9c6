#pragma once
// Fakes of the outside world that record what the program asked of them.

#include "Notices.h"
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

} // namespace lumeport
