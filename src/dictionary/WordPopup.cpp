#include "WordPopup.h"

#include "Form1.h"

namespace lumeport {

WordPopup::WordPopup(Form1& form)
    : form_(form) {}

void WordPopup::ShowForClickedWord() {
    LookUpWord();
}

// The dictionary file and its lookup rules fill this in.
void WordPopup::LookUpWord() {}

} // namespace lumeport
