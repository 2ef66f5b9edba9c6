#include "LessonScript.h"

#include "CourseCatalogue.h"
#include "DocumentText.h"
#include "LessonChoice.h"
#include "SentenceTable.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace lumeport;

namespace {

const QString Hello = QStringLiteral("*^Hello^,^ ^Tom^.^#你好#1.5#3.25######*");

TEST(SentenceTable, ReadsTheOneSentenceExample) {
    const SentenceTable table = SentenceTable::FromScriptText(Hello);
    ASSERT_EQ(table.SentenceCount(), 1);
    const SentenceEntry& e = table[1];
    EXPECT_EQ(e.EnglishText, "Hello, Tom.");
    EXPECT_EQ(WordTokens(e.EnglishField), (QStringList{"Hello", ",", " ", "Tom", "."}));
    EXPECT_EQ(e.ChineseText, "你好");
    EXPECT_EQ(e.StartTime, "1.5");
    EXPECT_EQ(e.EndTime, "3.25");
    EXPECT_EQ(e.NoteText, "");
    EXPECT_EQ(table.ScriptText(), Hello);
}

// Malformed and awkward scripts: the count and the records agree, and reading ends.
struct ScriptCase {
    const char* name;
    QString text;
    QStringList records;
};

class ScriptCutting : public testing::TestWithParam<ScriptCase> {};

TEST_P(ScriptCutting, CountsAndCutsRecords) {
    const ScriptCase& c = GetParam();
    EXPECT_EQ(CountSentences(c.text), c.records.size());
    EXPECT_EQ(CutRecords(c.text), c.records);
    EXPECT_EQ(SentenceTable::FromScriptText(c.text).SentenceCount(), c.records.size());
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptCutting,
                         testing::Values(ScriptCase{"empty", "", {}},
                                         ScriptCase{"no_marks", "just text", {}},
                                         ScriptCase{"one_mark", "*", {}},
                                         ScriptCase{"two_records", "*a#*b#*", {"a#", "b#"}},
                                         ScriptCase{"no_final_mark", "*a#*b#", {"a#"}},
                                         ScriptCase{"final_newline", "*a#*b#*\r\n", {"a#", "b#"}},
                                         ScriptCase{"text_before_first_mark", "\r\n*a#*", {"a#"}},
                                         ScriptCase{"line_breaks_inside", "*a\r\nb#*", {"a\r\nb#"}},
                                         ScriptCase{"empty_record", "**", {""}}),
                         [](const auto& info) { return info.param.name; });

TEST(RecordFields, MissingMarksGiveEmptyFields) {
    const struct {
        QString record;
        QStringList fields; // fields 1..5
    } cases[] = {
        {"^Hi^#嗨#1#2#note#####", {"^Hi^", "嗨", "1", "2", "note"}},
        {"^Hi^#嗨#1#2#note", {"^Hi^", "嗨", "1", "2", ""}},
        {"^Hi^#嗨", {"^Hi^", "", "", "", ""}},
        {"^Hi^", {"", "", "", "", ""}},
        {"#####", {"", "", "", "", ""}},
        {"a#b#c#d#e#tail#more", {"a", "b", "c", "d", "e"}},
    };
    for (const auto& c : cases)
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(RecordField(c.record, k), c.fields[k - 1])
                << c.record.toStdString() << " field " << k;
}

TEST(WordTokens, EndsForEveryField) {
    const struct {
        QString field;
        QStringList tokens;
    } cases[] = {
        {"^How^ ^are^ ^you^?^", {"How", " ", "are", " ", "you", "?"}},
        {"^don't^ ^stop^", {"don't", " ", "stop"}},
        {"^a^b", {"a"}}, // no closing "^": the rest gets no token
        {"no carets", {}},
        {"", {}},
        {"^", {}},
        {"^^", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WordTokens(c.field), c.tokens) << c.field.toStdString();
}

TEST(Annotation, WriteBackFollowsTheRecordFormat) {
    const QString record = SentenceTable::FromScriptText(Hello)[1].Record;
    const QString annotated = RecordWithAnnotation(record, "See lesson 3");
    EXPECT_EQ(JoinRecords({annotated}), "*^Hello^,^ ^Tom^.^#你好#1.5#3.25#See lesson 3#####*");
    EXPECT_EQ(JoinRecords({RecordWithAnnotation(annotated, "")}), Hello);

    const QString longTail = "^A^#甲#1#2#old#x#y#z";
    EXPECT_EQ(RecordWithAnnotation(longTail, "new"), "^A^#甲#1#2#new#####");

    const QString broken = RecordWithAnnotation("^A^#甲", "n");
    EXPECT_EQ(RecordField(broken, 1), "^A^");
    EXPECT_EQ(RecordField(broken, 2), "甲");
    EXPECT_EQ(RecordField(broken, 5), "n");
}

TEST(Annotation, MarksTheFormatCannotHoldAreStoredFullWidth) {
    const QString record = RecordWithAnnotation("^A^#甲#1#2######", "a#b*c\r\nd");
    const SentenceTable table =
        SentenceTable::FromScriptText(JoinRecords({record, "^B^#乙#3#4######"}));
    ASSERT_EQ(table.SentenceCount(), 2);
    EXPECT_EQ(table[1].NoteText, "a＃b＊c\r\nd");
    EXPECT_EQ(table[2].EnglishText, "B");
}

TEST(TimeText, ReadsSecondsWithAPointWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(SecondsFromTimeText("83.5"), 83.5);
    EXPECT_EQ(SecondsFromTimeText(" 3.25 "), 3.25);
    EXPECT_EQ(SecondsFromTimeText("7"), 7.0);
    for (const char* bad : {"", "3,25", "abc", "1.5s", "nan", "inf"})
        EXPECT_FALSE(SecondsFromTimeText(bad).has_value()) << bad;
    QLocale::setDefault(QLocale::c());
}

TEST(Catalogue, TitlesAreTheTextsBetweenCarets) {
    EXPECT_EQ(CatalogueTitles("^Lesson 1^Lesson 2^"), (QStringList{"Lesson 1", "Lesson 2"}));
    EXPECT_EQ(CatalogueTitles("^第1课：Hello^\r\n"), (QStringList{"第1课：Hello"}));
    EXPECT_EQ(CatalogueTitles(""), QStringList{});
}

TEST(LessonChoice, NodesMapToLessonsOfTheOneCourse) {
    LessonIdentity lesson;
    for (int node : {0, 1, 80, -3}) {
        lesson.LessonNodeIndex = node;
        SelectLessonFromNode(lesson);
        EXPECT_TRUE(lesson.CourseName.isEmpty()) << node;
    }
    lesson.LessonNodeIndex = 12;
    SelectLessonFromNode(lesson);
    EXPECT_EQ(lesson.CourseName, "Wandervale");
    EXPECT_EQ(lesson.LessonNo, 11);
    lesson.LessonNodeIndex = 200;
    SelectLessonFromNode(lesson);
    EXPECT_EQ(lesson.LessonNo, 11);
}

TEST(LessonChoice, NextAndPreviousStopAtTheEnds) {
    EXPECT_EQ(PreviousLessonNode(2), 2);
    EXPECT_EQ(PreviousLessonNode(5), 4);
    EXPECT_EQ(NextLessonNode(79, 79), 79);
    EXPECT_EQ(NextLessonNode(79, 200), 79);
    EXPECT_EQ(NextLessonNode(5, 9), 6);
    EXPECT_EQ(NextLessonNode(9, 9), 9); // the tree's last lesson
    EXPECT_EQ(NextLessonNode(5, 0), 6); // no tree: only the mapping limits
}

} // namespace

namespace {

SentenceTable tableOfFixture(const char* name) {
    const DocumentRead read =
        readDocument(QStringLiteral(LUMEPORT_FIXTURES_DIR "/documents/") + QLatin1String(name));
    EXPECT_TRUE(read.ok) << name;
    return SentenceTable::FromScriptText(read.text);
}

// A course file kept as GBK plain text and the same script saved as rich text by another
// program give the learner the same sentences.
TEST(SentenceTable, GbkPlainTextAndRichTextLoadToTheSameTable) {
    const SentenceTable gbk = tableOfFixture("lesson-script-gbk.txt");
    const SentenceTable rtf = tableOfFixture("lesson-script.rtf");
    ASSERT_EQ(gbk.SentenceCount(), 2);
    ASSERT_EQ(rtf.SentenceCount(), gbk.SentenceCount());
    for (int i = 1; i <= gbk.SentenceCount(); ++i) {
        EXPECT_EQ(rtf[i].Record, gbk[i].Record);
        EXPECT_EQ(rtf[i].EnglishText, gbk[i].EnglishText);
        EXPECT_EQ(rtf[i].ChineseText, gbk[i].ChineseText);
        EXPECT_EQ(rtf[i].StartTime, gbk[i].StartTime);
        EXPECT_EQ(rtf[i].EndTime, gbk[i].EndTime);
        EXPECT_EQ(rtf[i].NoteText, gbk[i].NoteText);
    }
    EXPECT_EQ(gbk[1].ChineseText, "你好");
    EXPECT_EQ(rtf[1].NoteText, "A greeting.\r\nSay it with a smile.");
}

} // namespace
