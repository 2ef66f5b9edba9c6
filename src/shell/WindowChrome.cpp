#include "WindowChrome.h"

#include "Form1.h"
#include "TipBox.h"

namespace lumeport {

WindowChrome::WindowChrome(Form1& form)
    : form_(form) {
    connect(form.Command6, &Control::clicked, this, &WindowChrome::CloseWindow);
    connect(form.Command7, &Control::clicked, this, &WindowChrome::MinimiseWindow);
    // Moving onto the window's background or the bottom bar puts the tip away; moving onto
    // another control leaves it.
    for (Control* background : {static_cast<Control*>(&form), static_cast<Control*>(form.Image6)})
        connect(background, &Control::mouseMove, this, [this] { HideTip(form_); });
    connect(form.Command29, &Control::mouseMove, this, [this] {
        const double r = form_.state.ScaleRatio;
        ShowTip(form_, form_.Command29->top() - 270 * r, form_.Command29->left() - 700 * r,
                QStringLiteral("打开迷你模式"));
    });
}

void WindowChrome::CloseWindow() {
    form_.Unload();
}

void WindowChrome::MinimiseWindow() {
    form_.widget()->showMinimized();
}

} // namespace lumeport
