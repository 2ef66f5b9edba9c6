#include "StateFiles.h"

#include "CoursePaths.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace lumeport {

QString SettingsFilePath(const QString& programDir) {
    return ProgramPath(programDir, {"SETTING", "set.dat"});
}

QString RunCountFilePath(const QString& programDir) {
    return ProgramPath(programDir, {"SETTING", "num.dat"});
}

int LeadingNumber(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    long long value = 0;
    constexpr long long limit = std::numeric_limits<int>::max();
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), limit);
    return static_cast<int>(negative ? -value : value);
}

int ReadStateNumber(const QString& path) {
    const DocumentRead read = readDocument(path);
    return read.ok ? LeadingNumber(read.text) : 0;
}

FileResult WriteStateNumber(const QString& path, int number) {
    // A ProgramDir without its SETTING folder still keeps the learner's choice.
    QDir().mkpath(QFileInfo(path).path());
    return writeDocument(path, QString::number(number));
}

} // namespace lumeport
