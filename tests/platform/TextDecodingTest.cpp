#include "TextDecoding.h"

#include <gtest/gtest.h>

namespace lumeport {
namespace {

QByteArray bytes(std::initializer_list<unsigned char> values) {
    QByteArray result;
    for (const unsigned char value : values)
        result += char(value);
    return result;
}

TEST(TextDecoding, DecodesPlainTextByItsBytes) {
    struct Case {
        const char* name;
        QByteArray bytes;
        const char16_t* text;
    };
    const Case cases[] = {
        {"empty", {}, u""},
        {"ASCII", "*^Tom^#1.5#*\r\n", u"*^Tom^#1.5#*\r\n"},
        {"UTF-8", bytes({0xE4, 0xBD, 0xA0, 0xE5, 0xA5, 0xBD}), u"你好"},
        {"UTF-8 with its mark", bytes({0xEF, 0xBB, 0xBF, 0xE4, 0xBD, 0xA0, 'a'}), u"你a"},
        {"GBK", bytes({0xC4, 0xE3, 0xBA, 0xC3, 'a'}), u"你好a"},
        {"GB18030 four-byte sequence", bytes({0x94, 0x39, 0xFC, 0x36}), u"\U0001F600"},
        // An overlong UTF-8 form is not UTF-8; as GBK these two bytes are one character.
        {"overlong UTF-8 is GBK", bytes({0xC0, 0xAF}), u"蜡"},
        {"UTF-8 cut short is GBK", bytes({'a', 0xE4, 0xBD}), u"a浣"},
        {"UTF-16LE", bytes({0xFF, 0xFE, 0x60, 0x4F, 'a', 0x00}), u"你a"},
        {"UTF-16BE", bytes({0xFE, 0xFF, 0x4F, 0x60, 0x00, 'a'}), u"你a"},
        {"UTF-16 mark only", bytes({0xFF, 0xFE}), u""},
        {"only the first mark is dropped", bytes({0xEF, 0xBB, 0xBF, 0xEF, 0xBB, 0xBF, 'a'}),
         u"\uFEFFa"},
        {"only the first UTF-16 mark is dropped", bytes({0xFF, 0xFE, 0xFF, 0xFE, 'a', 0}),
         u"\uFEFFa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodePlainText(c.bytes), QStringView(c.text).toString());
    }
}

// A file that says it is UTF-8 stays UTF-8 even when damaged: one bad byte must not turn
// the whole file into GB18030 nonsense.
TEST(TextDecoding, TheUtf8MarkDecides) {
    const QString text = decodePlainText(bytes({0xEF, 0xBB, 0xBF, 0xE4, 0xBD, 0xA0, 0xFF, 'a'}));
    EXPECT_TRUE(text.startsWith(QStringLiteral(u"你"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(u'a'));
}

TEST(TextDecoding, EveryCharsetHasAWorkingDecoder) {
    for (const int charset :
         {0, 2, 77, 128, 129, 134, 136, 161, 162, 163, 177, 178, 186, 204, 222, 238, 254, 255}) {
        SCOPED_TRACE(charset);
        const int codePage = codePageForCharset(charset);
        ASSERT_NE(codePage, 0);
        ASSERT_NE(encodingNameForCodePage(codePage), nullptr);
        EXPECT_TRUE(QStringDecoder(encodingNameForCodePage(codePage)).isValid());
    }
}

TEST(TextDecoding, ChoosesTheCodePageOfAFont) {
    struct Case {
        int charset;
        int documentCodePage;
        int expected;
    };
    const Case cases[] = {
        {134, 1252, 936},                   // the font's charset wins
        {0, 936, 1252},   {1, 936, 936},    // "default" is the document's
        {-1, 950, 950},   {99, 1251, 1251}, // none, unknown
        {1, 4242, 1252},  {1, 0, 1252},     // and an unknown document code page is windows-1252
    };
    for (const Case& c : cases)
        EXPECT_EQ(effectiveCodePage(c.charset, c.documentCodePage), c.expected)
            << c.charset << " in " << c.documentCodePage;
}

// Each run is decoded on its own: a lead byte left over from one does not pair with the next.
TEST(TextDecoding, RunsDoNotLeakIntoEachOther) {
    CodePageDecoder decoder;
    EXPECT_EQ(decoder.decode(bytes({0xC4, 0xE3, 0xBA}), 936), QStringLiteral(u"你"));
    EXPECT_EQ(decoder.decode(bytes({0xBA, 0xC3}), 936), QStringLiteral(u"好"));
    EXPECT_EQ(decoder.decode(bytes({0xE9}), 4242), QStringLiteral(u"é"));
}

} // namespace
} // namespace lumeport
