#include "KeyPreview.h"

#include "Form1.h"

#include <QApplication>
#include <QKeyEvent>

namespace lumeport {

KeyPreview::KeyPreview(Form1& form)
    : form_(form) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    if (qApp) qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* window = form_.widget();
    // A key that nobody takes travels up to the parents; it is seen once, at the first stop.
    QWidget* first = window->focusWidget() ? window->focusWidget() : window;
    if (widget == first && widget->window() == window)
        emit keyDown(static_cast<QKeyEvent*>(event)->key());
    return false;
}

} // namespace lumeport
