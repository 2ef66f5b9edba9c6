// The sentence tracker with a player whose clock the test drives; ticks are called directly.

#include "SentenceTracker.h"

#include "support/ProgramFixture.h"

using namespace lumeport;

namespace {

// Four sentences: 1.0–2.0, 3.0–4.0 (a gap before it), 4.0–5.5, 6.0–7.5.
const QString Lesson =
    QStringLiteral("*^One^.^#一。#1.0#2.0######*^Two^ ^words^.^#二。#3.0#4.0#a note#####"
                   "*^Three^!^#三！#4.0#5.5######*^Four^?^#四？#6.0#7.5######*");

class TrackerTest : public ProgramFixture {
protected:
    void SetUp() override {
        writeText("SETTING/BookList/Wandervale.dat", "^第1课：One^");
        writeText("Book/Wandervale/1.dat", Lesson);
        writeFile("Sound/Wandervale/1.wmv", "media");
        start();
    }
    SentenceTracker& tracker() { return program().tracker(); }
    int current() { return form().state.CurrentSentence; }
    void at(double seconds) { lessonPlayer_.position = seconds; }
    void continuousState() {
        form().Timer2->start();
        form().Timer1->stop();
    }
    void sentenceState() {
        form().Timer1->start();
        form().Timer2->stop();
    }
    bool playShown() { return form().Command1->visible(); }
};

TEST_F(TrackerTest, TheLessonStartsOnItsFirstSentence) {
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(form().state.SentenceStart, "1.0");
    EXPECT_EQ(form().state.SentenceEnd, "2.0");
    EXPECT_TRUE(lessonPlayer_.playing);
    EXPECT_DOUBLE_EQ(lessonPlayer_.position, 1.0);
    EXPECT_TRUE(form().Timer2->isActive());
}

TEST_F(TrackerTest, TheSentenceChangesOnlyOnceThePositionPassesItsEnd) {
    continuousState();
    const struct {
        double position;
        int sentence;
    } steps[] = {{1.5, 1}, {2.0, 1}, {2.001, 2}, {2.5, 2}, {4.0, 2}, {4.01, 3}};
    for (const auto& s : steps) {
        at(s.position);
        tracker().ContinuousTick();
        EXPECT_EQ(current(), s.sentence) << s.position;
    }
    EXPECT_EQ(form().state.SentenceNote, "");
}

TEST_F(TrackerTest, AfterAJumpTheTrackerCatchesUpOneSentencePerTick) {
    continuousState();
    at(6.5);
    for (int expected : {2, 3, 4, 4}) {
        tracker().ContinuousTick();
        EXPECT_EQ(current(), expected);
    }
    EXPECT_TRUE(lessonPlayer_.playing);
}

TEST_F(TrackerTest, PastTheLastSentenceTheLessonPausesForGood) {
    continuousState();
    at(7.0);
    for (int i = 0; i < 3; ++i)
        tracker().ContinuousTick();
    ASSERT_EQ(current(), 4);
    at(7.6);
    tracker().ContinuousTick();
    EXPECT_EQ(current(), 4);
    EXPECT_FALSE(lessonPlayer_.playing);
    EXPECT_FALSE(form().Timer2->isActive());
    EXPECT_TRUE(playShown());
    EXPECT_FALSE(form().Command1->enabled());
    EXPECT_FALSE(form().Command2->visible());
}

TEST_F(TrackerTest, PerSentenceTrackingPausesAtTheEndOfTheSentence) {
    sentenceState();
    at(1.9);
    tracker().SentenceTick();
    EXPECT_TRUE(lessonPlayer_.playing);
    at(2.05);
    tracker().SentenceTick();
    EXPECT_FALSE(lessonPlayer_.playing);
    EXPECT_FALSE(form().Timer1->isActive());
    EXPECT_EQ(current(), 1);
    EXPECT_TRUE(playShown());
    EXPECT_TRUE(form().Command1->enabled());
    EXPECT_TRUE(form().Command3->enabled());
}

TEST_F(TrackerTest, AtTheLastSentenceThePausedPlayButtonStaysDisabled) {
    continuousState();
    at(7.0);
    for (int i = 0; i < 3; ++i)
        tracker().ContinuousTick();
    sentenceState();
    lessonPlayer_.playing = true;
    at(7.51);
    tracker().SentenceTick();
    EXPECT_TRUE(playShown());
    EXPECT_FALSE(form().Command1->enabled());
}

// With both timers on, the outcome at a sentence end depends on which tick comes first.
TEST_F(TrackerTest, InTheBothStateTheOrderOfTheTicksDecides) {
    form().Timer1->start();
    form().Timer2->start();
    at(2.01);
    tracker().SentenceTick();
    tracker().ContinuousTick();
    EXPECT_FALSE(lessonPlayer_.playing); // rests at the end of sentence 1 ...
    EXPECT_EQ(current(), 2);             // ... with sentence 2 shown
    EXPECT_FALSE(form().Timer1->isActive());
    EXPECT_TRUE(form().Timer2->isActive());

    form().Timer1->start();
    lessonPlayer_.playing = true;
    at(4.01);
    tracker().ContinuousTick();
    tracker().SentenceTick();
    EXPECT_TRUE(lessonPlayer_.playing); // advanced without a pause
    EXPECT_EQ(current(), 3);
    EXPECT_TRUE(form().Timer1->isActive());
}

TEST_F(TrackerTest, TheProgramRunsTheSentenceTickFirst) {
    form().Timer1->start();
    form().Timer2->start();
    at(2.01);
    tracker().OnTimer1(); // Timer1's own tick waits for Timer2's period
    EXPECT_TRUE(lessonPlayer_.playing);
    tracker().OnTimer2();
    EXPECT_FALSE(lessonPlayer_.playing);
    EXPECT_EQ(current(), 2);
}

TEST_F(TrackerTest, ATimeThatIsNotANumberNeverPasses) {
    writeText("Book/Wandervale/1.dat", "*^A^#甲#1#soon######*^B^#乙#3#4######*");
    start();
    continuousState();
    at(1000);
    tracker().ContinuousTick();
    EXPECT_EQ(current(), 1);
}

TEST_F(TrackerTest, TheDisplayShowsTheSentenceEverywhere) {
    continuousState();
    at(2.5);
    tracker().ContinuousTick();
    EXPECT_EQ(form().Label6->caption(), "Two words.");
    EXPECT_EQ(form().Label7->caption(), "二。");
    EXPECT_EQ(form().Label16->caption(), "___ _____.");
    EXPECT_EQ(form().state.MaskedSentence, "___ _____.");
    EXPECT_EQ(form().Label17->caption(), "二。");
    EXPECT_EQ(form().Label52->caption(), "Two words.");
    EXPECT_EQ(form().Text11->text(), "a note");
    EXPECT_FALSE(form().Picture26->visible()); // a note: no prompt
    QStringList tiles;
    for (int n = 1; n <= form().WriteWordLabel.upperBound(); ++n)
        tiles << form().WriteWordLabel[n]->caption();
    EXPECT_EQ(tiles, (QStringList{"Two", " ", "words", "."}));
    EXPECT_EQ(form().WriteWordLabel[1]->pointer(), Pointer::Hand);
    EXPECT_EQ(form().WriteWordLabel[4]->pointer(), Pointer::Arrow);
    EXPECT_EQ(form().SenWordLabel.upperBound(), 4);

    at(4.5);
    tracker().ContinuousTick();
    EXPECT_TRUE(form().Picture26->visible()); // no note: the prompt shows
}

TEST_F(TrackerTest, TheMaskHidesOnlyAsciiLetters) {
    writeText("Book/Wandervale/1.dat",
              "*^It's^ ^5^ ^o'clock^:^ ^café^ ^茶^.^#句#1#2######*^Z^#乙#3#4######*");
    start();
    EXPECT_EQ(form().state.MaskedSentence, "__'_ 5 _'_____: ___é 茶.");
}

TEST_F(TrackerTest, ALongDictationLineWrapsIntoRowsOf315Twips) {
    FormState& s = form().state;
    Label& line = *form().Label16;
    // Sentence 2 is shown masked, as the dictation view starts.
    const double oneLine = line.textSize("___ _____.").width();
    form().Picture18->setWidth(oneLine + 1500); // the line fits exactly
    s.CurrentSentence = 1;
    tracker().AdvanceSentence();
    EXPECT_DOUBLE_EQ(s.DictationLineWidth, oneLine);
    EXPECT_TRUE(line.autoSize());

    form().Picture18->setWidth(oneLine / 2 + 1500);
    s.CurrentSentence = 1;
    tracker().AdvanceSentence();
    EXPECT_FALSE(line.autoSize());
    EXPECT_DOUBLE_EQ(line.width(), s.DictationLineWidth);
    const long long k = std::llrint(oneLine + 45) / std::llrint(s.DictationLineWidth);
    EXPECT_DOUBLE_EQ(line.height(), (k + 1) * 315.0);
    EXPECT_DOUBLE_EQ(form().Label17->top(), line.top() + line.height() + 240);
}

} // namespace
