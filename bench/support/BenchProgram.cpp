#include "BenchProgram.h"

#include "DocumentText.h"
#include "FontSubstitutes.h"

#include <QApplication>
#include <QDir>

namespace lumeport {

QString GeneratedScript(int sentences, int words) {
    static const char* vocabulary[] = {"the",   "learner", "listens", "to",     "every",
                                       "short", "phrase",  "before",  "she",    "repeats",
                                       "it",    "slowly",  "and",     "clearly"};
    QString text = "*";
    for (int i = 0; i < sentences; ++i) {
        QString field = "^";
        for (int w = 0; w < words; ++w) {
            field += QString::fromLatin1(vocabulary[(i + w) % std::size(vocabulary)]) + "^";
            field += w + 1 < words ? QStringLiteral(" ^") : QStringLiteral(".^");
        }
        text += field + QString("#学习者在重复之前先听每一个短句。#%1#%2######*")
                            .arg(i * 2.0 + 0.5)
                            .arg(i * 2.0 + 2.0);
    }
    return text;
}

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "lumeport-bench";
    static char* argv[] = {name, nullptr};
    if (qApp) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
    InstallFontSubstitutes();
}

BenchProgram::BenchProgram(const QString& script) {
    EnsureApplication();
    QDir(dir_.path()).mkpath("SETTING/BookList");
    writeDocument(dir_.filePath("SETTING/BookList/Wandervale.dat"), "^第1课：Bench^");
    QDir(dir_.path()).mkpath("Book/Wandervale");
    writeDocument(dir_.filePath("Book/Wandervale/1.dat"), script);
    program_ = std::make_unique<Program>(world_.platform, dir_.path());
    program_->Start();
}

BenchProgram::~BenchProgram() {
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace lumeport
