#pragma once
// Which media file a lesson plays, by the rule of its course: one file per lesson, or a track
// shared by an unbroken run of lessons; and what the learner is told when the file is missing.

#include <QString>
#include <optional>
#include <vector>

namespace lumeport {

enum class MissingMediaNotice {
    None,
    A, // this lesson's voice file is not installed
    B, // no voice files of the course are installed; the download page follows
};

// A run of lessons sharing one track.
struct TrackRun {
    int track, firstLesson, lastLesson;
};
using TrackTable = std::vector<TrackRun>;

const TrackTable& OstermoorTracks();
const TrackTable& QuillbrookTracks();
const TrackTable& HollowmereTracks();
// The track holding the lesson, or nothing when the lesson is outside every run.
std::optional<int> TrackOf(const TrackTable& table, int lessonNo);

struct LessonMedia {
    // The file to play, relative to the ProgramDir; empty when the player keeps its file
    // (a lesson outside every run of a shared-track course).
    QString relativePath;
    // The notice to show when that file does not exist.
    MissingMediaNotice noticeWhenMissing = MissingMediaNotice::None;
};

LessonMedia MediaForLesson(const QString& course, int lessonNo);

// The lesson player's volume for the course, 0..100.
int LessonPlayerVolume(const QString& course);
inline constexpr int WordPlayerVolume = 70;

} // namespace lumeport
