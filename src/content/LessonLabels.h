#pragma once
// The texts the bottom bar shows for a lesson: its length and its title.

#include <QString>

namespace lumeport {

// "0" + minutes + "：" + two-digit seconds of the whole seconds: 5 min 7 s is "05：07",
// 12 min 34 s is "012：34". A length that is not a number counts as 0.
QString MinutesSecondsText(double seconds);
// The total-time label: " / " followed by the length's minutes and seconds.
QString TotalTimeText(double lessonLength);
// "课程： " + the title of the lesson's tree node (its path after the course), with every
// full-width colon shown as a space.
QString CourseLabelText(const QString& nodePath);

} // namespace lumeport
