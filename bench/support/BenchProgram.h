#pragma once
// The whole program over a generated lesson in a temporary ProgramDir, with fake platform
// objects, for the benchmarks (offscreen, real widgets).

#include "FakeDisplay.h"
#include "FakeMediaPlayer.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "Platform.h"
#include "Program.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace lumeport {

// A script of `sentences` sentences of `words` words each (words, spaces and a full stop as
// tokens), two seconds apart.
QString GeneratedScript(int sentences, int words);

class BenchProgram {
public:
    // Writes lesson 1 of the course with the script and starts the program on it.
    explicit BenchProgram(const QString& script);
    ~BenchProgram();

    Form1& form() { return program_->form(); }
    Program& program() { return *program_; }
    FakeMediaPlayer& lessonPlayer() { return lessonPlayer_; }

private:
    QTemporaryDir dir_;
    FakeDisplay display_;
    FakeMediaPlayer lessonPlayer_;
    FakeMediaPlayer wordPlayer_;
    FakeNotices notices_;
    FakeShell shell_;
    FakeSounds sounds_;
    Platform platform_{display_, lessonPlayer_, wordPlayer_, notices_, shell_, sounds_};
    std::unique_ptr<Program> program_;
};

// A QApplication on the offscreen platform, made once.
void EnsureApplication();

} // namespace lumeport
