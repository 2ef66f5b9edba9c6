// The play view's sentence list: rows, the jump to a row, and its scroll bar and keys.

#include "SentenceList.h"

#include "LessonLoading.h"
#include "ScrollControls.h"
#include "SentenceTracker.h"
#include "support/ProgramFixture.h"

#include <QTest>

using namespace lumeport;

namespace {

QString lessonOf(int sentences) {
    QString text = "*";
    for (int i = 1; i <= sentences; ++i)
        text += QString("^Sentence^ ^%1^#第%1句#%2#%3######*").arg(i).arg(i * 2).arg(i * 2 + 1.5);
    return text;
}

class SentenceListTest : public ProgramFixture {
protected:
    void SetUp() override {
        writeText("SETTING/BookList/Wandervale.dat", "^第1课：Long^第2课：Short^");
        writeText("Book/Wandervale/1.dat", lessonOf(80));
        writeText("Book/Wandervale/2.dat", lessonOf(3));
        writeFile("Sound/Wandervale/1.wmv", "media");
        start();
    }
    ScrolledPanel list() { return ScrolledPanel::SentenceList(form()); }
    double end() { return list().viewport->height() - list().content->height(); }
    void key(Qt::Key k) { QTest::keyClick(form().Combo1->widget(), k); }
};

TEST_F(SentenceListTest, EachSentenceHasARowAndOnlyTheLessonsRows) {
    Form1& f = form();
    ASSERT_EQ(f.Label5.upperBound(), 80);
    EXPECT_EQ(f.Label5[7]->caption(), "Sentence 7");
    EXPECT_DOUBLE_EQ(f.Label5[2]->top(), f.Label5[1]->top() + f.Label5[1]->height());
    EXPECT_DOUBLE_EQ(f.Label5[1]->width(), f.Picture1->width());
    EXPECT_TRUE(f.Image14->visible());
    EXPECT_DOUBLE_EQ(f.Picture10->width(), 3760);

    f.TreeView1->nodeClicked(3); // a lesson of three sentences
    EXPECT_EQ(f.Label5.upperBound(), 3);
    EXPECT_FALSE(f.Image14->visible());
    EXPECT_FALSE(f.Command11->visible());
    EXPECT_DOUBLE_EQ(f.Picture10->width(), f.Picture11->width());
    EXPECT_DOUBLE_EQ(f.Picture10->height(), f.Picture1->height());
}

TEST_F(SentenceListTest, ARowClickPlaysOnFromThatSentence) {
    Form1& f = form();
    f.Timer1->start(); // after a repeat ...
    f.Timer2->stop();
    QTest::mouseClick(f.Label5[6]->widget(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(f.state.CurrentSentence, 6);
    EXPECT_DOUBLE_EQ(lessonPlayer_.position, 12);
    EXPECT_TRUE(lessonPlayer_.playing);
    EXPECT_TRUE(f.Timer2->isActive());
    EXPECT_TRUE(f.Timer1->isActive()); // ... both trackers run
    EXPECT_EQ(f.Label5[6]->foreColor(), QColor(0xA4, 0xEB, 0x0C));
    EXPECT_FALSE(f.Label5[6]->transparent());
    EXPECT_TRUE(f.Label5[5]->transparent());
    EXPECT_EQ(focused(), f.Combo1->widget());
}

TEST_F(SentenceListTest, TheButtonsAndKeysStepAndStopFlushWithTheEnds) {
    const ScrolledPanel p = list();
    p.setContentTop(-200);
    QTest::mouseClick(form().Command11->widget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_DOUBLE_EQ(p.content->top(), 0);
    EXPECT_DOUBLE_EQ(form().Image14->top(), 255);

    key(Qt::Key_Down);
    EXPECT_DOUBLE_EQ(p.content->top(), -500);
    EXPECT_DOUBLE_EQ(form().Image15->top(), 500); // the background stands still
    for (int i = 0; i < 50; ++i)
        key(Qt::Key_Down);
    EXPECT_DOUBLE_EQ(p.content->top(), end());
    EXPECT_DOUBLE_EQ(form().Image14->top(), form().Command12->top() - form().Image14->height());
    for (int i = 0; i < 50; ++i)
        key(Qt::Key_Up);
    EXPECT_DOUBLE_EQ(p.content->top(), 0);
}

TEST_F(SentenceListTest, TheThumbMovesTheRowsInWholePercentSteps) {
    const ScrolledPanel p = list();
    const double track = p.down->top() - p.up->top() - p.thumb->height() - 255;
    DragThumbTo(p, -1000);
    EXPECT_DOUBLE_EQ(p.thumb->top(), 255);
    EXPECT_DOUBLE_EQ(p.content->top(), 0);
    DragThumbTo(p, 100000);
    EXPECT_DOUBLE_EQ(p.thumb->top(), p.down->top() - p.thumb->height());
    EXPECT_DOUBLE_EQ(p.content->top(), end());
    DragThumbTo(p, 255 + track * 0.337);
    EXPECT_DOUBLE_EQ(p.content->top(), 33 * end() / 100);
}

TEST_F(SentenceListTest, KeysDoNothingWhenTheRowsFit) {
    form().TreeView1->nodeClicked(3);
    key(Qt::Key_Down);
    EXPECT_DOUBLE_EQ(list().content->top(), 0);
}

TEST_F(SentenceListTest, TheTrackerKeepsTheCurrentRowInViewAndNeverScrollsBackUp) {
    Form1& f = form();
    FormState& s = f.state;
    const ScrolledPanel p = list();
    while (s.CurrentSentence < 80) {
        const double before = p.content->top();
        lessonPlayer_.position = s.SentenceEndSeconds + 0.01;
        program().tracker().ContinuousTick();
        const Label& row = *f.Label5[s.CurrentSentence];
        EXPECT_LE(p.content->top(), before);
        EXPECT_LE(p.content->top() + row.top() + row.height(), p.viewport->height());
    }
    EXPECT_LT(p.content->top(), 0);
}

} // namespace
