// Turning a design row into the live control: the properties each kind of control has.

#include "DesignRow.h"

#include <QApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <QToolTip>

namespace lumeport {

namespace {

void setWidgetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

} // namespace

void ApplyDesign(Control& c, const ControlDesign& d) {
    c.setGeometry(d.left, d.top, d.width, d.height);
    if (d.hasFont) c.setFont(d.font);
    c.setVisible(d.visible);
    c.setEnabled(d.enabled);
    c.setPointer(d.hand ? Pointer::Hand : Pointer::Arrow);
}

void ApplyDesign(Label& c, const ControlDesign& d) {
    ApplyDesign(static_cast<Control&>(c), d);
    if (d.fore.isValid()) c.setForeColor(d.fore);
    if (d.back.isValid()) c.setBackColor(d.back);
    c.setTransparent(!d.opaque);
    c.setWordWrap(d.wordWrap);
    c.setCaption(d.caption);
    c.setAutoSize(d.autoSize);
}

void ApplyDesign(PictureBox& c, const ControlDesign& d) {
    ApplyDesign(static_cast<Control&>(c), d);
    if (d.tooltipLook) c.setBackColor(QToolTip::palette().color(QPalette::ToolTipBase));
    if (d.back.isValid()) c.setBackColor(d.back);
    c.setBorder(d.border);
    if (d.picture != Art::None) c.setArt(d.picture);
}

void ApplyDesign(Image& c, const ControlDesign& d) {
    ApplyDesign(static_cast<Control&>(c), d);
    c.setStretch(d.stretch);
    if (d.picture != Art::None) c.setArt(d.picture);
}

void ApplyDesign(CommandButton& c, const ControlDesign& d) {
    ApplyDesign(static_cast<Control&>(c), d);
    c.setPointer(Pointer::Hand); // every button reacts to a click
    if (d.back.isValid()) c.setBackColor(d.back);
    c.setCaption(d.caption);
    if (d.picture != Art::None) c.setArt(d.picture);
}

void ApplyDesign(TreeView& c, const ControlDesign& d) {
    ApplyDesign(static_cast<Control&>(c), d);
    if (d.back.isValid()) c.setBackColor(d.back);
}

void ApplyDesign(TextBox& c, const ControlDesign& d) {
    ApplyDesign(static_cast<Control&>(c), d);
    if (d.back.isValid()) setWidgetBackground(c.widget(), d.back);
    if (auto* plain = qobject_cast<QPlainTextEdit*>(c.widget()))
        plain->setFrameShape(QFrame::NoFrame);
    c.setText(d.caption);
}

void ApplyDesign(MediaWindow& c, const ControlDesign& d) {
    ApplyDesign(static_cast<Control&>(c), d);
}

QTimer* CreateTimer(Form1& form, const ControlDesign& d) {
    auto* timer = new QTimer(&form);
    timer->setObjectName(d.name);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(d.interval);
    timer->setSingleShot(d.singleShot);
    if (d.enabled) timer->start();
    return timer;
}

} // namespace lumeport
