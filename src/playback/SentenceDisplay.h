#pragma once
// The display of the current sentence, in every place that shows it: the list highlight, the
// translation underline, the subtitle bar and its tiles, the dictation panel and the card.

namespace lumeport {

class Form1;

// Highlights row CurrentSentence and cuts the sentence's times and note out of its record.
void SelectSentence(Form1& form);
// Redraws the subtitle bar, the dictation panel and the sentence card for CurrentSentence.
void ShowCurrentSentence(Form1& form);

// The dictation panel's lines for the current sentence, and its rows under them.
void RefreshDictation(Form1& form);
// The sentence card's English row and tiles, then its Chinese and note rows.
void RefreshSentenceCard(Form1& form);

} // namespace lumeport
