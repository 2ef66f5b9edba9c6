// The subtitle bar: the English as word tiles that wrap by the word rule, the two lines'
// check images and labels, and a click on a word.

#include "SubtitleBar.h"

#include "SentenceTracker.h"
#include "SubtitleBarControls.h"
#include "support/ProgramFixture.h"

#include <QImage>
#include <QTest>

using namespace lumeport;

namespace {

class SubtitleBarTest : public ProgramFixture {
protected:
    void SetUp() override {
        copySampleCourse(); // its check pictures
        writeText("SETTING/BookList/Wandervale.dat", "^第1课：One^");
        writeText("Book/Wandervale/1.dat",
                  "*^I^ ^saw^ ^it^ ^on^ ^TV^,^ ^didn't^ ^I^!^#我在电视上看到的，不是吗！#1#2######*"
                  "*^Short^.^#短。#3#4######*");
        start();
    }
    // Shows sentence 1 again with the subtitle strip `width` twips wide.
    void showWithStripWidth(double width) {
        form().Picture30->setWidth(width);
        form().Picture29->setWidth(width + 300);
        form().state.CurrentSentence = 0;
        program().tracker().AdvanceSentence();
    }
    QStringList lineStarts() {
        QStringList starts;
        const auto& tiles = form().WriteWordLabel;
        for (int n = 2; n <= tiles.upperBound(); ++n)
            if (tiles[n]->top() > tiles[n - 1]->top()) starts << tiles[n]->caption();
        return starts;
    }
    double tileWidth(const QString& text) {
        return form().WriteWordLabel[1]->textSize(text).width();
    }
    QImage pictureOf(const Image& image) { return image.picture().toImage(); }
    QImage checkPicture(bool on) {
        return QImage(path(on ? "Bitmap/check_1.jpg" : "Bitmap/check_0.jpg"));
    }
};

TEST_F(SubtitleBarTest, OnlyWordsStartANewLine) {
    const QStringList tokens = {"I", " ", "saw", " ", "it", " ", "on", " ", "TV", ",", " "};
    double upToTv = 0;
    for (int i = 0; i < 9; ++i)
        upToTv += tileWidth(tokens[i]);
    // TV (a word ending in a capital) just fails to fit: it starts the next line, and the
    // comma and space after it never do.
    showWithStripWidth(upToTv - 1);
    EXPECT_EQ(lineStarts().value(0), "TV");
    // The comma just fails to fit: it stays at the end of the line, sticking out.
    showWithStripWidth(upToTv + tileWidth(",") - 1);
    EXPECT_EQ(lineStarts().value(0), "didn't");
    const auto& tiles = form().WriteWordLabel;
    EXPECT_EQ(tiles[1]->left(), 0); // the first tile starts at the strip's left edge
    EXPECT_EQ(tiles[1]->pointer(), Pointer::Hand);
    EXPECT_EQ(tiles[10]->pointer(), Pointer::Arrow); // the comma
    EXPECT_EQ(tiles[12]->caption(), "didn't");
    EXPECT_EQ(tiles[12]->pointer(), Pointer::Hand);
}

TEST_F(SubtitleBarTest, ALongSentenceTakesTwoLinesAndMovesTheChineseDown) {
    Form1& f = form();
    f.Picture2->setWidth(f.Label6->left() + 60 + 200); // far too narrow for sentence 1
    f.state.CurrentSentence = 0;
    program().tracker().AdvanceSentence();
    EXPECT_DOUBLE_EQ(f.Label6->height(), 615);
    EXPECT_DOUBLE_EQ(f.Label6->width(), 200);
    EXPECT_DOUBLE_EQ(f.Picture30->height(), 615);
    EXPECT_DOUBLE_EQ(f.Label6->top(), f.Image21->top() - 140);
    EXPECT_DOUBLE_EQ(f.Picture22->top(), f.Label6->top() + 615 + 45);

    f.Picture2->setWidth(100000);
    program().tracker().AdvanceSentence(); // sentence 2, one line
    EXPECT_DOUBLE_EQ(f.Label6->top(), f.Image21->top() - 45);
    EXPECT_DOUBLE_EQ(f.Picture22->top(), f.Label6->top() + f.Label6->height() + 70);
}

TEST_F(SubtitleBarTest, TheCheckImagesSwitchALineForGood) {
    Form1& f = form();
    SubtitleBarControls& bar = program().subtitles();
    EXPECT_EQ(pictureOf(*f.Image21), checkPicture(true));
    bar.ToggleEnglish();
    EXPECT_EQ(f.Label6->caption(), "Close");
    EXPECT_FALSE(f.Picture30->visible());
    EXPECT_EQ(pictureOf(*f.Image21), checkPicture(false));
    bar.ToggleEnglish();
    EXPECT_EQ(f.Label6->caption(), "I saw it on TV, didn't I!");
    EXPECT_TRUE(f.Picture30->visible());
    EXPECT_EQ(pictureOf(*f.Image21), checkPicture(true));

    bar.ToggleChinese();
    EXPECT_EQ(f.Label7->caption(), "已关闭");
    program().tracker().AdvanceSentence(); // the setting lasts
    EXPECT_EQ(f.Label7->caption(), "已关闭");
}

TEST_F(SubtitleBarTest, TheLabelsShowALineOnlyForTheMoment) {
    Form1& f = form();
    program().subtitles().ToggleEnglish();
    const double left = f.Label44->left();
    QTest::mousePress(f.Label44->widget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_DOUBLE_EQ(f.Label44->left(), left + 15);
    QTest::mouseRelease(f.Label44->widget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_DOUBLE_EQ(f.Label44->left(), left);
    EXPECT_TRUE(f.Picture30->visible());
    EXPECT_EQ(f.Label6->caption(), "I saw it on TV, didn't I!");
    EXPECT_EQ(sounds_.played,
              (QStringList{path("SETTING/Sound/MouDown.wav"), path("SETTING/Sound/MouUp.wav")}));
    program().tracker().AdvanceSentence(); // the next sentence follows the setting again
    EXPECT_EQ(f.Label6->caption(), "Close");
}

TEST_F(SubtitleBarTest, AClickOnAWordLooksItUp) {
    Form1& f = form();
    QTest::mouseClick(f.WriteWordLabel[3]->widget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(f.state.ClickedWord, "saw");
    QTest::mouseClick(f.WriteWordLabel[10]->widget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(f.state.ClickedWord, "saw"); // the comma does nothing
    QTest::mouseClick(f.SenWordLabel[12]->widget(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(f.state.ClickedWord, "didn't");
}

} // namespace
