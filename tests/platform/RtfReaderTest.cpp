#include "RtfReader.h"

#include <QList>
#include <gtest/gtest.h>
#include <random>
#include <string_view>

namespace lumeport {
namespace {

using namespace std::string_view_literals;

// Runs must tile the text: the notes editor applies them one after the other.
void expectRunsCoverText(const RtfContent& content) {
    qsizetype next = 0;
    for (const RtfRun& run : content.runs) {
        ASSERT_EQ(run.start, next);
        ASSERT_GT(run.length, 0);
        next += run.length;
    }
    EXPECT_EQ(next, content.text.size());
}

QByteArray rtf(std::string_view source) {
    return QByteArray(source.data(), qsizetype(source.size()));
}

struct TextCase {
    const char* name;
    std::string_view source;
    const char16_t* text;
};

const TextCase kTextCases[] = {
    {"plain", R"({\rtf1 Hello})", u"Hello"},
    {"empty document", R"({\rtf1})", u""},
    {"groups", R"({\rtf1 a{\b b{\i c}}d})", u"abcd"},
    {"source line breaks are layout", "{\\rtf1 on\r\ne\n two}", u"one two"},
    {"literal tab", "{\\rtf1 a\tb}", u"a\tb"},
    {"par and line", R"({\rtf1 one\par two\line three})", u"one\r\ntwo\r\nthree"},
    {"backslash before a newline is par", "{\\rtf1 a\\\nb}", u"a\r\nb"},
    {"sect and page", R"({\rtf1 a\sect b\page c})", u"a\r\nb\r\nc"},
    {"tab", R"({\rtf1 a\tab b})", u"a\tb"},
    {"escapes", R"({\rtf1 \{x\}\\})", u"{x}\\"},
    {"symbols", R"({\rtf1 \emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet\~\-\_})",
     u"\u2014\u2013\u2018\u2019\u201C\u201D\u2022\u00A0\u2011"},
    {"unknown words add nothing", R"({\rtf1 a\foo123 \bar-4b})", u"ab"},
    {"a control word's space is its own", R"({\rtf1\b  two})", u" two"},

    {"final par is the end of the document", R"({\rtf1 one\par})", u"one"},
    {"only one final par is dropped", R"({\rtf1 one\par\par})", u"one\r\n"},
    {"final par before closing words", "{\\rtf1 one\\par\\pard\\plain{\\f0 }\r\n}", u"one"},
    {"a final line break is text", R"({\rtf1 one\line})", u"one\r\n"},
    {"text after the last par", R"({\rtf1 one\par two})", u"one\r\ntwo"},
    {"a lone par", R"({\rtf1\par})", u""},

    {"ansicpg 936 escapes", R"({\rtf1\ansi\ansicpg936 \'c4\'e3\'ba\'c3})", u"你好"},
    {"raw GBK bytes", "{\\rtf1\\ansi\\ansicpg936 \xc4\xe3\xba\xc3}", u"你好"},
    {"a pair split by a source line break", "{\\rtf1\\ansicpg936 \\'c4\r\n\\'e3}", u"你"},
    {"GBK font in a 1252 document",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fswiss Arial;}{\f1\fnil\fcharset134 SimSun;}}\f0 caf\'e9 \f1\'c4\'e3})",
     u"café 你"},
    {"default font by deff",
     R"({\rtf1\ansi\deff1{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset134 B;}}\'d6\'d0})", u"中"},
    {"Big5 trail byte written as a letter",
     R"({\rtf1{\fonttbl{\f2\fcharset136 M;}}\f2\'a7\'41\'a6n})", u"你好"},
    {"Shift-JIS trail byte written as an escaped brace",
     R"({\rtf1{\fonttbl{\f0\fcharset128 M;}}\'93\'fa\'96\{})", u"日本"},
    {"western font in a GBK document", R"({\rtf1\ansi\ansicpg936{\fonttbl{\f0\fcharset0 T;}}\'e9})",
     u"é"},
    {"charset 1 means the document's code page",
     R"({\rtf1\ansicpg936{\fonttbl{\f0\fcharset1 X;}}\'c4\'e3})", u"你"},
    {"unknown charset means the document's code page",
     R"({\rtf1\ansicpg1251{\fonttbl{\f0\fcharset99 X;}}\'c0})", u"А"},
    {"unknown code page means windows-1252", R"({\rtf1\ansicpg4242 \'e9})", u"é"},
    {"font state is per group",
     R"({\rtf1\ansicpg1252{\fonttbl{\f1\fcharset134 S;}}{\f1\'d6\'d0}\'e9})", u"中é"},

    {"unicode with fallback", R"({\rtf1\u20320?\u22909?})", u"你好"},
    {"uc0 has no fallback", R"({\rtf1\uc0\u20320\u22909})", u"你好"},
    {"uc2 skips a double-byte fallback", R"({\rtf1\ansicpg936\uc2\u20320\'c4\'e3!})", u"你!"},
    {"negative N", R"({\rtf1\u-24752?})", u"齐"},
    {"surrogate pair", R"({\rtf1\u-10179?\u-8704?})", u"\U0001F600"},
    {"fallback may be a control word", R"({\rtf1\u20320\emdash x})", u"你x"},
    {"an opening brace ends the fallback", R"({\rtf1\uc3\u20320{ab}c})", u"你abc"},
    {"a closing brace ends the fallback", R"({\rtf1{\uc3\u20320}ab})", u"你ab"},
    {"uc is per group", R"({\rtf1{\uc2\u20320??}\u22909?})", u"你好"},
    {"out-of-range N is ignored", R"({\rtf1 a\u70000?b})", u"ab"},

    {"skipped destinations",
     R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s0 Normal;}}{\info{\title T}})"
     R"({\*\generator G;}{\pict\pngblip 8950}{\object{\objdata 00}}{\header H}{\headerl H}{\footer F})"
     R"({\footerr F}{\footnote N}{\*\anything U}Body})",
     u"Body"},
    {"font alternatives are not names", R"({\rtf1{\fonttbl{\f0 Liberation{\*\falt Times};}}x})",
     u"x"},
    {"field keeps its result", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}!})",
     u"link!"},
    {"field instruction without a star", R"({\rtf1{\field{\fldinst PAGE}{\fldrslt 3}}})", u"3"},
    {"bin skips its bytes", "{\\rtf1 a\\bin3 }{}b}", u"ab"},
    {"bin inside a picture", "{\\rtf1{\\pict\\bin2 }}}b}", u"b"},
    {"after the document", "{\\rtf1 a}\0junk{b}"sv, u"a"},
};

TEST(RtfReader, ReadsSnippetsToTheirPlainText) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.name);
        const RtfContent content = readRtf(rtf(c.source));
        EXPECT_EQ(content.text, QStringView(c.text).toString());
        expectRunsCoverText(content);
    }
}

// Every font charset decodes its \'hh bytes in its own code page.
TEST(RtfReader, DecodesEachFontCharset) {
    struct Charset {
        int charset;
        const char* bytes;
        const char16_t* text;
    };
    const Charset cases[] = {
        {0, R"(\'e9)", u"é"},        {2, R"(\'e9)", u"é"},        {128, R"(\'82\'a0)", u"あ"},
        {129, R"(\'b0\'a1)", u"가"}, {134, R"(\'d6\'d0)", u"中"}, {136, R"(\'a4\'a4)", u"中"},
        {161, R"(\'e1)", u"α"},      {162, R"(\'fd)", u"ı"},      {177, R"(\'e0)", u"א"},
        {178, R"(\'c7)", u"ا"},      {186, R"(\'e0)", u"ą"},      {204, R"(\'c0)", u"А"},
        {222, R"(\'a1)", u"ก"},      {238, R"(\'b9)", u"ą"},
    };
    for (const Charset& c : cases) {
        SCOPED_TRACE(c.charset);
        const QByteArray source = QByteArray(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset)") +
                                  QByteArray::number(c.charset) + " F;}}\\f0 " + c.bytes + "}";
        EXPECT_EQ(readRtf(source).text, QStringView(c.text).toString());
    }
}

TEST(RtfReader, ReadsFontNamesInTheirCharset) {
    const RtfContent content = readRtf(
        QByteArray(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
                   R"({\f1\froman Times New Roman{\*\falt Liberation Serif};}}\f0 a\f1 b})"));
    ASSERT_EQ(content.runs.size(), 2u);
    EXPECT_EQ(content.runs[0].format.fontFamily, QStringLiteral(u"宋体"));
    EXPECT_EQ(content.runs[1].format.fontFamily, QStringLiteral("Times New Roman"));
}

// One character per format, so each run can be checked by the character it holds.
class RtfFormatting : public ::testing::Test {
protected:
    static RtfCharFormat formatOf(const RtfContent& content, QChar c) {
        const qsizetype at = content.text.indexOf(c);
        for (const RtfRun& run : content.runs)
            if (at >= run.start && at < run.start + run.length) return run.format;
        ADD_FAILURE() << "no run for " << int(c.unicode());
        return {};
    }

    const RtfContent content = readRtf(QByteArray(
        R"({\rtf1\ansi\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;}{\f1\froman Times;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;}\fs18 a{\b b}{\i\f1 c}{\ul\fs30 d})"
        R"({\cf1 e}{\cf2\b f\b0 g}{\uldb h\ulnone i}{\b\i\ul\cf1\fs40\plain j}{\dbch\ab k}{\rtlch\ab l}\par})"));
};

TEST_F(RtfFormatting, GroupsScopeCharacterFormatting) {
    EXPECT_EQ(content.text, QStringLiteral("abcdefghijkl"));
    expectRunsCoverText(content);

    const RtfCharFormat a = formatOf(content, u'a');
    EXPECT_EQ(a.fontFamily, QStringLiteral(u"宋体"));
    EXPECT_EQ(a.pointSize, 9.0);
    EXPECT_FALSE(a.bold || a.italic || a.underline || a.colour);

    EXPECT_TRUE(formatOf(content, u'b').bold);
    EXPECT_TRUE(formatOf(content, u'c').italic);
    EXPECT_EQ(formatOf(content, u'c').fontFamily, QStringLiteral("Times"));
    EXPECT_TRUE(formatOf(content, u'd').underline);
    EXPECT_EQ(formatOf(content, u'd').pointSize, 15.0);
    EXPECT_EQ(formatOf(content, u'e').colour, 0xFF0000u);
    EXPECT_EQ(formatOf(content, u'f').colour, 0x0000FFu);
}

TEST_F(RtfFormatting, OffWordsAndPlainEndFormatting) {
    EXPECT_TRUE(formatOf(content, u'f').bold);
    EXPECT_FALSE(formatOf(content, u'g').bold);
    EXPECT_TRUE(formatOf(content, u'h').underline);
    EXPECT_FALSE(formatOf(content, u'i').underline);
    const RtfCharFormat j = formatOf(content, u'j');
    EXPECT_FALSE(j.bold || j.italic || j.underline || j.colour);
    EXPECT_EQ(j.pointSize, 12.0);
    EXPECT_EQ(j.fontFamily, QStringLiteral(u"宋体"));
}

// \ab is the bold of double-byte text (LibreOffice writes bold Chinese so), not of other text.
TEST_F(RtfFormatting, AssociatedBoldAppliesToDoubleByteText) {
    EXPECT_TRUE(formatOf(content, u'k').bold);
    EXPECT_FALSE(formatOf(content, u'l').bold);
}

TEST_F(RtfFormatting, NeighbouringRunsDiffer) {
    for (std::size_t i = 1; i < content.runs.size(); ++i)
        EXPECT_FALSE(content.runs[i - 1].format == content.runs[i].format) << i;
}

TEST(RtfReaderMalformed, SurvivesDeepNesting) {
    const auto nested = [](int depth, const char* inner) {
        return QByteArray(depth, '{') + inner + QByteArray(depth, '}');
    };
    EXPECT_EQ(readRtf("{\\rtf1 " + nested(200000, "x") + "y}").text, QStringLiteral("xy"));
    EXPECT_EQ(readRtf("{\\rtf1 " + QByteArray(200000, '{') + "{\\b x").text, QStringLiteral("x"));
    // A destination opened deep down ends with its group.
    EXPECT_EQ(readRtf("{\\rtf1 " + nested(200000, "{\\*\\x skipped}x") + "y}").text,
              QStringLiteral("xy"));
    // Deeper than any state is kept for: still text, still no crash.
    EXPECT_EQ(readRtf("{\\rtf1 " + nested(2000000, "x") + "y}").text, QStringLiteral("xy"));
}

TEST(RtfReaderMalformed, ReturnsWhatItCanOfBrokenInput) {
    const TextCase cases[] = {
        {"extra closing braces", "{\\rtf1 a}}}b", u"a"},
        {"missing closing braces", "{\\rtf1 a{b", u"ab"},
        {"escape at the end", "{\\rtf1 a\\'", u"a"},
        {"half an escape", "{\\rtf1 a\\'4", u"a"},
        {"half an escape before a brace", "{\\rtf1 a\\'4}b", u"a"},
        {"unicode at the end", "{\\rtf1 a\\u", u"a"},
        {"unicode with a bare minus", "{\\rtf1 a\\u-}", u"a-"},
        {"backslash at the end", "{\\rtf1 a\\", u"a"},
        {"huge parameter", "{\\rtf1 a\\u99999999999999999999?b}", u"ab"},
        {"bin longer than the file", "{\\rtf1 a\\bin999999999999 }}}", u"a"},
        {"negative bin", "{\\rtf1 a\\bin-5 b}", u"ab"},
        {"text before the document", "junk{\\rtf1 a}", u"a"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RtfContent content = readRtf(rtf(c.source));
        EXPECT_EQ(content.text, QStringView(c.text).toString());
        expectRunsCoverText(content);
    }
}

// Bytes that are not GBK still give text, and a dangling lead byte does not eat what follows.
TEST(RtfReaderMalformed, InvalidGbkKeepsTheRest) {
    const QString text =
        readRtf(QByteArray(R"({\rtf1\ansicpg936 a\'ff\'ff\'81 b\'c4\par c})")).text;
    EXPECT_TRUE(text.startsWith(u'a')) << text.toStdString();
    EXPECT_TRUE(text.contains(u'b')) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u'c')) << text.toStdString();
}

// Random documents from the pieces real ones are made of, and plain random bytes: each must
// read to some text with well-formed runs (the test's time limit catches a hang).
TEST(RtfReaderMalformed, SurvivesRandomInput) {
    QList<QByteArray> pieces =
        QByteArray(R"({ } \ \' \'c4 \'e3 \'4 \u \u- \u-10179 \uc \uc2 \bin \bin3 \par \line \* \f )"
                   R"(\f1 \fonttbl \colortbl \fcharset134 \red255 \field \fldrslt \pict \b \b0 )"
                   R"(\plain \ansicpg936 \dbch\ab a Z 1 - ; ?)")
            .split(' ');
    pieces += {" ", "\r\n", "\xc4", "\xff", QByteArray(1, '\0')};
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        QByteArray source = "{\\rtf1 ";
        const int length = std::uniform_int_distribution(0, 400)(random);
        for (int i = 0; i < length; ++i) {
            if (round % 4 == 0) { // a quarter of the rounds are raw bytes
                source += char(std::uniform_int_distribution(0, 255)(random));
            } else {
                source +=
                    pieces[std::uniform_int_distribution<qsizetype>(0, pieces.size() - 1)(random)];
            }
        }
        SCOPED_TRACE(source.toStdString());
        expectRunsCoverText(readRtf(source));
    }
}

TEST(RtfReader, RecognisesRichTextByItsStart) {
    EXPECT_TRUE(isRtf("{\\rtf1\\ansi}"));
    EXPECT_TRUE(isRtf("{\\rtf"));
    EXPECT_FALSE(isRtf(" {\\rtf1}"));
    EXPECT_FALSE(isRtf("{\\rt"));
    EXPECT_FALSE(isRtf(""));
}

} // namespace
} // namespace lumeport
