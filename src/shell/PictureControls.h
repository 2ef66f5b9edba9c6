#pragma once
// Picture panels (containers that clip their children and may carry a picture at their
// top-left corner) and images (a picture, stretched to its frame or at its natural size).

#include "ArtCache.h"
#include "Control.h"

#include <QColor>
#include <QPixmap>

namespace lumeport {

class PictureBox : public Control {
    Q_OBJECT
public:
    PictureBox(const QString& name, QWidget* parent, double pixelsPerTwip);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor& colour);
    void setPicture(const QPixmap& picture);
    // One of the program's pictures, filling the panel.
    void setArt(Art art);
    void setBorder(bool border);

private:
    friend class PanelWidget;
    void paint(QWidget* widget);
    QColor back_ = QColor(0xEC, 0xE9, 0xD8);
    QPixmap picture_;
    ArtCache art_;
    bool border_ = false;
};

class Image : public Control {
    Q_OBJECT
public:
    Image(const QString& name, QWidget* parent, double pixelsPerTwip);

    const QPixmap& picture() const { return picture_; }
    // Without stretching the frame takes the picture's natural size.
    void setPicture(const QPixmap& picture);
    // One of the program's pictures, drawn at the image's size.
    void setArt(Art art);
    Art art() const { return art_.art(); }
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    void copyLookFrom(const Image& other);

private:
    friend class ImageWidget;
    void fitToPicture();
    void paint(QWidget* widget);
    QPixmap picture_;
    ArtCache art_;
    bool stretch_ = false;
};

} // namespace lumeport
