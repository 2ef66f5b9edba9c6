#include "ViewFocus.h"

#include "Form1.h"

namespace lumeport {

void FocusViewKeyReceiver(Form1& form) {
    Control* const receivers[] = {form.Combo1, form.Combo3, form.Combo2, form.Text1,
                                  form.RichTextBox7};
    const int view = form.state.ViewMode;
    if (view < 0 || view >= static_cast<int>(std::size(receivers)) || !receivers[view]) return;
    receivers[view]->setFocus();
    if (view == 4) form.RichTextBox7->moveCaretToStart();
}

} // namespace lumeport
