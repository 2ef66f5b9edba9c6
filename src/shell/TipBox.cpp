#include "TipBox.h"

#include "Form1.h"

namespace lumeport {

void ShowTip(Form1& form, double top, double left, const QString& text) {
    if (!form.Picture24 || !form.Label43) return;
    const double r = form.state.ScaleRatio;
    form.Picture24->setTop(top);
    form.Picture24->setLeft(left);
    form.Label43->setCaption(text);
    form.Picture24->setWidth(form.Label43->width() + 90 * r);
    form.Picture24->setVisible(true);
    form.Picture24->bringToFront();
}

void HideTip(Form1& form) {
    if (form.Picture24) form.Picture24->setVisible(false);
}

} // namespace lumeport
