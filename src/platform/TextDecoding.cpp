#include "TextDecoding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lumeport {

namespace {

constexpr int kFallbackCodePage = 1252;

struct CharsetCodePage {
    int charset;
    int codePage;
};

// Font charsets as Windows defines them. Charset 1 ("default") is absent on purpose: it means
// the document's own code page. The symbol charset has no code page of its own; its bytes are
// read as windows-1252 so they at least stay visible.
constexpr std::array kCharsets{
    CharsetCodePage{0, 1252},   CharsetCodePage{2, 1252},   CharsetCodePage{77, 10000},
    CharsetCodePage{128, 932},  CharsetCodePage{129, 949},  CharsetCodePage{134, 936},
    CharsetCodePage{136, 950},  CharsetCodePage{161, 1253}, CharsetCodePage{162, 1254},
    CharsetCodePage{163, 1258}, CharsetCodePage{177, 1255}, CharsetCodePage{178, 1256},
    CharsetCodePage{186, 1257}, CharsetCodePage{204, 1251}, CharsetCodePage{222, 874},
    CharsetCodePage{238, 1250}, CharsetCodePage{254, 437},  CharsetCodePage{255, 850},
};

struct CodePageName {
    int codePage;
    const char* name;
};

constexpr std::array kCodePages{
    CodePageName{437, "IBM437"},        CodePageName{850, "IBM850"},
    CodePageName{874, "windows-874"},   CodePageName{932, "Shift_JIS"},
    CodePageName{936, "GBK"},           CodePageName{949, "windows-949"},
    CodePageName{950, "Big5"},          CodePageName{1250, "windows-1250"},
    CodePageName{1251, "windows-1251"}, CodePageName{1252, "windows-1252"},
    CodePageName{1253, "windows-1253"}, CodePageName{1254, "windows-1254"},
    CodePageName{1255, "windows-1255"}, CodePageName{1256, "windows-1256"},
    CodePageName{1257, "windows-1257"}, CodePageName{1258, "windows-1258"},
    CodePageName{10000, "macintosh"},   CodePageName{54936, "GB18030"},
    CodePageName{65001, "UTF-8"},
};

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark) {
    if (bytes.size() < qsizetype(mark.size())) return false;
    return std::equal(mark.begin(), mark.end(), bytes.begin(),
                      [](unsigned char m, char b) { return m == static_cast<unsigned char>(b); });
}

QString decodeAs(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding);
    return decoder.decode(bytes);
}

} // namespace

QString decodePlainText(const QByteArray& bytes) {
    using Flag = QStringConverter::Flag;
    // The decoders drop one leading mark; a second one is a character of the text.
    if (startsWith(bytes, {0xFF, 0xFE})) return decodeAs(QStringConverter::Utf16LE, bytes);
    if (startsWith(bytes, {0xFE, 0xFF})) return decodeAs(QStringConverter::Utf16BE, bytes);
    // A UTF-8 mark is a declaration: a damaged byte further on does not make the file GB18030.
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) return decodeAs(QStringConverter::Utf8, bytes);

    QStringDecoder utf8(QStringConverter::Utf8, Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    QStringDecoder gb18030("GB18030", Flag::Stateless);
    return gb18030.decode(bytes);
}

int codePageForCharset(int charset) {
    const auto* found =
        std::find_if(kCharsets.begin(), kCharsets.end(),
                     [charset](const auto& entry) { return entry.charset == charset; });
    return found == kCharsets.end() ? 0 : found->codePage;
}

const char* encodingNameForCodePage(int codePage) {
    const auto* found =
        std::find_if(kCodePages.begin(), kCodePages.end(),
                     [codePage](const auto& entry) { return entry.codePage == codePage; });
    return found == kCodePages.end() ? nullptr : found->name;
}

int effectiveCodePage(int charset, int documentCodePage) {
    if (const int fromCharset = codePageForCharset(charset)) return fromCharset;
    if (encodingNameForCodePage(documentCodePage)) return documentCodePage;
    return kFallbackCodePage;
}

QString CodePageDecoder::decode(QByteArrayView bytes, int codePage) {
    QStringDecoder& decoder = decoderFor(codePage);
    QString text = decoder.decode(bytes);
    decoder.resetState();
    return text;
}

QStringDecoder& CodePageDecoder::decoderFor(int codePage) {
    if (!encodingNameForCodePage(codePage)) codePage = kFallbackCodePage;
    auto found = decoders_.find(codePage);
    if (found == decoders_.end()) {
        QStringDecoder decoder(encodingNameForCodePage(codePage),
                               QStringConverter::Flag::Stateless);
        found = decoders_.emplace(codePage, std::move(decoder)).first;
    }
    return found->second;
}

} // namespace lumeport
