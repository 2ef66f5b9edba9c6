#include "RtfWriter.h"

#include <QStringEncoder>
#include <algorithm>

namespace lumeport {

namespace {

const QString kChineseFont = QStringLiteral(u"新宋体");
const QString kLatinFont = QStringLiteral("Times New Roman");
constexpr int kPlainHalfPoints = 18;
constexpr quint32 kRgbMask = 0xFFFFFF; // a QRgb's alpha has no place in RTF

struct Segment {
    qsizetype start;
    qsizetype length;
    RtfCharFormat format;
};

// The text cut into stretches of one format each, covering it end to end.
std::vector<Segment> segmentsOf(const RtfContent& content) {
    std::vector<RtfRun> runs = content.runs;
    std::stable_sort(runs.begin(), runs.end(),
                     [](const RtfRun& a, const RtfRun& b) { return a.start < b.start; });
    std::vector<Segment> segments;
    qsizetype cursor = 0;
    const qsizetype end = content.text.size();
    for (const RtfRun& run : runs) {
        const qsizetype start = std::clamp(run.start, cursor, end);
        const qsizetype stop = std::clamp(run.start + run.length, start, end);
        if (start > cursor) segments.push_back({cursor, start - cursor, plainTextFormat()});
        if (stop > start) segments.push_back({start, stop - start, run.format});
        cursor = std::max(cursor, stop);
    }
    if (cursor < end) segments.push_back({cursor, end - cursor, plainTextFormat()});
    return segments;
}

void appendHexByte(QByteArray& out, unsigned char byte) {
    out += "\\'";
    out += QByteArray::number(byte, 16).rightJustified(2, '0');
}

// Text as RTF source: printable ASCII as itself, every other UTF-16 unit escaped so that the
// reader cannot take it for anything else (a lone CR or LF must not vanish as source layout).
void appendEscaped(QByteArray& out, QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit == '\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            out += "\\par\r\n";
            ++i;
        } else if (unit == '\t') {
            out += "\\tab ";
        } else if (unit == '\\' || unit == '{' || unit == '}') {
            out += '\\';
            out += char(unit);
        } else if (unit >= 0x20 && unit < 0x7F) {
            out += char(unit);
        } else if (unit < 0x80) {
            appendHexByte(out, static_cast<unsigned char>(unit));
        } else {
            out += "\\u" + QByteArray::number(static_cast<qint16>(unit)) + '?';
        }
    }
}

// A font-table entry. Chinese names are written in GBK bytes, as Chinese Windows programs
// write them and expect to find them; a name GBK cannot hold is written in \uN escapes.
QByteArray fontEntry(int index, const QString& name) {
    const bool ascii =
        std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    QStringEncoder gbk("GBK", QStringConverter::Flag::Stateless);
    const QByteArray gbkName = ascii ? QByteArray() : QByteArray(gbk.encode(name));
    const bool inGbk = !ascii && !gbk.hasError();
    const char* family = name == kLatinFont ? "\\froman" : "\\fnil";
    QByteArray entry =
        "{\\f" + QByteArray::number(index) + family + "\\fcharset" + (inGbk ? "134 " : "0 ");
    if (inGbk) {
        for (const char byte : gbkName)
            appendHexByte(entry, static_cast<unsigned char>(byte));
    } else {
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (name[i] == u';')
                appendHexByte(entry, ';'); // a plain ';' would end the entry
            else
                appendEscaped(entry, QStringView(name).sliced(i, 1));
        }
    }
    return entry + ";}";
}

class Writer {
public:
    explicit Writer(const RtfContent& content)
        : content_(content)
        , segments_(segmentsOf(content)) {}
    QByteArray write();

private:
    QByteArray header() const;
    void collectTables();
    void switchTo(const RtfCharFormat& format);
    int fontIndex(const QString& family) const;
    int colourIndex(const std::optional<quint32>& colour) const;

    const RtfContent& content_;
    std::vector<Segment> segments_;
    std::vector<QString> fonts_{kChineseFont, kLatinFont};
    std::vector<quint32> colours_;
    RtfCharFormat current_ = plainTextFormat();
    QByteArray out_;
};

QByteArray Writer::write() {
    collectTables();
    out_ = header();
    out_ += "\\uc1\\pard\\f0\\fs" + QByteArray::number(kPlainHalfPoints) + ' ';
    for (const Segment& segment : segments_) {
        switchTo(segment.format);
        appendEscaped(out_, QStringView(content_.text).sliced(segment.start, segment.length));
    }
    // Every paragraph ends in a mark, the last one too; the reader does not count that one.
    out_ += "\\par\r\n}";
    return out_;
}

QByteArray Writer::header() const {
    QByteArray header = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        header += fontEntry(int(i), fonts_[i]);
    header += '}';
    if (!colours_.empty()) {
        header += "{\\colortbl;";
        for (const quint32 rgb : colours_)
            header += "\\red" + QByteArray::number((rgb >> 16) & 0xFF) + "\\green" +
                      QByteArray::number((rgb >> 8) & 0xFF) + "\\blue" +
                      QByteArray::number(rgb & 0xFF) + ';';
        header += '}';
    }
    return header + "\r\n";
}

void Writer::collectTables() {
    for (const Segment& segment : segments_) {
        const RtfCharFormat& format = segment.format;
        if (!format.fontFamily.isEmpty() &&
            std::find(fonts_.begin(), fonts_.end(), format.fontFamily) == fonts_.end())
            fonts_.push_back(format.fontFamily);
        if (format.colour && colourIndex(format.colour) == 0)
            colours_.push_back(*format.colour & kRgbMask);
    }
}

// Only what changes is written, so plain text carries no formatting words at all.
void Writer::switchTo(const RtfCharFormat& format) {
    QByteArray words;
    const auto toggle = [&words](bool was, bool now, const char* on, const char* off) {
        if (was != now) words += now ? on : off;
    };
    toggle(current_.bold, format.bold, "\\b", "\\b0");
    toggle(current_.italic, format.italic, "\\i", "\\i0");
    toggle(current_.underline, format.underline, "\\ul", "\\ulnone");
    if (fontIndex(current_.fontFamily) != fontIndex(format.fontFamily))
        words += "\\f" + QByteArray::number(fontIndex(format.fontFamily));
    const int halfPoints = std::clamp(qRound(format.pointSize * 2), 1, 32767);
    if (qRound(current_.pointSize * 2) != halfPoints)
        words += "\\fs" + QByteArray::number(halfPoints);
    if (colourIndex(current_.colour) != colourIndex(format.colour))
        words += "\\cf" + QByteArray::number(colourIndex(format.colour));
    if (!words.isEmpty()) out_ += words + ' ';
    current_ = format;
}

int Writer::fontIndex(const QString& family) const {
    const auto found = std::find(fonts_.begin(), fonts_.end(), family);
    return found == fonts_.end() ? 0 : int(found - fonts_.begin());
}

int Writer::colourIndex(const std::optional<quint32>& colour) const {
    if (!colour) return 0;
    const auto found = std::find(colours_.begin(), colours_.end(), *colour & kRgbMask);
    return found == colours_.end() ? 0 : int(found - colours_.begin()) + 1;
}

} // namespace

RtfCharFormat plainTextFormat() {
    RtfCharFormat format;
    format.fontFamily = kChineseFont;
    format.pointSize = kPlainHalfPoints / 2.0;
    return format;
}

QByteArray rtfFromContent(const RtfContent& content) {
    return Writer(content).write();
}

} // namespace lumeport
