// Choosing lessons with the course tree and the two lesson buttons, the course-panel toggle
// and the buttons' tips.

#include "LessonLoading.h"
#include "StateFiles.h"
#include "support/ProgramFixture.h"

#include <QTest>

using namespace lumeport;

namespace {

class CourseSelectionTest : public ProgramFixture {
protected:
    void SetUp() override {
        QString catalogue = "^";
        for (int i = 1; i <= 8; ++i)
            catalogue += QString("第%1课：Lesson %1^").arg(i);
        writeText("SETTING/BookList/Wandervale.dat", catalogue);
        for (int n : {1, 2, 3, 5, 6, 8})
            writeText(QString("Book/Wandervale/%1.dat").arg(n),
                      QString("*^Lesson^ ^%1^#第%1课#1#2######*").arg(n));
    }
    void startOn(int node) {
        writeFile("SETTING/set.dat", QByteArray::number(node));
        start();
    }
    const LessonIdentity& lesson() { return form().state.Lesson; }
    QString shownSentence() {
        const SentenceTable& t = form().state.Sentences;
        return t.empty() ? QString() : t[1].EnglishText;
    }
    void click(Control* control) {
        QTest::mouseClick(control->widget(), Qt::LeftButton, {}, QPoint(2, 2));
    }
};

TEST_F(CourseSelectionTest, ClickingALessonLoadsIt) {
    startOn(2);
    form().TreeView1->nodeClicked(4);
    EXPECT_EQ(lesson().LessonNo, 3);
    EXPECT_EQ(lesson().LoadedLessonNo, 3);
    EXPECT_EQ(lesson().SavedNodeIndex, 4);
    EXPECT_EQ(shownSentence(), "Lesson 3");
}

TEST_F(CourseSelectionTest, ALessonWithoutScriptCannotBeChosen) {
    startOn(6);                       // lesson 5
    form().TreeView1->nodeClicked(5); // lesson 4 has no script
    EXPECT_EQ(lesson().LessonNo, 5);
    EXPECT_EQ(lesson().LessonNodeIndex, 6);
    EXPECT_EQ(lesson().SavedNodeIndex, 6);
    EXPECT_EQ(form().TreeView1->selectedNode(), 6);
    EXPECT_EQ(shownSentence(), "Lesson 5");

    click(form().Command8);
    EXPECT_EQ(lesson().LessonNo, 6);
    EXPECT_EQ(form().TreeView1->selectedNode(), 7);
    EXPECT_EQ(shownSentence(), "Lesson 6");
}

TEST_F(CourseSelectionTest, TheCourseNodeOnlyMovesTheFocus) {
    startOn(3);
    form().Combo3->setFocus();
    form().TreeView1->nodeClicked(1);
    EXPECT_EQ(lesson().LessonNo, 2);
    EXPECT_EQ(lesson().SavedNodeIndex, 3);
    EXPECT_EQ(focused(), form().Combo1->widget());
}

TEST_F(CourseSelectionTest, TheLessonButtonsStopAtBothEnds) {
    startOn(2);
    click(form().Command9);
    EXPECT_EQ(lesson().LessonNo, 1);
    EXPECT_EQ(shownSentence(), "Lesson 1");

    startOn(9); // the last lesson of this tree
    click(form().Command8);
    EXPECT_EQ(lesson().LessonNo, 8);
    EXPECT_EQ(lesson().SavedNodeIndex, 9);
    EXPECT_EQ(shownSentence(), "Lesson 8");
}

TEST_F(CourseSelectionTest, TheButtonsDoNotCheckForTheScript) {
    startOn(4); // lesson 3; lesson 4 has no script
    click(form().Command8);
    EXPECT_EQ(lesson().LessonNo, 4);
    EXPECT_EQ(lesson().LoadedLessonNo, 4);
    EXPECT_EQ(form().state.Sentences.SentenceCount(), 0); // an empty lesson, not lesson 3's
}

TEST_F(CourseSelectionTest, TheCoursePanelToggleGivesTheMediaAreaBackItsPlace) {
    startOn(2);
    PictureBox& media = *form().Picture12;
    const double left = media.left(), width = media.width();
    click(form().Command13);
    EXPECT_TRUE(form().Picture3->visible());
    EXPECT_DOUBLE_EQ(media.left(), form().Picture3->left() + form().Picture3->width() + 30);
    EXPECT_DOUBLE_EQ(media.width(), width - form().Picture3->width());
    EXPECT_DOUBLE_EQ(form().WindowsMediaPlayer1->width(), media.width());
    click(form().Command13);
    EXPECT_FALSE(form().Picture3->visible());
    EXPECT_DOUBLE_EQ(media.left(), left);
    EXPECT_DOUBLE_EQ(media.width(), width);
    EXPECT_DOUBLE_EQ(form().WindowsMediaPlayer1->width(), width);
}

TEST_F(CourseSelectionTest, ButtonTipsShowUnderTheButton) {
    startOn(2);
    const struct {
        CommandButton* button;
        const char* tip;
    } cases[] = {{form().Command13, "打开/关闭选课面板"},
                 {form().Command8, "下一课"},
                 {form().Command9, "上一课"}};
    for (const auto& c : cases) {
        c.button->mouseMove(Qt::NoButton, 30, 30);
        const PictureBox& tip = *form().Picture24;
        EXPECT_TRUE(tip.visible());
        EXPECT_EQ(form().Label43->caption(), QString::fromUtf8(c.tip));
        EXPECT_DOUBLE_EQ(tip.top(), c.button->top() + 400);
        EXPECT_DOUBLE_EQ(tip.left(), c.button->left());
        EXPECT_DOUBLE_EQ(tip.width(), form().Label43->width() + 90);
    }
}

} // namespace
