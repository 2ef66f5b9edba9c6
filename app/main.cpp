// Builds the real platform objects and the window, and runs the program.

#include "FontSubstitutes.h"
#include "Form1.h"
#include "Platform.h"
#include "Program.h"
#include "TerminationSignals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lumeport::InstallFontSubstitutes();

    lumeport::QtDisplay display;
    lumeport::Platform platform{display};
    lumeport::Program program(platform, QCoreApplication::applicationDirPath());
    lumeport::TerminationSignals closeOnSignal([&program] { program.form().Unload(); });
    program.Start();
    return app.exec();
}
