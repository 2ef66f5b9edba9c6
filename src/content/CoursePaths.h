#pragma once
// Where a course's files lie below the ProgramDir. Numbers in file names are decimal without
// leading zeros.

#include <QString>
#include <QStringList>

namespace lumeport {

// ProgramDir followed by the pieces, joined with "/".
QString ProgramPath(const QString& programDir, const QStringList& pieces);

QString LessonScriptPath(const QString& programDir, const QString& course, int lessonNo);
QString CataloguePath(const QString& programDir, const QString& catalogueName);
QString LessonNotesPath(const QString& programDir, const QString& course, int lessonNo);
QString CourseMediaFolder(const QString& programDir, const QString& course);

} // namespace lumeport
