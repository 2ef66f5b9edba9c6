#pragma once
// The single tip box every hover tip shares: showing a tip replaces the one before.

#include <QString>

namespace lumeport {

class Form1;

// Puts the tip box at top, left (twips) with `text`, as wide as the text plus a margin.
void ShowTip(Form1& form, double top, double left, const QString& text);
void HideTip(Form1& form);

} // namespace lumeport
