#include "RtfReader.h"

#include "RtfKeywords.h"
#include "RtfTextSink.h"
#include "TextDecoding.h"

#include <algorithm>
#include <climits>
#include <map>
#include <string_view>

namespace lumeport {

namespace {

using rtf::CharMode;
using rtf::Destination;
using rtf::Format;
using rtf::Keyword;
using rtf::KeywordKind;
using rtf::TextSink;

// Real documents nest a few dozen groups. Past this depth (some 14 MB of saved state) a group
// shares the state of the group around it, so a huge file of nothing but "{" cannot exhaust
// memory; what such a group changes then outlives it.
constexpr std::size_t kMaxSavedGroups = 500000;
constexpr int kAnsiCodePage = 1252;

struct GroupState {
    Destination destination = Destination::Text;
    Format format;
    CharMode mode = CharMode::Low;
    int unicodeSkip = 1;
};

struct FontEntry {
    int charset = -1; // none given: the document's code page applies
    int codePage = 0;
    QString name;
};

// A colour-table entry as it is being read.
struct ColourDraft {
    int red = 0, green = 0, blue = 0;
    bool given = false;
};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Parser {
public:
    explicit Parser(QByteArrayView input)
        : input_(input) {}
    RtfContent read();

private:
    void step();
    void openGroup();
    void closeGroup();
    void controlSequence();
    void controlSymbol(char symbol);
    void controlWord();
    std::optional<int> readParameter();
    void hexEscape();
    bool skipFallback();

    void character(char c);
    void escapedByte(char byte);
    void applyKeyword(const Keyword& keyword, std::optional<int> parameter);
    void applyFormatting(const Keyword& keyword, std::optional<int> parameter);
    void applyTableValue(const Keyword& keyword, std::optional<int> parameter);
    void enterDestination(Destination destination);
    void appendText(QStringView text);
    void paragraph();
    void unicode(int value);
    void skipBinary(int count);
    void selectFont(int font);
    void setColourComponent(KeywordKind kind, int value);
    FontEntry* fontBeingDefined();
    void commitFontName();
    void commitColour();

    int codePageOf(int font) const;
    RtfCharFormat resolve(const Format& format) const;
    RtfContent finish();

    QByteArrayView input_;
    qsizetype pos_ = 0;
    qsizetype depth_ = 0;
    qsizetype overflow_ = 0; // groups deeper than kMaxSavedGroups
    bool done_ = false;
    GroupState state_;
    std::vector<GroupState> saved_;
    int skipRemaining_ = 0; // \uN fallback characters still to skip

    int ansiCodePage_ = kAnsiCodePage;
    int defaultFont_ = 0;
    std::map<int, FontEntry> fonts_;
    std::optional<int> definingFont_;
    std::vector<std::optional<quint32>> colours_;
    ColourDraft colourDraft_;

    CodePageDecoder decoder_;
    TextSink text_{decoder_};
    TextSink fontName_{decoder_};
    qsizetype paragraphEnd_ = -1; // where the text stood right after the latest \par
};

RtfContent Parser::read() {
    while (pos_ < input_.size() && !done_)
        step();
    return finish();
}

void Parser::step() {
    const char c = input_[pos_++];
    if (depth_ == 0 && c != '{') return; // nothing counts before the document's group opens
    switch (c) {
    case '{':
        openGroup();
        break;
    case '}':
        closeGroup();
        break;
    case '\\':
        controlSequence();
        break;
    case '\r':
    case '\n':
        break; // line breaks in the source are for people reading it
    default:
        character(c);
    }
}

void Parser::openGroup() {
    skipRemaining_ = 0; // a fallback never runs past a group boundary
    if (depth_ > 0) {
        if (saved_.size() < kMaxSavedGroups)
            saved_.push_back(state_);
        else
            ++overflow_;
    }
    ++depth_;
}

void Parser::closeGroup() {
    skipRemaining_ = 0;
    if (state_.destination == Destination::FontTable) commitFontName();
    if (--depth_ == 0) {
        done_ = true; // whatever follows the document's group (a NUL, junk) is not the document
        return;
    }
    if (overflow_ > 0) {
        --overflow_;
        return;
    }
    state_ = saved_.back();
    saved_.pop_back();
}

void Parser::controlSequence() {
    if (pos_ >= input_.size()) return;
    if (isLetter(input_[pos_]))
        controlWord();
    else
        controlSymbol(input_[pos_++]);
}

void Parser::controlSymbol(char symbol) {
    if (symbol == '\'') {
        hexEscape();
        return;
    }
    if (symbol == '*') {
        state_.destination = Destination::Skip; // an optional destination we need not know
        return;
    }
    if (symbol == '{' || symbol == '}' || symbol == '\\') {
        character(symbol);
        return;
    }
    if (skipFallback()) return;
    switch (symbol) {
    case '\r':
    case '\n':
        paragraph(); // a backslash ending a source line is an old way to write \par
        break;
    case '~':
        appendText(u"\u00A0");
        break;
    case '_':
        appendText(u"\u2011");
        break;
    default:
        break; // \- (a hyphenation point) and symbols we do not know add nothing
    }
}

void Parser::controlWord() {
    const qsizetype start = pos_;
    while (pos_ < input_.size() && isLetter(input_[pos_]))
        ++pos_;
    const std::string_view name(input_.data() + start, std::size_t(pos_ - start));
    const std::optional<int> parameter = readParameter();
    if (pos_ < input_.size() && input_[pos_] == ' ')
        ++pos_; // the space that ends a control word belongs to it

    const Keyword* keyword = rtf::findKeyword(name);
    const bool binary = keyword && keyword->kind == KeywordKind::Binary;
    if (skipFallback() || state_.destination == Destination::Skip) {
        if (binary) skipBinary(parameter.value_or(0));
        return;
    }
    if (keyword) applyKeyword(*keyword, parameter);
}

std::optional<int> Parser::readParameter() {
    const auto digitAt = [this](qsizetype i) { return i < input_.size() && isDigit(input_[i]); };
    const bool negative = digitAt(pos_ + 1) && input_[pos_] == '-';
    if (negative) ++pos_;
    if (!digitAt(pos_)) return std::nullopt;
    qint64 value = 0;
    for (; digitAt(pos_); ++pos_)
        value = std::min<qint64>(value * 10 + (input_[pos_] - '0'), INT_MAX);
    return int(negative ? -value : value);
}

void Parser::hexEscape() {
    int byte = 0;
    for (int i = 0; i < 2; ++i) {
        const int digit = pos_ < input_.size() ? hexValue(input_[pos_]) : -1;
        if (digit < 0) return; // a truncated escape stands for nothing
        byte = byte * 16 + digit;
        ++pos_;
    }
    if (!skipFallback()) escapedByte(char(byte));
}

bool Parser::skipFallback() {
    if (skipRemaining_ == 0) return false;
    --skipRemaining_;
    return true;
}

void Parser::character(char c) {
    if (skipFallback()) return;
    const auto byte = static_cast<unsigned char>(c);
    switch (state_.destination) {
    case Destination::Text:
        if (c == '\t')
            appendText(u"\t");
        else if (byte >= 0x20)
            text_.appendChar(c, codePageOf(state_.format.font), state_.format);
        break;
    case Destination::FontTable:
        if (c == ';')
            commitFontName();
        else if (byte >= 0x20 && definingFont_)
            fontName_.appendChar(c, codePageOf(*definingFont_), {});
        break;
    case Destination::ColourTable:
        if (c == ';') commitColour();
        break;
    default:
        break;
    }
}

void Parser::escapedByte(char byte) {
    if (state_.destination == Destination::Text)
        text_.appendByte(byte, codePageOf(state_.format.font), state_.format);
    else if (state_.destination == Destination::FontTable && definingFont_)
        fontName_.appendByte(byte, codePageOf(*definingFont_), {});
}

void Parser::applyKeyword(const Keyword& keyword, std::optional<int> parameter) {
    switch (keyword.kind) {
    case KeywordKind::Destination:
        enterDestination(static_cast<Destination>(keyword.value));
        break;
    case KeywordKind::Symbol: {
        const char16_t unit = char16_t(keyword.value);
        appendText(QStringView(&unit, 1));
        break;
    }
    case KeywordKind::LineBreak:
        appendText(u"\r\n");
        break;
    case KeywordKind::Paragraph:
        paragraph();
        break;
    case KeywordKind::Unicode:
        if (parameter) unicode(*parameter);
        break;
    case KeywordKind::UnicodeSkip:
        state_.unicodeSkip = std::max(0, parameter.value_or(1));
        break;
    case KeywordKind::Binary:
        skipBinary(parameter.value_or(0));
        break;
    default:
        applyFormatting(keyword, parameter);
        applyTableValue(keyword, parameter);
    }
}

void Parser::applyFormatting(const Keyword& keyword, std::optional<int> parameter) {
    Format& format = state_.format;
    const bool on = parameter.value_or(1) != 0;
    const bool doubleByte = state_.mode == CharMode::DoubleByte;
    switch (keyword.kind) {
    case KeywordKind::Bold:
        format.bold = on;
        break;
    case KeywordKind::Italic:
        format.italic = on;
        break;
    case KeywordKind::AssocBold: // how LibreOffice marks bold Chinese text
        if (doubleByte) format.bold = on;
        break;
    case KeywordKind::AssocItalic:
        if (doubleByte) format.italic = on;
        break;
    case KeywordKind::Underline:
        format.underline = on;
        break;
    case KeywordKind::UnderlineOff:
        format.underline = false;
        break;
    case KeywordKind::CharMode:
        state_.mode = static_cast<CharMode>(keyword.value);
        break;
    case KeywordKind::FontSize:
        format.halfPoints = parameter.value_or(0) > 0 ? *parameter : Format{}.halfPoints;
        break;
    case KeywordKind::Colour:
        format.colour = parameter.value_or(0);
        break;
    case KeywordKind::Plain:
        format = Format{};
        format.font = defaultFont_;
        break;
    default:
        break;
    }
}

// The font and colour tables, the document's code page and its default font.
void Parser::applyTableValue(const Keyword& keyword, std::optional<int> parameter) {
    const int value = parameter.value_or(0);
    switch (keyword.kind) {
    case KeywordKind::Font:
        selectFont(value);
        break;
    case KeywordKind::FontCharset:
        if (FontEntry* font = fontBeingDefined()) font->charset = value;
        break;
    case KeywordKind::FontCodePage:
        if (FontEntry* font = fontBeingDefined()) font->codePage = value;
        break;
    case KeywordKind::CodePage:
        ansiCodePage_ = value;
        break;
    case KeywordKind::CharacterSet:
        ansiCodePage_ = keyword.value;
        break;
    case KeywordKind::DefaultFont:
        defaultFont_ = value;
        state_.format.font = value;
        break;
    case KeywordKind::Red:
    case KeywordKind::Green:
    case KeywordKind::Blue:
        setColourComponent(keyword.kind, value);
        break;
    default:
        break;
    }
}

// In the font table \fN starts the entry of font N; elsewhere it puts font N in use.
void Parser::selectFont(int font) {
    if (state_.destination != Destination::FontTable) {
        state_.format.font = font;
        return;
    }
    commitFontName();
    definingFont_ = font;
    fonts_[font];
}

void Parser::setColourComponent(KeywordKind kind, int value) {
    int& component = kind == KeywordKind::Red     ? colourDraft_.red
                     : kind == KeywordKind::Green ? colourDraft_.green
                                                  : colourDraft_.blue;
    component = std::clamp(value, 0, 255);
    colourDraft_.given = true;
}

void Parser::enterDestination(Destination destination) {
    if (state_.destination != Destination::Skip) state_.destination = destination;
}

void Parser::appendText(QStringView text) {
    if (state_.destination == Destination::Text) text_.appendText(text, state_.format);
}

void Parser::paragraph() {
    if (state_.destination != Destination::Text) return;
    text_.appendText(u"\r\n", state_.format);
    paragraphEnd_ = text_.size();
}

void Parser::unicode(int value) {
    if (value < 0) value += 65536;
    if (value >= 0 && value <= 0xFFFF) {
        const char16_t unit = char16_t(value); // surrogate halves pair up in the text
        if (state_.destination == Destination::FontTable && definingFont_)
            fontName_.appendText(QStringView(&unit, 1), {});
        else
            appendText(QStringView(&unit, 1));
    }
    skipRemaining_ = state_.unicodeSkip;
}

void Parser::skipBinary(int count) {
    pos_ += std::clamp<qsizetype>(count, 0, input_.size() - pos_);
}

FontEntry* Parser::fontBeingDefined() {
    if (state_.destination != Destination::FontTable || !definingFont_) return nullptr;
    return &fonts_[*definingFont_];
}

void Parser::commitFontName() {
    fontName_.flush();
    const QString name = fontName_.takeText().trimmed();
    if (definingFont_ && !name.isEmpty()) fonts_[*definingFont_].name = name;
}

void Parser::commitColour() {
    const ColourDraft& c = colourDraft_;
    colours_.push_back(c.given
                           ? std::optional<quint32>(quint32(c.red << 16 | c.green << 8 | c.blue))
                           : std::nullopt);
    colourDraft_ = {};
}

int Parser::codePageOf(int font) const {
    const auto found = fonts_.find(font);
    if (found == fonts_.end()) return effectiveCodePage(-1, ansiCodePage_);
    if (encodingNameForCodePage(found->second.codePage)) return found->second.codePage;
    return effectiveCodePage(found->second.charset, ansiCodePage_);
}

RtfCharFormat Parser::resolve(const Format& format) const {
    RtfCharFormat resolved;
    resolved.bold = format.bold;
    resolved.italic = format.italic;
    resolved.underline = format.underline;
    if (const auto font = fonts_.find(format.font); font != fonts_.end())
        resolved.fontFamily = font->second.name;
    resolved.pointSize = format.halfPoints / 2.0;
    if (format.colour >= 0 && std::size_t(format.colour) < colours_.size())
        resolved.colour = colours_[std::size_t(format.colour)];
    return resolved;
}

RtfContent Parser::finish() {
    text_.flush();
    // The mark that ends the last paragraph ends the document, not a line of it.
    if (paragraphEnd_ == text_.size()) text_.chop(2);
    RtfContent content;
    content.text = text_.text();
    for (const rtf::FormatRun& run : text_.runs()) {
        const RtfCharFormat format = resolve(run.format);
        if (!content.runs.empty() && content.runs.back().format == format)
            content.runs.back().length += run.length;
        else
            content.runs.push_back({run.start, run.length, format});
    }
    return content;
}

} // namespace

bool isRtf(QByteArrayView bytes) {
    return bytes.startsWith("{\\rtf");
}

RtfContent readRtf(QByteArrayView bytes) {
    return Parser(bytes).read();
}

} // namespace lumeport
