#include "DocumentText.h"

#include "RtfReader.h"
#include "RtfWriter.h"
#include "TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace lumeport {

namespace {

QString failure(const char* what, const QString& path, const QString& cause) {
    return QStringLiteral("%1 %2: %3")
        .arg(QLatin1String(what), QDir::toNativeSeparators(path), cause);
}

} // namespace

QString documentPlainText(const QByteArray& bytes) {
    return isRtf(bytes) ? readRtf(bytes).text : decodePlainText(bytes);
}

DocumentRead readDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, failure("Cannot open", path, file.errorString())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, {}, failure("Cannot read", path, file.errorString())};
    return {true, documentPlainText(bytes), {}};
}

QByteArray rtfFromPlainText(const QString& plainText) {
    return rtfFromContent({plainText, {}});
}

FileResult writeDocument(const QString& path, const QString& plainText) {
    return writeFileAtomically(path, rtfFromPlainText(plainText));
}

// QSaveFile writes beside the target and renames over it only on commit, so the old file is
// replaced whole or not at all. The write is unbuffered because a buffered QSaveFile commits a
// small file even when flushing it was cut short (a full disk), which would replace the old
// file with a truncated one.
FileResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, failure("Cannot write", path, file.errorString())};
    if (file.write(bytes) != bytes.size()) {
        const QString cause = file.errorString();
        file.cancelWriting();
        return {false, failure("Cannot write", path, cause)};
    }
    if (!file.commit()) return {false, failure("Cannot save", path, file.errorString())};
    return {true, {}};
}

} // namespace lumeport
