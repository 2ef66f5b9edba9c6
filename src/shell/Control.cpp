#include "Control.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace lumeport {

Control::Control(const QString& name, QWidget* widget, double pixelsPerTwip)
    : name_(name)
    , widget_(widget)
    , pixelsPerTwip_(pixelsPerTwip) {
    widget_->setObjectName(name);
    widget_->setMouseTracking(true);
    watch(widget_);
    setFont(font_);
}

Control::~Control() {
    delete widget_.data();
}

void Control::watch(QWidget* widget) {
    widget->installEventFilter(this);
}

int Control::pixelsFromTwips(double twips) const {
    return static_cast<int>(std::lround(twips * pixelsPerTwip_));
}

void Control::setLeft(double twips) {
    setGeometry(twips, top_, width_, height_);
}
void Control::setTop(double twips) {
    setGeometry(left_, twips, width_, height_);
}
void Control::setWidth(double twips) {
    setGeometry(left_, top_, twips, height_);
}
void Control::setHeight(double twips) {
    setGeometry(left_, top_, width_, twips);
}

void Control::setGeometry(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0.0);
    height_ = std::max(height, 0.0);
    applyGeometry();
}

void Control::setSizeQuietly(double width, double height) {
    width_ = width;
    height_ = height;
    Control::applyGeometry();
}

void Control::applyGeometry() {
    if (!widget_) return;
    // Round the edges rather than the sizes, so that controls laid edge to edge in twips stay
    // edge to edge in pixels.
    const int x = pixelsFromTwips(left_);
    const int y = pixelsFromTwips(top_);
    const int w = pixelsFromTwips(left_ + width_) - x;
    const int h = pixelsFromTwips(top_ + height_) - y;
    widget_->setGeometry(x, y, std::max(w, 0), std::max(h, 0));
}

bool Control::visible() const {
    return widget_ && !widget_->isHidden();
}

void Control::setVisible(bool visible) {
    if (widget_) widget_->setVisible(visible);
}

bool Control::enabled() const {
    return widget_ && widget_->isEnabled();
}

void Control::setEnabled(bool enabled) {
    if (widget_) widget_->setEnabled(enabled);
}

void Control::setPointer(Pointer pointer) {
    pointer_ = pointer;
    if (widget_)
        widget_->setCursor(pointer == Pointer::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Control::bringToFront() {
    if (widget_) widget_->raise();
}

void Control::setFocus() {
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const {
    return widget_ && widget_->hasFocus();
}

void Control::setFont(const FontDesign& font) {
    font_ = font;
    qtFont_ = QFont(font.family);
    qtFont_.setPointSizeF(font.pointSize);
    qtFont_.setBold(font.bold);
    qtFont_.setItalic(font.italic);
    qtFont_.setUnderline(font.underline);
    if (widget_) widget_->setFont(qtFont_);
}

bool Control::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        handleMouse(event);
        break;
    case QEvent::KeyPress:
        emit keyDown(static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::FocusOut:
        emit lostFocus();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// Mouse events in the order a learner's hand makes them: down, up, then click when the
// press and release were both on the control; a double click replaces the second down.
bool Control::handleMouse(QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF p = mouse->position();
    const double x = twipsFromPixels(p.x());
    const double y = twipsFromPixels(p.y());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressedInside_ = true;
        emit mouseDown(mouse->button(), x, y);
        break;
    case QEvent::MouseButtonDblClick:
        afterDoubleClick_ = true;
        emit doubleClicked();
        break;
    case QEvent::MouseButtonRelease: {
        const bool click = pressedInside_ && !afterDoubleClick_ &&
                           mouse->button() == Qt::LeftButton && widget_ &&
                           widget_->rect().contains(p.toPoint());
        pressedInside_ = false;
        afterDoubleClick_ = false;
        // A handler may remove this very control (a lesson load removes the rows).
        QPointer<Control> self(this);
        emit mouseUp(mouse->button(), x, y);
        if (self && click) emit clicked();
        break;
    }
    default:
        emit mouseMove(mouse->buttons(), x, y);
        break;
    }
    return false;
}

} // namespace lumeport
