// Builds the real platform objects and the window, and runs the program.

#include "DocumentText.h"
#include "FontSubstitutes.h"
#include "Form1.h"
#include "MpvPlayer.h"
#include "Platform.h"
#include "Program.h"
#include "QtSoundPlayer.h"
#include "TerminationSignals.h"

#include <QApplication>

using namespace lumeport;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallFontSubstitutes();

    QtDisplay display;
    MpvPlayer lessonPlayer(MpvSettings{.video = true, .vo = {}, .ao = {}});
    MpvPlayer wordPlayer(MpvSettings{.video = false, .vo = {}, .ao = {}});
    MessageBoxNotices notices;
    DesktopShell shell;
    QtSoundPlayer sounds;
    Platform platform{display, lessonPlayer, wordPlayer, notices, shell, sounds};

    Program program(platform, QCoreApplication::applicationDirPath());
    Form1& form = program.form();
    notices.setWindow(form.widget());
    form.WindowsMediaPlayer1->setVideoSurface(
        lessonPlayer.createVideoSurface(form.WindowsMediaPlayer1->widget()));
    TerminationSignals closeOnSignal([&form] { form.Unload(); });
    program.Start();
    return app.exec();
}
