#include "DocumentText.h"

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lumeport {
namespace {

class DocumentFiles : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void put(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray contents(const char* name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
};

TEST(DocumentText, ReadsRichTextOnlyWhenItStartsAsRichText) {
    EXPECT_EQ(documentPlainText("{\\rtf1 x\\par}"), QStringLiteral("x"));
    EXPECT_EQ(documentPlainText(" {\\rtf1 x}"), QStringLiteral(" {\\rtf1 x}"));
    EXPECT_EQ(documentPlainText("{\\rt"), QStringLiteral("{\\rt"));
    EXPECT_EQ(documentPlainText("\xc4\xe3"), QStringLiteral(u"你"));
}

TEST_F(DocumentFiles, WrittenDocumentsReadBack) {
    for (const QString& text :
         {QString(), QStringLiteral("a\r\n"), QStringLiteral(u"*^Hi^#你好#1.5#2######*")}) {
        SCOPED_TRACE(text.toStdString());
        ASSERT_TRUE(writeDocument(path("notes.rtf"), text));
        EXPECT_TRUE(contents("notes.rtf").startsWith("{\\rtf1"));
        const DocumentRead read = readDocument(path("notes.rtf"));
        ASSERT_TRUE(read.ok) << read.error.toStdString();
        EXPECT_EQ(read.text, text);
    }
}

TEST_F(DocumentFiles, AFileThatCannotBeReadIsAFailureNamingIt) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.txt"));
    for (const char* name : {"missing.txt", "folder.txt"}) {
        SCOPED_TRACE(name);
        const DocumentRead read = readDocument(path(name));
        EXPECT_FALSE(read.ok);
        EXPECT_TRUE(read.text.isEmpty());
        EXPECT_TRUE(read.error.contains(QString::fromLatin1(name))) << read.error.toStdString();
    }
}

TEST_F(DocumentFiles, WritingReplacesTheWholeFile) {
    put("state.txt", QByteArray(1000, 'x'));
    ASSERT_TRUE(writeFileAtomically(path("state.txt"), "short"));
    EXPECT_EQ(contents("state.txt"), "short");
    EXPECT_EQ(entries(), QStringList{"state.txt"});
}

// A target that is a directory cannot be replaced: the failure names the file, nothing changes.
TEST_F(DocumentFiles, AFailedWriteIsReportedAndChangesNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("notes.rtf/inside"));
    const FileResult result = writeDocument(path("notes.rtf"), QStringLiteral("new"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("notes.rtf")) << result.error.toStdString();
    EXPECT_TRUE(QDir(path("notes.rtf/inside")).exists());
    EXPECT_EQ(entries(), QStringList{"notes.rtf"});
}

TEST_F(DocumentFiles, AWriteCutShortLeavesTheOldFile) {
    // Small writes matter as much as large ones: a state file is a few dozen bytes.
    for (const qsizetype size : {qsizetype(100), qsizetype(256 * 1024)}) {
        put("notes.rtf", "{\\rtf1 old notes}");
        FileResult result;
        {
            const FileSizeLimit limit(40);
            result = writeFileAtomically(path("notes.rtf"), QByteArray(size, 'n'));
        }
        EXPECT_FALSE(result.ok) << size;
        EXPECT_TRUE(result.error.contains("notes.rtf")) << result.error.toStdString();
        EXPECT_EQ(contents("notes.rtf"), "{\\rtf1 old notes}") << size;
        EXPECT_EQ(entries(), QStringList{"notes.rtf"}) << size; // no half-written copy beside it
    }
}

} // namespace
} // namespace lumeport
