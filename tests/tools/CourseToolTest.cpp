#include "CourseCheck.h"
#include "DocumentText.h"
#include "ScriptJson.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumeport;

namespace {

TEST(ScriptJson, OneObjectPerSentenceInTheFixedOrder) {
    const SentenceTable table =
        SentenceTable::FromScriptText("*^Hello^,^ ^Tom^.^#你好#1.5#3.25#say \"hi\"\r\n#####*");
    EXPECT_EQ(SentenceJsonLine(1, table[1]).toStdString(),
              "{\"n\":1,\"english_field\":\"^Hello^,^ ^Tom^.^\",\"tokens\":[\"Hello\",\",\","
              "\" \",\"Tom\",\".\"],\"english\":\"Hello, Tom.\",\"chinese\":\"你好\","
              "\"start\":\"1.5\",\"end\":\"3.25\",\"note\":\"say \\\"hi\\\"\\r\\n\"}\n");
}

QStringList lines(const std::vector<CourseProblem>& problems) {
    QStringList out;
    for (const CourseProblem& p : problems)
        out << p.line();
    return out;
}

TEST(CourseCheck, ReportsEveryFaultOfAScript) {
    const struct {
        const char* script;
        QStringList problems;
    } cases[] = {
        {"*^A^#甲#1#2######*^B^#乙#2#3######*", {}},
        {"", {"x.dat: holds no sentences"}},
        {"*^A^#甲#1#2######", {"x.dat: holds no sentences"}},
        {"*^A^#甲#1#2######*^B^#乙#2#3", {"x.dat: the script does not begin and end with \"*\""}},
        {"*^A^#甲#1#2*",
         {"x.dat: record has 3 \"#\", needs at least 5 (sentence 1)",
          "x.dat: end time \"\" is not a number (sentence 1)"}},
        {"*A#甲#1#2######*", {"x.dat: English field is not enclosed in \"^\" marks (sentence 1)"}},
        {"*^A^#甲#x#2######*", {"x.dat: start time \"x\" is not a number (sentence 1)"}},
        {"*^A^#甲#3#2######*", {"x.dat: starts at 3 after it ends at 2 (sentence 1)"}},
        {"*^A^#甲#5#6######*^B^#乙#4#7######*",
         {"x.dat: starts at 4, before the sentence ahead of it (sentence 2)"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(CheckScriptText("x.dat", QString::fromUtf8(c.script))), c.problems)
            << c.script;
}

class ProgramDirCheck : public testing::Test {
protected:
    void write(const QString& relative, const QByteArray& bytes) {
        const QString path = dir_.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList check() { return lines(CheckProgramDir(dir_.path())); }
    QTemporaryDir dir_;
};

TEST_F(ProgramDirCheck, NamesTheMissingAndBrokenFiles) {
    EXPECT_EQ(check(), QStringList{"SETTING/BookList/Wandervale.dat: missing"});

    write("SETTING/BookList/Wandervale.dat", "^One^Two^Three^");
    write("Book/Wandervale/1.dat", "*^A^#甲#1#2######*");
    write("Book/Wandervale/2.dat", QByteArray("{\\rtf1{{{{\\'") + QByteArray(300000, '{'));
    write("Sound/Wandervale/1.wmv", "media");
    write("Sound/Wandervale/2.wmv", "media");
    EXPECT_EQ(check(), (QStringList{"Book/Wandervale/2.dat: holds no sentences",
                                    "Book/Wandervale/3.dat: missing"}));
}

TEST_F(ProgramDirCheck, MediaIsLookedForByEachCoursesRule) {
    write("Book/Ostermoor/7.dat", "*^A^#甲#100#101######*");
    write("Book/Ostermoor/3.dat", "*^A^#甲#10#11######*");
    write("Book/Ostermoor/190.dat", "*^A^#甲#10#11######*");
    write("Book/Tessaline 1/2.dat", "*^A^#甲#1#2######*");
    write("Sound/Tessaline 1/2.avi", "media");
    write("Book/Brightwell/1.dat", "*^A^#甲#1#2######*");
    write("Book/Brightwell/notes.txt", "not a lesson");
    EXPECT_EQ(check(), (QStringList{
                           "SETTING/BookList/Wandervale.dat: missing",
                           "Sound/Brightwell/1.mp3: missing; played by lesson 1 of Brightwell",
                           "Book/Ostermoor/190.dat: lesson 190 lies in no track of the course",
                           "Sound/Ostermoor/1.mp3: missing; played by lessons 3, 7 of Ostermoor",
                       }));
}

// The sample course leaves the media of lessons 5 and up out on purpose, so that the learner
// can see what a lesson without media does; everything else is in order.
TEST_F(ProgramDirCheck, TheSampleCourseLacksOnlyTheMediaItLeavesOut) {
    QStringList expected;
    for (int lesson = 5; lesson <= 8; ++lesson)
        expected << QString("Sound/Wandervale/%1.wmv: missing; played by lesson %1 of Wandervale")
                        .arg(lesson);
    EXPECT_EQ(lines(CheckProgramDir(QStringLiteral(LUMEPORT_DATA_DIR))), expected);
}

} // namespace
