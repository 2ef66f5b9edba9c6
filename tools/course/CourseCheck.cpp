#include "CourseCheck.h"

#include "CourseCatalogue.h"
#include "CoursePaths.h"
#include "DocumentText.h"
#include "LessonChoice.h"
#include "LessonScript.h"
#include "MediaRules.h"
#include "SentenceTable.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <optional>

namespace lumeport {

QString CourseProblem::line() const {
    QString text = path + QStringLiteral(": ") + what;
    if (sentence > 0) text += QStringLiteral(" (sentence %1)").arg(sentence);
    return text;
}

namespace {

class Problems {
public:
    explicit Problems(QString path)
        : path_(std::move(path)) {}
    void add(const QString& what, int sentence = 0) { list_.push_back({path_, what, sentence}); }
    std::vector<CourseProblem> take() { return std::move(list_); }

private:
    QString path_;
    std::vector<CourseProblem> list_;
};

void checkFraming(Problems& problems, const QString& text, QChar mark, const QString& what) {
    const QString trimmed = text.trimmed();
    if (!trimmed.startsWith(mark) || !trimmed.endsWith(mark))
        problems.add(QStringLiteral("%1 does not begin and end with \"%2\"").arg(what, mark));
}

void checkRecord(Problems& problems, const QString& record, int n) {
    const qsizetype marks = record.count(FieldMark);
    if (marks < 5)
        problems.add(QStringLiteral("record has %1 \"#\", needs at least 5").arg(marks), n);
    const QString english = RecordField(record, 1);
    if (!english.startsWith(TokenMark) || !english.endsWith(TokenMark) || english.size() < 2)
        problems.add(QStringLiteral("English field is not enclosed in \"^\" marks"), n);
}

std::optional<double> checkTimes(Problems& problems, const SentenceEntry& e, int n,
                                 std::optional<double> previousStart) {
    const auto start = SecondsFromTimeText(e.StartTime);
    const auto end = SecondsFromTimeText(e.EndTime);
    if (!start)
        problems.add(QStringLiteral("start time \"%1\" is not a number").arg(e.StartTime), n);
    if (!end) problems.add(QStringLiteral("end time \"%1\" is not a number").arg(e.EndTime), n);
    if (start && end && *start > *end)
        problems.add(QStringLiteral("starts at %1 after it ends at %2").arg(e.StartTime, e.EndTime),
                     n);
    if (start && previousStart && *start < *previousStart)
        problems.add(
            QStringLiteral("starts at %1, before the sentence ahead of it").arg(e.StartTime), n);
    return start ? start : previousStart;
}

QString relative(const QString& programDir, const QString& path) {
    return QDir(programDir).relativeFilePath(path);
}

// Why a file that readDocument refused could not be read.
QString unreadable(const QString& path) {
    return QFileInfo::exists(path) ? QStringLiteral("cannot be read") : QStringLiteral("missing");
}

std::vector<CourseProblem> checkCatalogue(const QString& programDir, QStringList& titles) {
    const QString path = CataloguePath(programDir, TheCourse);
    Problems problems(relative(programDir, path));
    const DocumentRead read = readDocument(path);
    if (!read.ok) {
        problems.add(unreadable(path));
        return problems.take();
    }
    checkFraming(problems, read.text, TokenMark, QStringLiteral("the catalogue"));
    titles = CatalogueTitles(read.text);
    if (titles.isEmpty()) problems.add(QStringLiteral("lists no lessons"));
    const int reachable = LastLessonNode - FirstLessonNode + 1;
    if (titles.size() > reachable)
        problems.add(QStringLiteral("lists %1 lessons; only the first %2 can be chosen")
                         .arg(titles.size())
                         .arg(reachable));
    return problems.take();
}

} // namespace

std::vector<CourseProblem> CheckScriptText(const QString& path, const QString& scriptText) {
    Problems problems(path);
    if (CountSentences(scriptText) == 0) {
        problems.add(QStringLiteral("holds no sentences"));
        return problems.take();
    }
    checkFraming(problems, scriptText, RecordMark, QStringLiteral("the script"));
    const SentenceTable table = SentenceTable::FromScriptText(scriptText);
    std::optional<double> previousStart;
    for (int n = 1; n <= table.SentenceCount(); ++n) {
        checkRecord(problems, table[n].Record, n);
        previousStart = checkTimes(problems, table[n], n, previousStart);
    }
    return problems.take();
}

namespace {

// Lesson numbers of the scripts in a course folder under Book/: "7.dat" is lesson 7.
QList<int> scriptLessons(const QString& folder) {
    static const QRegularExpression name(QStringLiteral("^([1-9][0-9]{0,5})\\.dat$"));
    QList<int> lessons;
    for (const QString& file : QDir(folder).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = name.match(file);
        if (m.hasMatch()) lessons << m.captured(1).toInt();
    }
    std::sort(lessons.begin(), lessons.end());
    return lessons;
}

// Whether the script could be read at all.
bool checkScriptFile(std::vector<CourseProblem>& all, const QString& programDir,
                     const QString& course, int lesson) {
    const QString path = LessonScriptPath(programDir, course, lesson);
    const QString shown = relative(programDir, path);
    const DocumentRead read = readDocument(path);
    if (!read.ok) {
        all.push_back({shown, unreadable(path)});
        return false;
    }
    for (CourseProblem& p : CheckScriptText(shown, read.text))
        all.push_back(std::move(p));
    return true;
}

// Every media file the course's rule asks for and the ProgramDir lacks, once per file.
void checkMedia(std::vector<CourseProblem>& all, const QString& programDir, const QString& course,
                const QList<int>& lessons) {
    QMap<QString, QStringList> missing; // media file -> the lessons that play it
    for (int lesson : lessons) {
        const LessonMedia media = MediaForLesson(course, lesson);
        if (media.relativePath.isEmpty()) {
            all.push_back({relative(programDir, LessonScriptPath(programDir, course, lesson)),
                           QStringLiteral("lesson %1 lies in no track of the course").arg(lesson)});
        } else if (!QFileInfo(ProgramPath(programDir, {media.relativePath})).isFile()) {
            missing[media.relativePath] << QString::number(lesson);
        }
    }
    for (auto it = missing.cbegin(); it != missing.cend(); ++it)
        all.push_back({it.key(), QStringLiteral("missing; played by %1 %2 of %3")
                                     .arg(it.value().size() == 1 ? "lesson" : "lessons",
                                          it.value().join(", "), course)});
}

} // namespace

std::vector<CourseProblem> CheckProgramDir(const QString& programDir) {
    QStringList titles;
    std::vector<CourseProblem> all = checkCatalogue(programDir, titles);
    const QString books = ProgramPath(programDir, {"Book"});
    QStringList courses = QDir(books).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (!titles.isEmpty() && !courses.contains(TheCourse)) courses.prepend(TheCourse);
    for (const QString& course : courses) {
        QList<int> lessons = scriptLessons(ProgramPath(books, {course}));
        if (course == TheCourse) {
            // Every lesson of the catalogue, whether its script is there or not.
            for (int lesson = 1; lesson <= titles.size(); ++lesson)
                if (!lessons.contains(lesson)) lessons << lesson;
            std::sort(lessons.begin(), lessons.end());
        }
        QList<int> present;
        for (int lesson : lessons)
            if (checkScriptFile(all, programDir, course, lesson)) present << lesson;
        checkMedia(all, programDir, course, present); // a lesson without a script plays nothing
    }
    return all;
}

} // namespace lumeport
