#include "PictureControls.h"

#include <QPainter>

namespace lumeport {

class PanelWidget : public QWidget {
public:
    PanelWidget(PictureBox* box, QWidget* parent)
        : QWidget(parent)
        , box_(box) {}

protected:
    void paintEvent(QPaintEvent*) override { box_->paint(this); }

private:
    PictureBox* box_;
};

class ImageWidget : public QWidget {
public:
    ImageWidget(Image* image, QWidget* parent)
        : QWidget(parent)
        , image_(image) {}

protected:
    void paintEvent(QPaintEvent*) override { image_->paint(this); }

private:
    Image* image_;
};

PictureBox::PictureBox(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new PanelWidget(this, parent), pixelsPerTwip) {}

void PictureBox::setBackColor(const QColor& colour) {
    back_ = colour;
    widget()->update();
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    widget()->update();
}

void PictureBox::setArt(Art art) {
    art_.setArt(art);
    widget()->update();
}

void PictureBox::setBorder(bool border) {
    border_ = border;
    widget()->update();
}

void PictureBox::paint(QWidget* widget) {
    QPainter painter(widget);
    painter.fillRect(widget->rect(), back_);
    if (!art_.empty()) painter.drawPixmap(0, 0, art_.pictureFor(*widget));
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
    if (border_) {
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
    }
}

Image::Image(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new ImageWidget(this, parent), pixelsPerTwip) {}

void Image::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!stretch_) fitToPicture();
    widget()->update();
}

void Image::setArt(Art art) {
    picture_ = {};
    art_.setArt(art);
    widget()->update();
}

void Image::setStretch(bool stretch) {
    stretch_ = stretch;
    if (!stretch_) fitToPicture();
    widget()->update();
}

void Image::fitToPicture() {
    if (picture_.isNull()) return;
    const QSizeF size = picture_.deviceIndependentSize();
    setSizeQuietly(twipsFromPixels(size.width()), twipsFromPixels(size.height()));
}

void Image::copyLookFrom(const Image& other) {
    stretch_ = other.stretch_;
    picture_ = other.picture_;
    art_.setArt(other.art_.art());
    setPointer(other.pointer());
    setGeometry(left(), top(), other.width(), other.height());
}

void Image::paint(QWidget* widget) {
    QPainter painter(widget);
    if (!art_.empty()) {
        painter.drawPixmap(0, 0, art_.pictureFor(*widget));
        return;
    }
    if (picture_.isNull()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        painter.drawPixmap(widget->rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}

} // namespace lumeport
