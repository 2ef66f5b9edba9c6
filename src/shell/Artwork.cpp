#include "Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

namespace lumeport {

namespace {

const QColor Paper(0xED, 0xF2, 0xF9);
const QColor Navy(0x00, 0x29, 0x63);
const QColor Blue(0x36, 0x6A, 0xB3);
const QColor Sky(0x61, 0x94, 0xDD);
const QColor White(0xFF, 0xFF, 0xFF);

// Every drawing works in a 16 x 16 box; the painter is scaled to the requested size.
using Drawing = std::function<void(QPainter&)>;

void treePage(QPainter& p) {
    p.fillRect(QRectF(0, 0, 16, 16), Paper);
    p.setPen(QPen(Blue, 1));
    p.setBrush(White);
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setPen(QPen(Sky, 1));
    for (double y : {4.5, 6.5, 8.5, 10.5, 12.5})
        p.drawLine(QPointF(5, y), QPointF(11, y));
}

void treeBook(QPainter& p) {
    p.fillRect(QRectF(0, 0, 16, 16), Paper);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRoundedRect(QRectF(2, 1.5, 11, 13), 1.5, 1.5);
    p.setBrush(White);
    p.drawRect(QRectF(12, 3, 2, 10.5));
    p.setBrush(Navy);
    p.drawRect(QRectF(2, 1.5, 2, 13));
    p.setPen(QPen(White, 1));
    p.drawLine(QPointF(6, 5.5), QPointF(11, 5.5));
}

void roundButton(QPainter& p) {
    p.setPen(QPen(White, 1));
    p.setBrush(Sky);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
}

void arrow(QPainter& p, bool right) {
    roundButton(p);
    QPainterPath path;
    const double tip = right ? 11 : 5, back = right ? 6 : 10;
    path.moveTo(back, 4);
    path.lineTo(tip, 8);
    path.lineTo(back, 12);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawPath(path);
}

void panelToggle(QPainter& p) {
    roundButton(p);
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawRect(QRectF(3.5, 4, 3, 8));
    p.setBrush(Paper);
    p.drawRect(QRectF(7.5, 4, 5, 8));
}

void closeCross(QPainter& p) {
    p.setPen(QPen(White, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 4), QPointF(11, 12));
    p.drawLine(QPointF(11, 4), QPointF(5, 12));
}

void minimiseBar(QPainter& p) {
    p.setPen(QPen(White, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 11), QPointF(11.5, 11));
}

const Drawing& drawingOf(Art art) {
    static const std::array<Drawing, 8> drawings = {
        [](QPainter&) {},
        treePage,
        treeBook,
        [](QPainter& p) { arrow(p, false); },
        [](QPainter& p) { arrow(p, true); },
        panelToggle,
        closeCross,
        minimiseBar,
    };
    return drawings[static_cast<size_t>(art)];
}

} // namespace

QPixmap DrawArt(Art art, QSize size, qreal devicePixelRatio) {
    if (art == Art::None || size.isEmpty()) return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 16.0, size.height() / 16.0);
    drawingOf(art)(painter);
    return pixmap;
}

} // namespace lumeport
