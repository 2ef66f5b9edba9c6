#include "StateFiles.h"

#include "DocumentText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumeport;

namespace {

TEST(StateFiles, LeadingNumberIsTheNumberTheTextStartsWith) {
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"12", 12}, {" 12abc", 12}, {"\r\n 7\r\n", 7}, {"", 0},      {"abc", 0},
        {"x12", 0}, {"-3", -3},     {"+5", 5},         {"12.9", 12}, {"99999999999999", 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(QString::fromUtf8(c.text)), c.number) << c.text;
}

TEST(StateFiles, ReadBothFormsAndWriteRichText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("set.dat");
    EXPECT_EQ(ReadStateNumber(path), 0); // missing

    QFile plain(path);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("31\r\n");
    plain.close();
    EXPECT_EQ(ReadStateNumber(path), 31);

    ASSERT_TRUE(WriteStateNumber(path, 12));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("{\\rtf"));
    EXPECT_EQ(readDocument(path).text, "12");
    EXPECT_EQ(ReadStateNumber(path), 12);
}

} // namespace
