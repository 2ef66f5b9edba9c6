#include "ProgramFixture.h"

#include "DocumentText.h"
#include "FontSubstitutes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace lumeport {

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "lumeport-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        InstallFontSubstitutes();
        return a;
    }();
    return *app;
}

} // namespace

ProgramFixture::ProgramFixture() {
    application();
}

ProgramFixture::~ProgramFixture() {
    program_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProgramFixture::copySampleCourse() {
    const QDir source(QStringLiteral(LUMEPORT_DATA_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = path(source.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
    }
}

void ProgramFixture::writeFile(const QString& relativePath, const QByteArray& bytes) {
    const QString to = path(relativePath);
    QDir().mkpath(QFileInfo(to).path());
    QFile file(to);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void ProgramFixture::writeText(const QString& relativePath, const QString& text) {
    writeFile(relativePath, text.toUtf8());
}

QString ProgramFixture::readText(const QString& relativePath) const {
    return readDocument(path(relativePath)).text;
}

QString ProgramFixture::path(const QString& relativePath) const {
    return dir_.filePath(relativePath);
}

void ProgramFixture::start() {
    program_.reset();
    program_ = std::make_unique<Program>(world_.platform, dir_.path());
    program_->Start();
}

void ProgramFixture::close() {
    form().Unload();
}

} // namespace lumeport
