#include "CoursePaths.h"

namespace lumeport {

QString ProgramPath(const QString& programDir, const QStringList& pieces) {
    QString path = programDir;
    for (const QString& piece : pieces) {
        if (!path.endsWith(u'/')) path += u'/';
        path += piece;
    }
    return path;
}

QString LessonScriptPath(const QString& programDir, const QString& course, int lessonNo) {
    return ProgramPath(programDir, {"Book", course, QString::number(lessonNo) + ".dat"});
}

QString CataloguePath(const QString& programDir, const QString& catalogueName) {
    return ProgramPath(programDir, {"SETTING", "BookList", catalogueName + ".dat"});
}

QString LessonNotesPath(const QString& programDir, const QString& course, int lessonNo) {
    return ProgramPath(programDir, {"Note", course, QString::number(lessonNo) + ".rtf"});
}

QString CourseMediaFolder(const QString& programDir, const QString& course) {
    return ProgramPath(programDir, {"Sound", course});
}

} // namespace lumeport
