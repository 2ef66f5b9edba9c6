#include "CommandButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumeport {

class ButtonWidget : public QWidget {
public:
    ButtonWidget(CommandButton* button, QWidget* parent)
        : QWidget(parent)
        , button_(button) {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
    }

protected:
    void paintEvent(QPaintEvent*) override { button_->paint(this, underMouse(), down_); }
    void mousePressEvent(QMouseEvent* e) override {
        down_ = e->button() == Qt::LeftButton;
        update();
    }
    void mouseReleaseEvent(QMouseEvent*) override {
        down_ = false;
        update();
    }
    void leaveEvent(QEvent*) override { update(); }
    void enterEvent(QEnterEvent*) override { update(); }

private:
    CommandButton* button_;
    bool down_ = false;
};

CommandButton::CommandButton(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new ButtonWidget(this, parent), pixelsPerTwip) {}

void CommandButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    widget()->update();
}

void CommandButton::setArt(Art art) {
    art_.setArt(art);
    widget()->update();
}

void CommandButton::setCaption(const QString& caption) {
    caption_ = caption;
    widget()->update();
}

void CommandButton::setBackColor(const QColor& colour) {
    back_ = colour;
    widget()->update();
}

void CommandButton::setEnabled(bool enabled) {
    Control::setEnabled(enabled);
    widget()->update();
}

void CommandButton::paint(QWidget* widget, bool hover, bool down) {
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect r = widget->rect();
    const bool on = widget->isEnabled();
    if (!art_.empty()) {
        painter.setOpacity(on ? (hover ? 1.0 : 0.92) : 0.4);
        painter.drawPixmap(down ? QPoint(1, 1) : QPoint(0, 0), art_.pictureFor(*widget));
        painter.setOpacity(1);
    } else if (!caption_.isEmpty() || picture_.isNull()) {
        painter.setPen(QColor(0x7A, 0x96, 0xDF));
        painter.setBrush(hover && on ? back_.lighter(108) : back_);
        painter.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    }
    if (!picture_.isNull()) {
        const QSizeF size = picture_.deviceIndependentSize();
        QPointF at((r.width() - size.width()) / 2, (r.height() - size.height()) / 2);
        if (down) at += QPointF(1, 1);
        painter.setOpacity(on ? (hover ? 1.0 : 0.92) : 0.4);
        painter.drawPixmap(at, picture_);
        painter.setOpacity(1);
    }
    if (!caption_.isEmpty()) {
        painter.setFont(widget->font());
        painter.setPen(on ? Qt::black : Qt::gray);
        painter.drawText(down ? r.translated(1, 1) : r, Qt::AlignCenter, caption_);
    }
}

} // namespace lumeport
