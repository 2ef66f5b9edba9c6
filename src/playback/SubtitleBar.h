#pragma once
// The two-language subtitle bar over the video, and the word tiles of the current sentence,
// which the subtitle bar and the sentence card both show.

#include <QString>

namespace lumeport {

class Form1;

// What a line that is switched off shows instead of the sentence.
inline const QString EnglishOff = QStringLiteral("Close");
inline const QString ChineseOff = QStringLiteral("已关闭");

// A letter a..z of either case: the characters that make a tile a word.
bool IsAsciiLetter(QChar c);

// Lays out the bar for the texts Label6 and Label7 hold: one English line, or two when the
// sentence does not fit, with the Chinese row under it.
void ts(Form1& form);

// Rebuilds the word tiles of the current sentence in the subtitle strip and on the card, and
// lays the card's rows out under its tiles.
void BuildWordTiles(Form1& form);

// The card's rows under the tile panel, then its Chinese setting.
void LayOutCardRows(Form1& form);
void ApplyCardShowChinese(Form1& form);
// The note row in place under "注释：", or out of sight below the window.
void PlaceCardNoteRow(Form1& form, bool inPlace);

} // namespace lumeport
