#pragma once
// Which control holds the keyboard focus in each view, so the keys reach the view the learner
// works in after a click elsewhere.

namespace lumeport {

class Form1;

// View 0 the sentence list's key sink, 1 the full text's, 2 the translation's, 3 the dictation
// answer box, 4 the notes editor with the caret at its start; view 5 leaves the focus alone.
void FocusViewKeyReceiver(Form1& form);

} // namespace lumeport
