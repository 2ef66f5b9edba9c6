#pragma once
// The current sentence in the full-text view: its tiles underlined, and the view scrolled so
// that the sentence sits at mid-height.

namespace lumeport {

class Form1;

// Underlines the tiles of sentence CurrentSentence (and the end marker of the sentence before
// it). Returns the tile the walk stopped at — that marker, or the template 0 when the walk
// ran down past tile 1 — or -1 when the view holds fewer sentences and nothing is underlined.
int UnderlineSentenceInFullText(Form1& form);

// Scrolls the full text to the tile the last underline stopped at, then gives the keyboard
// focus to the view's key sink.
void CenterSentenceInFullText(Form1& form);

} // namespace lumeport
