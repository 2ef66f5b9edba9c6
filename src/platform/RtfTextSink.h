#pragma once
// The rich-text reader's output buffer: text plus the formatting of every stretch of it.

#include "TextDecoding.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <utility>
#include <vector>

namespace lumeport::rtf {

constexpr int kDefaultHalfPoints = 24;

// Character formatting as the document states it: fonts and colours by table index, resolved
// to names and values once the whole document (and so every table) has been read.
struct Format {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = 0;
    int halfPoints = kDefaultHalfPoints;
    int colour = 0;
    bool operator==(const Format&) const = default;
};

struct FormatRun {
    qsizetype start = 0;
    qsizetype length = 0;
    Format format;
};

// Collects text, decoding consecutive 8-bit bytes together so that a double-byte character
// written as two \'hh escapes (or as two raw bytes) becomes one character.
class TextSink {
public:
    explicit TextSink(CodePageDecoder& decoder)
        : decoder_(decoder) {}

    void appendText(QStringView text, const Format& format);
    void appendByte(char byte, int codePage, const Format& format);
    // A character as it stands in the source: a byte of 0x80 or more is in the code page, and
    // so is an ASCII one that may be the trail byte of a pending double-byte character.
    void appendChar(char c, int codePage, const Format& format);
    void flush();

    qsizetype size() const { return text_.size(); }
    const QString& text() const { return text_; }
    const std::vector<FormatRun>& runs() const { return runs_; }
    QString takeText();
    void chop(qsizetype count);

private:
    void append(QStringView text, const Format& format);

    CodePageDecoder& decoder_;
    QString text_;
    std::vector<FormatRun> runs_;
    QByteArray pending_;
    int pendingCodePage_ = 0;
    Format pendingFormat_;
};

inline bool isDoubleByteCodePage(int codePage) {
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

inline void TextSink::appendText(QStringView text, const Format& format) {
    flush();
    append(text, format);
}

inline void TextSink::appendByte(char byte, int codePage, const Format& format) {
    if (!pending_.isEmpty() && (codePage != pendingCodePage_ || !(format == pendingFormat_)))
        flush();
    if (pending_.isEmpty()) {
        pendingCodePage_ = codePage;
        pendingFormat_ = format;
    }
    pending_.append(byte);
}

inline void TextSink::appendChar(char c, int codePage, const Format& format) {
    const bool ascii = static_cast<unsigned char>(c) < 0x80;
    if (!ascii || (!pending_.isEmpty() && isDoubleByteCodePage(codePage))) {
        appendByte(c, codePage, format);
        return;
    }
    const char16_t unit = char16_t(c);
    appendText(QStringView(&unit, 1), format);
}

inline void TextSink::flush() {
    if (pending_.isEmpty()) return;
    const QString decoded = decoder_.decode(pending_, pendingCodePage_);
    pending_.clear();
    append(decoded, pendingFormat_);
}

inline QString TextSink::takeText() {
    flush();
    runs_.clear();
    return std::exchange(text_, QString());
}

inline void TextSink::chop(qsizetype count) {
    flush();
    count = std::min(count, text_.size());
    text_.chop(count);
    while (count > 0 && !runs_.empty()) {
        const qsizetype taken = std::min(count, runs_.back().length);
        runs_.back().length -= taken;
        count -= taken;
        if (runs_.back().length == 0) runs_.pop_back();
    }
}

inline void TextSink::append(QStringView text, const Format& format) {
    if (text.isEmpty()) return;
    if (!runs_.empty() && runs_.back().format == format)
        runs_.back().length += text.size();
    else
        runs_.push_back({text_.size(), text.size(), format});
    text_.append(text);
}

} // namespace lumeport::rtf
