#pragma once
// One of the program's pictures as a control shows it: drawn again only when the control's
// size or the screen's pixel ratio changes, so it is crisp at whatever size the layout gives.

#include "Artwork.h"

#include <QPixmap>
#include <QWidget>

namespace lumeport {

class ArtCache {
public:
    Art art() const { return art_; }
    void setArt(Art art) {
        art_ = art;
        pixmap_ = {};
    }
    bool empty() const { return art_ == Art::None; }
    const QPixmap& pictureFor(const QWidget& widget) { return pictureAt(widget.size(), widget); }
    const QPixmap& pictureAt(QSize size, const QWidget& widget) {
        const qreal ratio = widget.devicePixelRatioF();
        if (pixmap_.isNull() || pixmap_.deviceIndependentSize().toSize() != size ||
            pixmap_.devicePixelRatio() != ratio)
            pixmap_ = DrawArt(art_, size, ratio);
        return pixmap_;
    }

private:
    Art art_ = Art::None;
    QPixmap pixmap_;
};

} // namespace lumeport
