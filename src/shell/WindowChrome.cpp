#include "WindowChrome.h"

#include "Form1.h"
#include "TipBox.h"

namespace lumeport {

WindowChrome::WindowChrome(Form1& form)
    : form_(form) {
    connect(form.Command6, &Control::clicked, this, &WindowChrome::CloseWindow);
    connect(form.Command7, &Control::clicked, this, &WindowChrome::MinimiseWindow);
    connect(&form, &Control::mouseMove, this, [this] { HideTip(form_); });
}

void WindowChrome::CloseWindow() {
    form_.Unload();
}

void WindowChrome::MinimiseWindow() {
    form_.widget()->showMinimized();
}

} // namespace lumeport
