#include "AnnotationWriteBack.h"

#include "DocumentText.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumeport;

namespace {

const QString Script = QStringLiteral("*^Hi^#嗨#1#2######*^Bye^#再见#3#4#old#tail#x*");

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AnnotationWriteBack, SavesTheNoteAndKeepsOtherRecords) {
    QTemporaryDir dir;
    const QString path = dir.filePath("1.dat");
    SentenceTable table = SentenceTable::FromScriptText(Script);

    ASSERT_TRUE(WriteAnnotation(table, 1, "line one\r\nline two", path));
    const SentenceTable reread = SentenceTable::FromScriptText(readDocument(path).text);
    ASSERT_EQ(reread.SentenceCount(), 2);
    EXPECT_EQ(reread[1].NoteText, "line one\r\nline two");
    EXPECT_EQ(reread[2].Record, "^Bye^#再见#3#4#old#tail#x");
    EXPECT_EQ(table[1].NoteText, "line one\r\nline two");
}

TEST(AnnotationWriteBack, AFailedWriteChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("1.dat");
    ASSERT_TRUE(writeDocument(path, Script));
    const QByteArray before = contents(path);

    SentenceTable table = SentenceTable::FromScriptText(Script);
    FileResult result;
    {
        const FileSizeLimit diskFull(64);
        result = WriteAnnotation(table, 1, "a note long enough to need more room", path);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("1.dat")) << result.error.toStdString();
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(table[1].NoteText, "");
}

} // namespace
