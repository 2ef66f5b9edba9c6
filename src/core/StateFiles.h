#pragma once
// The two small state files that outlive a run: the settings file (the tree node of the lesson
// last chosen) and the run counter. Both hold one decimal number as the plain text of a
// document; the program writes them as rich text and reads either form.

#include "DocumentText.h"

#include <QString>

namespace lumeport {

QString SettingsFilePath(const QString& programDir); // SETTING/set.dat
QString RunCountFilePath(const QString& programDir); // SETTING/num.dat

// The whole number the text starts with, after any white space (" 12abc" gives 12); 0 when
// the text starts with no number. Values beyond the int range saturate.
int LeadingNumber(const QString& text);

// The number stored in a state file; 0 when the file is missing or holds no number.
int ReadStateNumber(const QString& path);
FileResult WriteStateNumber(const QString& path, int number);

} // namespace lumeport
