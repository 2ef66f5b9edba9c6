#pragma once
// The course author's check of a ProgramDir: the catalogue, every lesson script of every course
// folder, and the media each lesson plays by its course's rule.

#include <QString>
#include <vector>

namespace lumeport {

struct CourseProblem {
    QString path; // relative to the ProgramDir, with "/"
    QString what;
    int sentence = 0; // the sentence the problem is in, 0 when it is about the whole file

    QString line() const; // "PATH: what (sentence N)"
};

// Problems of one script's text: its records, fields and times.
std::vector<CourseProblem> CheckScriptText(const QString& path, const QString& scriptText);

// Problems of the catalogue of the program's course, of every lesson it lists, of every other
// script under Book/, and the media files their courses' rules ask for that are missing.
std::vector<CourseProblem> CheckProgramDir(const QString& programDir);

} // namespace lumeport
