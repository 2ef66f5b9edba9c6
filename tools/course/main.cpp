// lumeport-course: the course author's tool.
//   lumeport-course script FILE       the sentence table of a lesson script, as JSON lines
//   lumeport-course check PROGRAMDIR  every problem of the course's catalogue and scripts
//   lumeport-course text FILE         the plain text of a document (rich text or plain)

#include "CourseCheck.h"
#include "DocumentText.h"
#include "ScriptJson.h"
#include "SentenceTable.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

using namespace lumeport;

namespace {

constexpr int Clean = 0, Problems = 1, Unusable = 2;

void print(FILE* to, const QByteArray& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), to);
}

int usage() {
    print(stderr, "usage: lumeport-course script FILE\n"
                  "       lumeport-course check PROGRAMDIR\n"
                  "       lumeport-course text FILE\n");
    return Unusable;
}

int printScript(const QString& file) {
    const DocumentRead read = readDocument(file);
    if (!read.ok) {
        print(stderr, "lumeport-course: " + read.error.toUtf8() + "\n");
        return Unusable;
    }
    const SentenceTable table = SentenceTable::FromScriptText(read.text);
    for (int n = 1; n <= table.SentenceCount(); ++n)
        print(stdout, SentenceJsonLine(n, table[n]));
    return Clean;
}

int printText(const QString& file) {
    const DocumentRead read = readDocument(file);
    if (!read.ok) {
        print(stderr, "lumeport-course: " + read.error.toUtf8() + "\n");
        return Unusable;
    }
    print(stdout, read.text.toUtf8() + "\n");
    return Clean;
}

int check(const QString& programDir) {
    if (!QFileInfo(programDir).isDir()) {
        print(stderr, "lumeport-course: " + programDir.toUtf8() + ": not a directory\n");
        return Unusable;
    }
    const std::vector<CourseProblem> problems = CheckProgramDir(programDir);
    for (const CourseProblem& p : problems)
        print(stdout, p.line().toUtf8() + "\n");
    return problems.empty() ? Clean : Problems;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 2) return usage();
    if (args[0] == "script") return printScript(args[1]);
    if (args[0] == "check") return check(args[1]);
    if (args[0] == "text") return printText(args[1]);
    return usage();
}
