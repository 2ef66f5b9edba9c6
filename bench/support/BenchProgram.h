#pragma once
// The whole program over a generated lesson in a temporary ProgramDir, with fake platform
// objects, for the benchmarks (offscreen, real widgets).

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
    FakeMediaPlayer& lessonPlayer() { return world_.lessonPlayer; }

private:
    QTemporaryDir dir_;
    FakeOutsideWorld world_;
    std::unique_ptr<Program> program_;
};

// A QApplication on the offscreen platform, made once.
void EnsureApplication();

} // namespace lumeport
