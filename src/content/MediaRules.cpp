#include "MediaRules.h"

#include <QStringList>

namespace lumeport {

namespace {

TrackTable tenLessonTracks(std::initializer_list<TrackRun> tail) {
    TrackTable table;
    for (int t = 1; t <= 5; ++t)
        table.push_back({t, 10 * t - 9, 10 * t});
    table.insert(table.end(), tail);
    return table;
}

// The rule of a course, tested in table order: whole names, case-sensitive, except where a
// rule tests the beginning of the name.
struct MediaRule {
    QString course;
    bool prefix;
    const TrackTable* tracks; // shared-track course; null for one file per lesson
    const char* extension;
    MissingMediaNotice notice;
    int noticeFromLesson;
};

const std::vector<MediaRule>& rules() {
    static const std::vector<MediaRule> table = {
        {"Ostermoor", false, &OstermoorTracks(), ".mp3", MissingMediaNotice::None, 0},
        {"Quillbrook", false, &QuillbrookTracks(), ".mp3", MissingMediaNotice::None, 0},
        {"Hollowmere", false, &HollowmereTracks(), ".mp3", MissingMediaNotice::None, 0},
        {"Wandervale", false, nullptr, ".wmv", MissingMediaNotice::B, 2},
        {"Tessaline", true, nullptr, ".avi", MissingMediaNotice::A, 2},
    };
    return table;
}

const MediaRule& otherCourses() {
    static const MediaRule rule{"", true, nullptr, ".mp3", MissingMediaNotice::B, 1};
    return rule;
}

const MediaRule& ruleOf(const QString& course) {
    for (const MediaRule& rule : rules())
        if (rule.prefix ? course.startsWith(rule.course) : course == rule.course) return rule;
    return otherCourses();
}

} // namespace

const TrackTable& OstermoorTracks() {
    static const TrackTable table = {
        {1, 1, 7},      {2, 8, 15},     {3, 16, 18},    {4, 19, 23},    {5, 24, 30},
        {6, 31, 37},    {7, 38, 39},    {8, 40, 52},    {9, 53, 63},    {10, 64, 68},
        {11, 69, 74},   {12, 75, 83},   {13, 84, 91},   {14, 92, 93},   {15, 94, 94},
        {16, 95, 96},   {17, 97, 104},  {18, 105, 109}, {19, 110, 110}, {20, 111, 114},
        {21, 115, 115}, {22, 116, 116}, {23, 117, 117}, {24, 118, 118}, {25, 119, 119},
        {26, 120, 120}, {27, 121, 121}, {28, 122, 130}, {29, 131, 135}, {30, 136, 139},
        {31, 140, 140}, {32, 141, 145}, {33, 146, 146}, {34, 147, 149}, {35, 150, 157},
        {36, 158, 175}, {37, 176, 181}, {38, 182, 182}, {39, 183, 184},
    };
    return table;
}

const TrackTable& QuillbrookTracks() {
    static const TrackTable table = tenLessonTracks({{6, 51, 65}, {7, 66, 75}});
    return table;
}

const TrackTable& HollowmereTracks() {
    static const TrackTable table = {{1, 1, 18},  {2, 19, 38}, {3, 39, 54},
                                     {4, 55, 68}, {5, 69, 87}, {6, 88, 105}};
    return table;
}

std::optional<int> TrackOf(const TrackTable& table, int lessonNo) {
    for (const TrackRun& run : table)
        if (lessonNo >= run.firstLesson && lessonNo <= run.lastLesson) return run.track;
    return std::nullopt;
}

LessonMedia MediaForLesson(const QString& course, int lessonNo) {
    const MediaRule& rule = ruleOf(course);
    const QString folder = QStringLiteral("Sound/") + course + u'/';
    if (rule.tracks) {
        const std::optional<int> track = TrackOf(*rule.tracks, lessonNo);
        if (!track) return {};
        return {folder + QString::number(*track) + rule.extension, MissingMediaNotice::None};
    }
    const bool checked =
        rule.notice != MissingMediaNotice::None && lessonNo >= rule.noticeFromLesson;
    return {folder + QString::number(lessonNo) + rule.extension,
            checked ? rule.notice : MissingMediaNotice::None};
}

int LessonPlayerVolume(const QString& course) {
    static const QStringList quieter = {"Brightwell", "Wandervale", "Farcrest"};
    return quieter.contains(course) ? 50 : 100;
}

} // namespace lumeport
