// Loading a lesson: its media by the course's rule, the volumes, the missing-media notices,
// the labels of the bottom bar, and the first sentence playing.

#include "LessonLoading.h"

#include "support/ProgramFixture.h"

using namespace lumeport;

namespace {

class LessonLoadingTest : public ProgramFixture {
protected:
    void SetUp() override {
        writeText("SETTING/BookList/Wandervale.dat", "^第1课：Hello^第2课：Two^第3课：Three^");
        writeText("Book/Wandervale/1.dat", script(1.5, 312.75 + 1.5));
        writeText("Book/Wandervale/2.dat", script(0.5, 360.1));
        writeFile("Sound/Wandervale/1.wmv", "media");
        start();
    }
    static QString script(double start, double end) {
        return QString("*^Hi^#嗨#%1#%2######*^Bye^#再见#%3#%4######*")
            .arg(start)
            .arg(start + 1)
            .arg(start + 2)
            .arg(end);
    }
    void load(const QString& course, int lesson) {
        form().state.Lesson.CourseName = course;
        form().state.Lesson.LessonNo = lesson;
        lessonPlayer_.calls.clear();
        program().loading().LoadLesson();
    }
    QString media(const char* relative) { return path(relative); }
};

TEST_F(LessonLoadingTest, TheFirstLessonPlaysFromItsFirstSentence) {
    EXPECT_EQ(lessonPlayer_.file, media("Sound/Wandervale/1.wmv"));
    EXPECT_EQ(lessonPlayer_.volume, 50);
    EXPECT_EQ(wordPlayer_.volume, 70);
    EXPECT_TRUE(lessonPlayer_.playing);
    EXPECT_DOUBLE_EQ(lessonPlayer_.position, 1.5);
    EXPECT_FALSE(form().Command1->visible());
    EXPECT_TRUE(form().Command2->visible());
    EXPECT_EQ(form().Label11->caption(), " / 05：12");
    EXPECT_EQ(form().Label13->caption(), "课程： 第1课 Hello");
    EXPECT_DOUBLE_EQ(form().state.LessonStart, 1.5);
    EXPECT_DOUBLE_EQ(form().state.LessonLength, 312.75);
    EXPECT_TRUE(notices_.shown.isEmpty()); // lesson 1 is never announced
    EXPECT_TRUE(form().Timer5->isActive());
}

TEST_F(LessonLoadingTest, CoursesFindTheirMediaByTheirRule) {
    writeText("Book/Ostermoor/7.dat", "*^A^#甲#100#101######*");
    writeFile("Sound/Ostermoor/1.mp3", "media");
    load("Ostermoor", 7);
    EXPECT_EQ(lessonPlayer_.file, media("Sound/Ostermoor/1.mp3"));
    EXPECT_EQ(lessonPlayer_.volume, 100);
    EXPECT_EQ(lessonPlayer_.calls.mid(1), (QStringList{"SetFile " + media("Sound/Ostermoor/1.mp3"),
                                                       "SetPosition 100", "Play"}));

    load("Ostermoor", 185); // outside every run: the player keeps its file
    EXPECT_EQ(lessonPlayer_.file, media("Sound/Ostermoor/1.mp3"));

    load("Tessaline 2", 1);
    EXPECT_EQ(lessonPlayer_.file, media("Sound/Tessaline 2/1.avi"));
    load("Farcrest", 4);
    EXPECT_EQ(lessonPlayer_.file, media("Sound/Farcrest/4.mp3"));
    EXPECT_EQ(lessonPlayer_.volume, 50);
}

TEST_F(LessonLoadingTest, MissingMediaIsAnnouncedAndTheDownloadPageFollows) {
    bool timerRanDuringNotice = true;
    notices_.whileShown = [&] { timerRanDuringNotice = form().Timer6->isActive(); };
    form().TreeView1->nodeClicked(3); // lesson 2 has no media
    ASSERT_EQ(notices_.shown.size(), 1);
    EXPECT_TRUE(notices_.shown[0].startsWith("提示: "));
    EXPECT_FALSE(timerRanDuringNotice); // the page waits until the notice is closed
    EXPECT_TRUE(shell_.opened.isEmpty());
    EXPECT_TRUE(form().Timer6->isActive());
    EXPECT_EQ(form().state.Sentences.SentenceCount(), 2); // the lesson still loads
    EXPECT_EQ(form().Label11->caption(), " / 05：59");

    EXPECT_EQ(form().Timer6->interval(), 100);
    program().loading().OpenDownloadPage(); // its tick
    EXPECT_EQ(shell_.opened, QStringList{path("download.htm")});
    EXPECT_FALSE(form().Timer6->isActive());
}

TEST_F(LessonLoadingTest, NoticeAHasNoDownloadPage) {
    writeText("Book/Tessaline/2.dat", "*^A^#甲#1#2######*");
    load("Tessaline", 2);
    ASSERT_EQ(notices_.shown.size(), 1);
    EXPECT_FALSE(form().Timer6->isActive());
    load("Tessaline", 1);
    EXPECT_EQ(notices_.shown.size(), 1);
}

TEST_F(LessonLoadingTest, TheTrackersFollowTheView) {
    const struct {
        int view;
        bool continuous, perSentence;
    } cases[] = {{0, true, false}, {3, false, true}, {1, false, true}, {5, false, true}};
    for (const auto& c : cases) {
        form().state.ViewMode = c.view;
        load("Wandervale", 1);
        EXPECT_EQ(form().Timer2->isActive(), c.continuous) << c.view;
        EXPECT_EQ(form().Timer1->isActive(), c.perSentence) << c.view;
    }
    form().state.ViewMode = 4; // the notes view leaves them as they are
    load("Wandervale", 1);
    EXPECT_TRUE(form().Timer1->isActive());
    EXPECT_FALSE(form().Timer2->isActive());
}

TEST_F(LessonLoadingTest, ALessonsRowsReplaceThePreviousLessons) {
    QString forty = "*";
    for (int i = 1; i <= 40; ++i)
        forty += QString("^S%1^#句#%1#%2######*").arg(i).arg(i + 0.5);
    writeText("Book/Wandervale/4.dat", forty);
    writeText("Book/Wandervale/5.dat", "*^A^#甲#1#2######*^B^#乙#3#4######*^C^#丙#5#6######*");
    load("Wandervale", 4);
    EXPECT_EQ(form().Label5.upperBound(), 40);
    load("Wandervale", 5);
    EXPECT_EQ(form().Label5.upperBound(), 3);
    int shown = 0;
    for (QObject* child : form().Picture10->widget()->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isHidden()) ++shown;
    EXPECT_EQ(shown, 3 + 1); // the three rows and the background picture
}

TEST_F(LessonLoadingTest, NotesComeWithTheLessonAndAnEmptyLessonReplacesTheOld) {
    writeFile("Note/Wandervale/3.rtf", "{\\rtf1\\ansi Lesson {\\b three} notes\\par}");
    writeText("Book/Wandervale/3.dat", "*^Three^#三#1#2######*");
    load("Wandervale", 3);
    EXPECT_EQ(form().RichTextBox7->plainText(), "Lesson three notes");
    EXPECT_TRUE(form().RichTextBox7->document().runs.size() >= 2);

    load("Wandervale", 9); // no script, no notes
    EXPECT_EQ(form().state.Sentences.SentenceCount(), 0);
    EXPECT_EQ(form().RichTextBox7->plainText(), "");
    EXPECT_EQ(form().Label6->caption(), "");
    EXPECT_EQ(form().state.Lesson.LoadedLessonNo, 9);
}

} // namespace
