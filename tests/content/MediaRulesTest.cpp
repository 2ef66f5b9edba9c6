#include "MediaRules.h"

#include "LessonLabels.h"

#include <gtest/gtest.h>

using namespace lumeport;

namespace {

TEST(MediaRules, EachCourseFindsItsMediaByItsRule) {
    const struct {
        const char* course;
        int lesson;
        const char* file;
        MissingMediaNotice notice;
        int volume;
    } cases[] = {
        {"Wandervale", 7, "Sound/Wandervale/7.wmv", MissingMediaNotice::B, 50},
        {"Wandervale", 1, "Sound/Wandervale/1.wmv", MissingMediaNotice::None, 50},
        {"Ostermoor", 7, "Sound/Ostermoor/1.mp3", MissingMediaNotice::None, 100},
        {"Ostermoor", 8, "Sound/Ostermoor/2.mp3", MissingMediaNotice::None, 100},
        {"Ostermoor", 184, "Sound/Ostermoor/39.mp3", MissingMediaNotice::None, 100},
        {"Ostermoor", 185, "", MissingMediaNotice::None, 100}, // outside every run
        {"Quillbrook", 50, "Sound/Quillbrook/5.mp3", MissingMediaNotice::None, 100},
        {"Quillbrook", 51, "Sound/Quillbrook/6.mp3", MissingMediaNotice::None, 100},
        {"Quillbrook", 75, "Sound/Quillbrook/7.mp3", MissingMediaNotice::None, 100},
        {"Hollowmere", 88, "Sound/Hollowmere/6.mp3", MissingMediaNotice::None, 100},
        {"Hollowmere", 0, "", MissingMediaNotice::None, 100},
        {"Tessaline Book 2", 3, "Sound/Tessaline Book 2/3.avi", MissingMediaNotice::A, 100},
        {"Tessaline", 1, "Sound/Tessaline/1.avi", MissingMediaNotice::None, 100},
        {"Brightwell", 2, "Sound/Brightwell/2.mp3", MissingMediaNotice::B, 50},
        {"Farcrest", 1, "Sound/Farcrest/1.mp3", MissingMediaNotice::B, 50},
        {"wandervale", 3, "Sound/wandervale/3.mp3", MissingMediaNotice::B, 100}, // case counts
        {"OstermoorPlus", 3, "Sound/OstermoorPlus/3.mp3", MissingMediaNotice::B, 100},
    };
    for (const auto& c : cases) {
        const LessonMedia media = MediaForLesson(c.course, c.lesson);
        EXPECT_EQ(media.relativePath, QString::fromUtf8(c.file)) << c.course << " " << c.lesson;
        EXPECT_EQ(media.noticeWhenMissing, c.notice) << c.course << " " << c.lesson;
        EXPECT_EQ(LessonPlayerVolume(c.course), c.volume) << c.course;
    }
}

TEST(MediaRules, TrackTablesCoverTheirLessonsWithoutGaps) {
    const struct {
        const TrackTable& table;
        int lessons, tracks;
    } courses[] = {
        {OstermoorTracks(), 184, 39}, {QuillbrookTracks(), 75, 7}, {HollowmereTracks(), 105, 6}};
    for (const auto& c : courses) {
        int expectedTrack = 1;
        for (int lesson = 1; lesson <= c.lessons; ++lesson) {
            const std::optional<int> track = TrackOf(c.table, lesson);
            ASSERT_TRUE(track.has_value()) << lesson;
            EXPECT_TRUE(*track == expectedTrack || *track == expectedTrack + 1) << lesson;
            expectedTrack = *track;
        }
        EXPECT_EQ(expectedTrack, c.tracks);
        EXPECT_FALSE(TrackOf(c.table, c.lessons + 1));
    }
}

TEST(LessonLabels, TimesAndTitlesAsTheBottomBarShowsThem) {
    EXPECT_EQ(TotalTimeText(312.75), " / 05：12");
    EXPECT_EQ(TotalTimeText(359.6), " / 05：59");
    EXPECT_EQ(TotalTimeText(754), " / 012：34");
    EXPECT_EQ(TotalTimeText(std::nan("")), " / 00：00");
    EXPECT_EQ(MinutesSecondsText(0), "00：00");
    EXPECT_EQ(MinutesSecondsText(59.9), "00：59");
    EXPECT_EQ(MinutesSecondsText(60), "01：00");
    EXPECT_EQ(MinutesSecondsText(727), "012：07");
    EXPECT_EQ(CourseLabelText("Wandervale\\第1课：Hello"), "课程： 第1课 Hello");
}

} // namespace
