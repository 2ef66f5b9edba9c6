// Documents written by other programs (see tests/fixtures/documents/README.md for how they
// were made). They pin down what real writers produce, not what we think they produce.

#include "DocumentText.h"
#include "RtfReader.h"

#include <QFile>
#include <gtest/gtest.h>

namespace lumeport {
namespace {

QString fixture(const char* name) {
    return QStringLiteral(LUMEPORT_FIXTURES_DIR "/documents/") + QString::fromLatin1(name);
}

QString textOf(const char* name) {
    const DocumentRead read = readDocument(fixture(name));
    EXPECT_TRUE(read.ok) << read.error.toStdString();
    return read.text;
}

RtfContent contentOf(const char* name) {
    QFile file(fixture(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return readRtf(file.readAll());
}

const RtfCharFormat* formatOf(const RtfContent& content, const QString& word) {
    const qsizetype at = content.text.indexOf(word);
    for (const RtfRun& run : content.runs)
        if (at >= 0 && at >= run.start && at + word.size() <= run.start + run.length)
            return &run.format;
    return nullptr; // absent, or not in one run
}

const QString kScript =
    QStringLiteral(u"*^Hello^,^ ^Tom^.^#你好#1.5#3.25#A greeting.\r\nSay it with a smile.#####"
                   u"*^How^ ^are^ ^you^?^#你好吗？#3.25#5.5######*");

// The same script as LibreOffice's RTF, as UTF-8 and as GBK plain text: one text.
TEST(RtfInterop, LibreOfficeScriptReadsAsTheScript) {
    EXPECT_EQ(textOf("lesson-script.rtf"), kScript);
    EXPECT_EQ(textOf("lesson-script.txt"), kScript);
    EXPECT_EQ(textOf("lesson-script-gbk.txt"), kScript);
}

TEST(RtfInterop, LibreOfficeNoteKeepsTextAndFormatting) {
    const RtfContent note = contentOf("lesson-note.rtf");
    EXPECT_EQ(note.text, QStringLiteral(u"Café au lait, naïve résumé — 咖啡\r\n"
                                        u"Remember: 你好 means hello, see page two."));
    struct Expected {
        const char16_t* word;
        bool bold, italic, underline;
        std::optional<quint32> colour;
    };
    const Expected words[] = {
        {u"Remember", false, false, false, {}}, {u"你好", true, false, false, {}},
        {u"hello", true, false, false, {}},     {u"see", false, true, false, {}},
        {u"page", false, false, true, {}},      {u"two", false, false, false, 0xFF0000},
    };
    for (const Expected& e : words) {
        const QString word = QStringView(e.word).toString();
        SCOPED_TRACE(word.toStdString());
        const RtfCharFormat* format = formatOf(note, word);
        ASSERT_NE(format, nullptr);
        EXPECT_EQ(format->bold, e.bold);
        EXPECT_EQ(format->italic, e.italic);
        EXPECT_EQ(format->underline, e.underline);
        EXPECT_EQ(format->colour, e.colour);
    }
}

// As an old Windows rich-edit control saves: GBK escapes, a GBK font name, and a NUL after
// the closing brace.
TEST(RtfInterop, RichEditDocumentWithGbkEscapes) {
    EXPECT_EQ(textOf("richedit-gbk.rtf"), QStringLiteral(u"你好"));
    const RtfContent content = contentOf("richedit-gbk.rtf");
    ASSERT_EQ(content.runs.size(), 1u);
    EXPECT_EQ(content.runs[0].format.fontFamily, QStringLiteral(u"宋体"));
    EXPECT_EQ(content.runs[0].format.pointSize, 9.0);
}

} // namespace
} // namespace lumeport
