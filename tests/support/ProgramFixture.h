#pragma once
// The window test fixture: a temporary ProgramDir (the sample course copied, or a course the
// test writes itself) and the whole program built over it with fake platform objects. Each
// test reads as what a learner does.

#include "FakePlatform.h"
#include "Form1.h"
#include "Platform.h"
#include "Program.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace lumeport {

class ProgramFixture : public testing::Test {
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    // Copies the bundled sample ProgramDir into the temporary one.
    void copySampleCourse();
    // Writes a file below the ProgramDir (parent folders made as needed).
    void writeFile(const QString& relativePath, const QByteArray& bytes);
    void writeText(const QString& relativePath, const QString& text);
    QString readText(const QString& relativePath) const;
    QString path(const QString& relativePath) const;

    // Builds the program and runs start-up.
    void start();
    // Closes the window as the close button does.
    void close();

    Form1& form() { return program_->form(); }
    // The control that holds the keyboard focus in the window.
    QWidget* focused() { return form().widget()->focusWidget(); }
    Program& program() { return *program_; }

    QTemporaryDir dir_;
    FakeOutsideWorld world_;
    FakeDisplay& display_ = world_.display;
    FakeMediaPlayer& lessonPlayer_ = world_.lessonPlayer; // plays the files that exist
    FakeMediaPlayer& wordPlayer_ = world_.wordPlayer;
    FakeNotices& notices_ = world_.notices;
    FakeShell& shell_ = world_.shell;
    FakeSounds& sounds_ = world_.sounds;
    std::unique_ptr<Program> program_;
};

} // namespace lumeport
