#pragma once
// The document loader and writer every text file of the program goes through: lesson scripts,
// the course catalogue, the state files and the notes. A file is read as rich text (RTF) when it
// starts with "{\rtf", otherwise as plain text; every file is written as rich text, atomically.

#include <QByteArray>
#include <QString>

namespace lumeport {

// What a read or write came to. A failure carries a message naming the file and the cause.
struct FileResult {
    bool ok = false;
    QString error;
    explicit operator bool() const { return ok; }
};

struct DocumentRead {
    bool ok = false;
    QString text;  // the document's plain text (empty when !ok)
    QString error; // why the file could not be read (when !ok)
};

// The plain text of a document held in memory: RTF when the bytes start with "{\rtf", else
// plain text (UTF-8 with or without BOM when valid, UTF-16 with a BOM, otherwise GB18030).
QString documentPlainText(const QByteArray& bytes);

// Reads a whole file and returns its plain text. A missing or unreadable file is !ok.
DocumentRead readDocument(const QString& path);

// The rich-text document whose plain text is exactly `plainText`.
QByteArray rtfFromPlainText(const QString& plainText);

// Writes `plainText` as a rich-text document, replacing the file atomically: when the write
// fails the old file is left as it was and the failure is returned.
FileResult writeDocument(const QString& path, const QString& plainText);

// Writes bytes atomically (the building block of writeDocument).
FileResult writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace lumeport
