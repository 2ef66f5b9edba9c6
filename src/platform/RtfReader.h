#pragma once
// Reads rich-text (RTF) documents into their plain text and the character formatting the notes
// editor shows. Written for what course files and other programs' documents really contain,
// and for damaged files: any input returns some text in time linear in its size.

#include <QByteArrayView>
#include <QString>
#include <optional>
#include <vector>

namespace lumeport {

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString fontFamily;              // empty when the document names no font for the text
    double pointSize = 12.0;         // RTF sizes are half points, so this is a multiple of 0.5
    std::optional<quint32> colour{}; // 0xRRGGBB; empty means the automatic (default) colour
    bool operator==(const RtfCharFormat&) const = default;
};

// Formatting of text[start, start + length).
struct RtfRun {
    qsizetype start = 0;
    qsizetype length = 0;
    RtfCharFormat format;
    bool operator==(const RtfRun&) const = default;
};

// A document's text, paragraphs separated by "\r\n", and runs that cover the text end to end
// in order, neighbouring runs differing in format.
struct RtfContent {
    QString text;
    std::vector<RtfRun> runs;
};

// Whether the bytes are a rich-text document (they start with "{\rtf").
bool isRtf(QByteArrayView bytes);

// The document's text and formatting. The paragraph mark that closes the document's last
// paragraph is not part of the text, so "a\par}" and "a}" both read as "a".
RtfContent readRtf(QByteArrayView bytes);

} // namespace lumeport
