#pragma once
// The control words the rich-text reader acts on. Every other control word is read and
// ignored, which is what the format asks of a reader that does not know a word.

#include <algorithm>
#include <array>
#include <string_view>

namespace lumeport::rtf {

// Where the text of a group goes.
enum class Destination {
    Text,        // the document's text
    Skip,        // nothing: pictures, headers, document properties, unknown \* groups
    FontTable,   // font names and their charsets
    ColourTable, // \redN\greenN\blueN; entries
    Field,       // a field: its instruction is skipped and its result (\fldrslt) is Text
};

// Which of a run's fonts \ab and \ai speak about: the associated properties are the
// double-byte text's when \dbch is in effect.
enum class CharMode { Low, High, DoubleByte, RightToLeft };

enum class KeywordKind {
    Destination,  // value: Destination
    Symbol,       // value: one UTF-16 unit
    LineBreak,    // CR LF that is not a paragraph mark
    Paragraph,    // \par
    Bold,         // \b, \b0
    Italic,       // \i, \i0
    Underline,    // every \ul... style; \ul0 ends it
    UnderlineOff, // \ulnone
    AssocBold,    // \ab: bold of the double-byte text
    AssocItalic,  // \ai
    CharMode,     // value: CharMode
    Font,         // \fN: the font in use, or the font being defined in the font table
    FontSize,     // \fsN in half points
    Colour,       // \cfN
    Plain,        // \plain: character formatting back to its defaults
    Unicode,      // \uN
    UnicodeSkip,  // \ucN
    Binary,       // \binN
    CodePage,     // \ansicpg
    CharacterSet, // \ansi \mac \pc \pca; value: code page
    DefaultFont,  // \deffN
    FontCharset,  // \fcharsetN
    FontCodePage, // \cpgN
    Red,
    Green,
    Blue,
};

struct Keyword {
    std::string_view name;
    KeywordKind kind;
    int value = 0;
};

namespace detail {

using K = KeywordKind;
constexpr int skip = static_cast<int>(Destination::Skip);

// Sorted by name: looked up by binary search.
inline constexpr std::array kKeywords{
    Keyword{"ab", K::AssocBold},
    Keyword{"aftncn", K::Destination, skip},
    Keyword{"aftnsep", K::Destination, skip},
    Keyword{"aftnsepc", K::Destination, skip},
    Keyword{"ai", K::AssocItalic},
    Keyword{"annotation", K::Destination, skip},
    Keyword{"ansi", K::CharacterSet, 1252},
    Keyword{"ansicpg", K::CodePage},
    Keyword{"atnauthor", K::Destination, skip},
    Keyword{"atnid", K::Destination, skip},
    Keyword{"author", K::Destination, skip},
    Keyword{"b", K::Bold},
    Keyword{"bin", K::Binary},
    Keyword{"blue", K::Blue},
    Keyword{"bullet", K::Symbol, 0x2022},
    Keyword{"buptim", K::Destination, skip},
    Keyword{"cell", K::Symbol, '\t'},
    Keyword{"cf", K::Colour},
    Keyword{"colortbl", K::Destination, static_cast<int>(Destination::ColourTable)},
    Keyword{"comment", K::Destination, skip},
    Keyword{"company", K::Destination, skip},
    Keyword{"cpg", K::FontCodePage},
    Keyword{"creatim", K::Destination, skip},
    Keyword{"datastore", K::Destination, skip},
    Keyword{"dbch", K::CharMode, static_cast<int>(CharMode::DoubleByte)},
    Keyword{"deff", K::DefaultFont},
    Keyword{"doccomm", K::Destination, skip},
    Keyword{"emdash", K::Symbol, 0x2014},
    Keyword{"emspace", K::Symbol, 0x2003},
    Keyword{"endash", K::Symbol, 0x2013},
    Keyword{"enspace", K::Symbol, 0x2002},
    Keyword{"f", K::Font},
    Keyword{"fcharset", K::FontCharset},
    Keyword{"field", K::Destination, static_cast<int>(Destination::Field)},
    Keyword{"fldinst", K::Destination, skip},
    Keyword{"fldrslt", K::Destination, static_cast<int>(Destination::Text)},
    Keyword{"fonttbl", K::Destination, static_cast<int>(Destination::FontTable)},
    Keyword{"footer", K::Destination, skip},
    Keyword{"footerf", K::Destination, skip},
    Keyword{"footerl", K::Destination, skip},
    Keyword{"footerr", K::Destination, skip},
    Keyword{"footnote", K::Destination, skip},
    Keyword{"fs", K::FontSize},
    Keyword{"ftncn", K::Destination, skip},
    Keyword{"ftnsep", K::Destination, skip},
    Keyword{"ftnsepc", K::Destination, skip},
    Keyword{"green", K::Green},
    Keyword{"header", K::Destination, skip},
    Keyword{"headerf", K::Destination, skip},
    Keyword{"headerl", K::Destination, skip},
    Keyword{"headerr", K::Destination, skip},
    Keyword{"hich", K::CharMode, static_cast<int>(CharMode::High)},
    Keyword{"i", K::Italic},
    Keyword{"info", K::Destination, skip},
    Keyword{"keywords", K::Destination, skip},
    Keyword{"ldblquote", K::Symbol, 0x201C},
    Keyword{"line", K::LineBreak},
    Keyword{"listoverridetable", K::Destination, skip},
    Keyword{"listtable", K::Destination, skip},
    Keyword{"loch", K::CharMode, static_cast<int>(CharMode::Low)},
    Keyword{"lquote", K::Symbol, 0x2018},
    Keyword{"ltrch", K::CharMode, static_cast<int>(CharMode::Low)},
    Keyword{"mac", K::CharacterSet, 10000},
    Keyword{"nonshppict", K::Destination, skip},
    Keyword{"objdata", K::Destination, skip},
    Keyword{"object", K::Destination, skip},
    Keyword{"operator", K::Destination, skip},
    Keyword{"page", K::LineBreak},
    Keyword{"par", K::Paragraph},
    Keyword{"pc", K::CharacterSet, 437},
    Keyword{"pca", K::CharacterSet, 850},
    Keyword{"pict", K::Destination, skip},
    Keyword{"plain", K::Plain},
    Keyword{"pn", K::Destination, skip},
    Keyword{"pntxta", K::Destination, skip},
    Keyword{"pntxtb", K::Destination, skip},
    Keyword{"printim", K::Destination, skip},
    Keyword{"qmspace", K::Symbol, 0x2005},
    Keyword{"rdblquote", K::Symbol, 0x201D},
    Keyword{"red", K::Red},
    Keyword{"revtbl", K::Destination, skip},
    Keyword{"revtim", K::Destination, skip},
    Keyword{"row", K::LineBreak},
    Keyword{"rquote", K::Symbol, 0x2019},
    Keyword{"rsidtbl", K::Destination, skip},
    Keyword{"rtlch", K::CharMode, static_cast<int>(CharMode::RightToLeft)},
    Keyword{"rxe", K::Destination, skip},
    Keyword{"sect", K::LineBreak},
    Keyword{"shpinst", K::Destination, skip},
    Keyword{"stylesheet", K::Destination, skip},
    Keyword{"subject", K::Destination, skip},
    Keyword{"tab", K::Symbol, '\t'},
    Keyword{"tc", K::Destination, skip},
    Keyword{"template", K::Destination, skip},
    Keyword{"title", K::Destination, skip},
    Keyword{"txe", K::Destination, skip},
    Keyword{"u", K::Unicode},
    Keyword{"uc", K::UnicodeSkip},
    Keyword{"ul", K::Underline},
    Keyword{"uld", K::Underline},
    Keyword{"uldash", K::Underline},
    Keyword{"uldashd", K::Underline},
    Keyword{"uldashdd", K::Underline},
    Keyword{"uldb", K::Underline},
    Keyword{"ulhwave", K::Underline},
    Keyword{"ulldash", K::Underline},
    Keyword{"ulnone", K::UnderlineOff},
    Keyword{"ulth", K::Underline},
    Keyword{"ulthd", K::Underline},
    Keyword{"ulthdash", K::Underline},
    Keyword{"ulthdashd", K::Underline},
    Keyword{"ulthdashdd", K::Underline},
    Keyword{"ulthldash", K::Underline},
    Keyword{"ululdbwave", K::Underline},
    Keyword{"ulw", K::Underline},
    Keyword{"ulwave", K::Underline},
    Keyword{"userprops", K::Destination, skip},
    Keyword{"xe", K::Destination, skip},
    Keyword{"xmlnstbl", K::Destination, skip},
};

static_assert(std::is_sorted(kKeywords.begin(), kKeywords.end(),
                             [](const Keyword& a, const Keyword& b) { return a.name < b.name; }));

} // namespace detail

// The keyword named `name`, or nullptr for a control word the reader ignores.
inline const Keyword* findKeyword(std::string_view name) {
    const auto& table = detail::kKeywords;
    const auto* found = std::lower_bound(
        table.begin(), table.end(), name,
        [](const Keyword& keyword, std::string_view n) { return keyword.name < n; });
    return found != table.end() && found->name == name ? found : nullptr;
}

} // namespace lumeport::rtf
