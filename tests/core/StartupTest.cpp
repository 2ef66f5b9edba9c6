// Start-up and shut-down as a learner meets them: the lesson last chosen comes back, the run
// is counted, and closing the window keeps the choice.

#include "StateFiles.h"
#include "support/FileSizeLimit.h"
#include "support/ProgramFixture.h"

using namespace lumeport;

namespace {

class StartupTest : public ProgramFixture {
protected:
    // A course of `titles` lessons, with scripts for the lessons listed.
    void writeCourse(int titles, std::initializer_list<int> scripts) {
        QString catalogue = "^";
        for (int i = 1; i <= titles; ++i)
            catalogue += QString("第%1课：Lesson %1^").arg(i);
        writeText("SETTING/BookList/Wandervale.dat", catalogue);
        for (int n : scripts)
            writeText(QString("Book/Wandervale/%1.dat").arg(n),
                      QString("*^Lesson^ ^%1^#第%1课#1#2######*^Two^#二#3#4######*").arg(n));
    }
    void writeSettings(const QByteArray& text) { writeFile("SETTING/set.dat", text); }
    int savedSetting() { return ReadStateNumber(path("SETTING/set.dat")); }
    const LessonIdentity& lesson() { return form().state.Lesson; }
};

TEST_F(StartupTest, SavedLessonOpensAndClosingWritesItBack) {
    writeCourse(20, {11});
    writeSettings("12");
    start();
    EXPECT_EQ(lesson().CourseName, "Wandervale");
    EXPECT_EQ(lesson().LessonNo, 11);
    EXPECT_EQ(form().TreeView1->selectedNode(), 12);
    EXPECT_EQ(form().state.Sentences.SentenceCount(), 2);
    EXPECT_EQ(form().state.Sentences[1].EnglishText, "Lesson 11");
    EXPECT_TRUE(form().visible());
    close();
    EXPECT_EQ(savedSetting(), 12);
    EXPECT_TRUE(readText("SETTING/set.dat") == "12");
}

TEST_F(StartupTest, ALessonChosenInTheTreeOpensAtTheNextStart) {
    writeCourse(40, {1, 30});
    start();
    form().TreeView1->nodeClicked(31);
    EXPECT_EQ(lesson().LessonNo, 30);
    close();
    EXPECT_EQ(savedSetting(), 31);

    start();
    EXPECT_EQ(lesson().LessonNo, 30);
    EXPECT_EQ(form().TreeView1->selectedNode(), 31);
}

TEST_F(StartupTest, AnInvalidSavedChoiceOpensLessonOne) {
    for (const QByteArray& saved : {QByteArray(), QByteArray("abc"), QByteArray("1"),
                                    QByteArray("80"), QByteArray("9"), QByteArray("-4")}) {
        writeCourse(6, {1});
        writeSettings(saved);
        start();
        EXPECT_EQ(lesson().LessonNo, 1) << saved.toStdString();
        EXPECT_EQ(lesson().SavedNodeIndex, 2) << saved.toStdString();
        EXPECT_EQ(form().TreeView1->selectedNode(), 2) << saved.toStdString();
        EXPECT_EQ(form().state.Sentences.SentenceCount(), 2);
        close();
        EXPECT_EQ(savedSetting(), 2);
    }
}

TEST_F(StartupTest, RunsAreCounted) {
    writeCourse(3, {1});
    start();
    EXPECT_EQ(form().state.RunCount, 1); // no counter yet: the first run
    EXPECT_EQ(ReadStateNumber(path("SETTING/num.dat")), 1);

    writeFile("SETTING/num.dat", "2");
    start();
    EXPECT_EQ(form().state.RunCount, 3);
    EXPECT_EQ(ReadStateNumber(path("SETTING/num.dat")), 3);

    writeFile("SETTING/num.dat", "many");
    start();
    EXPECT_EQ(form().state.RunCount, 1);
}

TEST_F(StartupTest, MissingFilesDoNotStopTheStart) {
    start(); // an empty ProgramDir: no catalogue, no scripts, no state files
    EXPECT_EQ(form().TreeView1->nodeCount(), 0);
    EXPECT_EQ(form().state.Sentences.SentenceCount(), 0);
    EXPECT_EQ(form().Text10->text(), dir_.path());
    EXPECT_TRUE(form().visible());
    close();
    EXPECT_EQ(savedSetting(), 2);
}

TEST_F(StartupTest, AFailedSettingsWriteLeavesTheOldFileAndStillCloses) {
    writeCourse(20, {4, 11});
    writeSettings("12");
    start();
    form().TreeView1->nodeClicked(5);
    {
        const FileSizeLimit diskFull(8);
        close();
    }
    EXPECT_EQ(savedSetting(), 12);
}

TEST_F(StartupTest, StartupDrawsTheTreeAndTheFirstSubtitleTileStartsAtTheStripEdge) {
    writeCourse(8, {1});
    start();
    const TreeView& tree = *form().TreeView1;
    ASSERT_EQ(tree.nodeCount(), 9);
    EXPECT_EQ(tree.nodeText(1), "Wandervale");
    EXPECT_EQ(tree.nodeKey(1), "Wandervale");
    EXPECT_EQ(tree.nodeText(9), "第8课：Lesson 8");
    EXPECT_EQ(tree.nodeChildren(1), 8);
    EXPECT_DOUBLE_EQ(form().Picture3->left(), 105);
    EXPECT_DOUBLE_EQ(form().Picture30->height(), form().Label6->height());
    const Label* card = form().SenWordLabel.Template();
    const Label* subtitle = form().WriteWordLabel.Template();
    EXPECT_EQ(card->font().family, "Times New Roman");
    EXPECT_EQ(form().WordEnglishTextLabel->font().family, "Times New Roman");
    EXPECT_DOUBLE_EQ(subtitle->left() + subtitle->width(), 0);
}

} // namespace
