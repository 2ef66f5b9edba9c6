// The transport as a learner uses it: the buttons, the progress bar, the volume slider, the
// elapsed time and the window's keys.

#include "Transport.h"

#include "SentenceTracker.h"
#include "support/ProgramFixture.h"

#include <QTest>

using namespace lumeport;

namespace {

// Five sentences, 2 s each, the first starting at 10 s (a lesson inside a longer file).
const QString Lesson = QStringLiteral("*^One^#一#10#11.5######*^Two^#二#12#13.5######"
                                      "*^Three^#三#14#15.5######*^Four^#四#16#17.5######"
                                      "*^Five^#五#18#20######*");

class TransportTest : public ProgramFixture {
protected:
    void SetUp() override {
        writeText("SETTING/BookList/Wandervale.dat", "^第1课：One^");
        writeText("Book/Wandervale/1.dat", Lesson);
        writeFile("Sound/Wandervale/1.wmv", "media");
        start();
    }
    Transport& transport() { return program().transport(); }
    void click(Control* c) { QTest::mouseClick(c->widget(), Qt::LeftButton, {}, QPoint(1, 1)); }
    // A key as the keyboard sends it: to the control that has the focus.
    void key(Qt::Key k) { QTest::keyClick(focused(), k); }

    struct Look {
        bool playShown, playEnabled, pauseShown, stopEnabled, timer1, timer2, playing;
        bool operator==(const Look&) const = default;
    };
    Look look() {
        Form1& f = form();
        return {f.Command1->visible(), f.Command1->enabled(), f.Command2->visible(),
                f.Command3->enabled(), f.Timer1->isActive(),  f.Timer2->isActive(),
                lessonPlayer_.playing};
    }
};

TEST_F(TransportTest, EachButtonLeavesTheButtonsAndTrackersInItsState) {
    const struct {
        const char* action;
        Control* button;
        Look look;
        int sentence;
        double position; // the player stands at 10.7 before each press
    } steps[] = {
        {"pause", form().Command2, {true, true, false, true, false, false, false}, 1, 10.7},
        {"play", form().Command1, {false, false, true, true, false, true, true}, 1, 10.7},
        {"next", form().Command18, {false, false, true, true, true, false, true}, 2, 12},
        {"stop", form().Command3, {true, true, false, false, false, false, false}, 1, 10},
        {"repeat", form().Command10, {false, false, true, true, true, false, true}, 1, 10},
        {"previous at 1", form().Command19, {false, false, true, true, true, false, true}, 1, 10},
        {"play after repeat",
         form().Command1,
         {false, false, true, true, true, true, true},
         1,
         10.7},
    };
    for (const auto& step : steps) {
        lessonPlayer_.position = 10.7;
        click(step.button);
        EXPECT_TRUE(look() == step.look) << step.action;
        EXPECT_EQ(form().state.CurrentSentence, step.sentence) << step.action;
        EXPECT_DOUBLE_EQ(lessonPlayer_.position, step.position) << step.action;
    }
}

TEST_F(TransportTest, NextAtTheLastSentenceChangesNothingButTheFocus) {
    for (int i = 0; i < 4; ++i)
        transport().NextSentence();
    ASSERT_EQ(form().state.CurrentSentence, 5);
    lessonPlayer_.calls.clear();
    form().Combo3->setFocus();
    transport().NextSentence();
    EXPECT_EQ(form().state.CurrentSentence, 5);
    EXPECT_TRUE(lessonPlayer_.calls.isEmpty());
    EXPECT_EQ(focused(), form().Combo1->widget());
}

TEST_F(TransportTest, TheProgressThumbStaysWithinTheBar) {
    Form1& f = form();
    const double W = f.width();
    PictureBox& thumb = *f.Picture5;
    transport().PressProgressThumb(10, 5);
    transport().MoveProgressThumb(Qt::LeftButton, -100000);
    EXPECT_DOUBLE_EQ(thumb.left(), f.Picture4->left());
    EXPECT_DOUBLE_EQ(f.Picture4->width(), 0);
    transport().ReleaseProgressThumb();
    EXPECT_DOUBLE_EQ(lessonPlayer_.position, 10); // the lesson's start
    EXPECT_EQ(f.state.CurrentSentence, 1);

    transport().MoveProgressThumb(Qt::LeftButton, 100000);
    EXPECT_DOUBLE_EQ(thumb.left(), W - 850);
    transport().MoveProgressThumb(Qt::NoButton, -100000); // not held: the thumb stays
    EXPECT_DOUBLE_EQ(thumb.left(), W - 850);

    // Half way along the bar's full length is half way through the lesson.
    thumb.setLeft(f.Picture4->left() + (W - 1400) / 2);
    transport().MoveProgressThumb(Qt::NoButton, 0);
    transport().ReleaseProgressThumb();
    EXPECT_DOUBLE_EQ(lessonPlayer_.position, 10 + 5);
    EXPECT_EQ(f.state.CurrentSentence, 1); // the tracker walks on from sentence 1
    program().tracker().ContinuousTick();
    EXPECT_EQ(f.state.CurrentSentence, 2);
}

TEST_F(TransportTest, TheVolumeThumbGivesZeroToAHundred) {
    Form1& f = form();
    transport().PressVolumeThumb(5, 5);
    transport().MoveVolumeThumb(Qt::LeftButton, -5000);
    EXPECT_DOUBLE_EQ(f.Image12->left(), 0);
    EXPECT_EQ(lessonPlayer_.volume, 0);
    EXPECT_DOUBLE_EQ(f.Picture9->width(), 0);
    transport().MoveVolumeThumb(Qt::LeftButton, 5000);
    EXPECT_DOUBLE_EQ(f.Image12->left(), f.Picture8->width() - f.Image12->width());
    EXPECT_EQ(lessonPlayer_.volume, 100);
    EXPECT_EQ(f.Label43->caption(), "音量");

    lessonPlayer_.SetVolume(50); // a lesson load sets its own volume ...
    transport().MoveVolumeThumb(Qt::NoButton, 0);
    EXPECT_EQ(lessonPlayer_.volume, 100); // ... until the thumb is touched again
}

TEST_F(TransportTest, TheElapsedTimeCountsFromTheLessonsStart) {
    const struct {
        double position;
        const char* text;
    } cases[] = {{10, "00：00"}, {69, "00：59"}, {70, "01：00"}, {10 + 727.5, "012：07"}};
    for (const auto& c : cases) {
        lessonPlayer_.position = c.position;
        transport().ShowElapsedTime();
        EXPECT_EQ(form().Label12->caption(), QString::fromUtf8(c.text));
    }
}

TEST_F(TransportTest, TheVideoClickTogglesUntilTheLessonIsOver) {
    lessonPlayer_.position = 10.5;
    form().WordPicture->setVisible(true);
    transport().ClickVideo();
    EXPECT_FALSE(lessonPlayer_.playing);
    EXPECT_FALSE(form().WordPicture->visible());
    transport().ClickVideo();
    EXPECT_TRUE(lessonPlayer_.playing);
    lessonPlayer_.position = 21; // past the last sentence
    transport().ClickVideo();
    EXPECT_TRUE(lessonPlayer_.playing);
}

TEST_F(TransportTest, TheWindowSeesTheKeysFirst) {
    Form1& f = form();
    f.Text1->setFocus();
    key(Qt::Key_F7);
    EXPECT_TRUE(f.Timer1->isActive());
    key(Qt::Key_F8); // the mask and the sentence in turn
    EXPECT_EQ(f.Label16->caption(), "One");
    key(Qt::Key_F8);
    EXPECT_EQ(f.Label16->caption(), "___");
    key(Qt::Key_F9);
    EXPECT_EQ(f.Label17->caption(), "已关闭");
    key(Qt::Key_F9);
    EXPECT_EQ(f.Label17->caption(), "一");

    key(Qt::Key_Down); // only the dictation view moves on
    EXPECT_EQ(f.state.CurrentSentence, 1);
    f.state.ViewMode = 3;
    key(Qt::Key_Down);
    EXPECT_EQ(f.state.CurrentSentence, 2);
    key(Qt::Key_Up);
    EXPECT_EQ(f.state.CurrentSentence, 1);

    key(Qt::Key_F1);
    EXPECT_TRUE(f.Text10->visible());
    EXPECT_EQ(focused(), f.Text10->widget());
}

TEST_F(TransportTest, ButtonTipsReplaceEachOtherAndTheBackgroundPutsThemAway) {
    Form1& f = form();
    f.Command1->setVisible(true);
    emit f.Command1->mouseMove(Qt::NoButton, 5, 5);
    EXPECT_EQ(f.Label43->caption(), "播放");
    EXPECT_DOUBLE_EQ(f.Picture24->top(), f.Command1->top() - 270);
    EXPECT_DOUBLE_EQ(f.Picture24->left(), f.Command1->left() + 60);
    emit f.Command3->mouseMove(Qt::NoButton, 5, 5);
    EXPECT_EQ(f.Label43->caption(), "停止播放并回到首句");
    EXPECT_DOUBLE_EQ(f.Picture24->left(), f.Command3->left() - 400);
    EXPECT_TRUE(f.Picture24->visible());
    emit f.mouseMove(Qt::NoButton, 5, 5);
    EXPECT_FALSE(f.Picture24->visible());
}

} // namespace
