#include "RtfWriter.h"

#include "DocumentText.h"
#include "RtfReader.h"

#include <gtest/gtest.h>
#include <random>

namespace lumeport {
namespace {

QString readBack(const QString& text) {
    return readRtf(rtfFromPlainText(text)).text;
}

// Strings whose characters mean something to the writer, the reader or a lesson script.
const char16_t* const kAwkwardTexts[] = {
    u"",
    u"a",
    u"*^Hello^,^ ^Tom^.^#你好#1.5#3.25######*",
    u"*",
    u"#",
    u"^",
    u"{",
    u"}",
    u"\\",
    u"\\par",
    u"{\\rtf1 x}",
    u"\\'c4\\u20320?",
    u"?",
    u";",
    u"\r\n",
    u"a\r\n",
    u"\r\n\r\n",
    u"\r\na",
    u"\r",
    u"\n",
    u"\n\r",
    u"a\rb\nc",
    u"\t",
    u"a\tb\t",
    u"  spaces around  ",
    u" ",
    u"Café naïve résumé ÀÉÎÕÜ ß",
    u"你好，世界。",
    u"\U0001F600 and \U00020000",
    u"\xD83D",
    u"\xDE00x",
    u"\xFFFF\xFFFE\xFEFF\xFFFD",
    u"\uFEFFstarts with a byte-order mark",
    u"\x8000\x7FFF\x0080",
    u"\x01\x1F\x7F",
    u"\u00A0\u2011\u2014",
    u"line one\r\nline two\r\n",
};

TEST(RtfWriter, PlainTextReadsBackExactly) {
    for (const char16_t* awkward : kAwkwardTexts) {
        const QString text = QStringView(awkward).toString();
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(readBack(text), text);
    }
    const QString withNul(1, QChar(u'\0'));
    EXPECT_EQ(readBack(withNul), withNul);
}

TEST(RtfWriter, RandomTextReadsBackExactly) {
    const char16_t alphabet[] = {u'\r', u'\n',  u'\t',  u'\\',  u'{',  u'}',  u';',
                                 u'?',  u' ',   u'a',   u'1',   u'-',  u'\0', 0x7F,
                                 0xE9,  0x4F60, 0xD83D, 0xDE00, 0xFFFF};
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int length = std::uniform_int_distribution(0, 40)(random);
        for (int i = 0; i < length; ++i)
            text += QChar(alphabet[std::uniform_int_distribution<std::size_t>(
                0, std::size(alphabet) - 1)(random)]);
        ASSERT_EQ(readBack(text), text) << round;
    }
}

// What other programs rely on: a 7-bit file, a GBK code page, Chinese text in 新宋体.
TEST(RtfWriter, WritesTheHouseHeaderInSevenBitAscii) {
    const QByteArray rtf = rtfFromPlainText(QStringLiteral(u"你a\x9F50"));
    EXPECT_TRUE(
        rtf.startsWith(R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 )"
                       R"(\'d0\'c2\'cb\'ce\'cc\'e5;}{\f1\froman\fcharset0 Times New Roman;}})"))
        << rtf.toStdString();
    EXPECT_TRUE(rtf.contains(R"(\uc1\pard\f0\fs18 \u20320?a\u-24752?\par)")) << rtf.toStdString();
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0; }));
}

RtfCharFormat format(void (*change)(RtfCharFormat&)) {
    RtfCharFormat f = plainTextFormat();
    change(f);
    return f;
}

TEST(RtfWriter, FormattingReadsBack) {
    const RtfContent written{
        QStringLiteral(u"bold italic under Arial 黑体 A;B big red blue all\r\nnext"),
        {
            {0, 5, format([](RtfCharFormat& f) { f.bold = true; })},
            {5, 7, format([](RtfCharFormat& f) { f.italic = true; })},
            {12, 6, format([](RtfCharFormat& f) { f.underline = true; })},
            {18, 6, format([](RtfCharFormat& f) { f.fontFamily = "Arial"; })},
            {24, 3, format([](RtfCharFormat& f) { f.fontFamily = QStringLiteral(u"黑体"); })},
            {27, 4, format([](RtfCharFormat& f) { f.fontFamily = "A;B"; })},
            {31, 4, format([](RtfCharFormat& f) { f.pointSize = 14.5; })},
            {35, 4, format([](RtfCharFormat& f) { f.colour = 0xFF0000; })},
            {39, 5, format([](RtfCharFormat& f) { f.colour = 0x0000FF; })},
            {44, 5, format([](RtfCharFormat& f) {
                 f.bold = f.italic = f.underline = true;
                 f.fontFamily = "Times New Roman";
                 f.pointSize = 20;
                 f.colour = 0x102030;
             })},
            {49, 4, plainTextFormat()},
        }};
    const RtfContent read = readRtf(rtfFromContent(written));
    EXPECT_EQ(read.text, written.text);
    EXPECT_EQ(read.runs, written.runs);
}

// Gaps take the plain format, overlaps are cut, and a run past the end stops at the end.
TEST(RtfWriter, NormalisesRunsThatDoNotTileTheText) {
    const RtfCharFormat bold = format([](RtfCharFormat& f) { f.bold = true; });
    const RtfCharFormat red = format([](RtfCharFormat& f) { f.colour = 0xFF0000; });
    const RtfContent written{QStringLiteral("abcdefgh"),
                             {{5, 2, red}, {2, 4, bold}, {7, 50, bold}}};
    const std::vector<RtfRun> expected{
        {0, 2, plainTextFormat()}, {2, 4, bold}, {6, 1, red}, {7, 1, bold}};
    EXPECT_EQ(readRtf(rtfFromContent(written)).runs, expected);
}

} // namespace
} // namespace lumeport
