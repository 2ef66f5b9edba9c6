#include "LessonLabels.h"

#include <cmath>

namespace lumeport {

QString MinutesSecondsText(double seconds) {
    const long long whole =
        std::isfinite(seconds) ? static_cast<long long>(std::floor(std::max(seconds, 0.0))) : 0;
    return QStringLiteral("0%1：%2").arg(whole / 60).arg(whole % 60, 2, 10, QChar(u'0'));
}

QString TotalTimeText(double lessonLength) {
    return QStringLiteral(" / ") + MinutesSecondsText(lessonLength);
}

QString CourseLabelText(const QString& nodePath) {
    QString title = nodePath.mid(nodePath.indexOf(u'\\') + 1);
    title.replace(u'：', u' ');
    return QStringLiteral("课程： ") + title;
}

} // namespace lumeport
