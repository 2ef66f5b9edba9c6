#include "Line.h"

#include <QPainter>

namespace lumeport {

class LineWidget : public QWidget {
public:
    LineWidget(Line* line, QWidget* parent)
        : QWidget(parent)
        , line_(line) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override { line_->paint(this); }

private:
    Line* line_;
};

Line::Line(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new LineWidget(this, parent), pixelsPerTwip) {}

// The widget covers the line's bounding box, at least one pixel thick.
void Line::setEnds(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const double onePixel = twipsFromPixels(1);
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::max(std::abs(x2 - x1), onePixel),
                std::max(std::abs(y2 - y1), onePixel));
}

void Line::setColor(const QColor& colour) {
    colour_ = colour;
    widget()->update();
}

void Line::copyLookFrom(const Line& other) {
    colour_ = other.colour_;
    setEnds(other.x1_, other.y1_, other.x2_, other.y2_);
}

void Line::paint(QWidget* widget) {
    QPainter painter(widget);
    painter.setPen(colour_);
    const QRect r = widget->rect();
    const bool down = (x2_ - x1_) * (y2_ - y1_) >= 0;
    if (r.height() <= 1)
        painter.drawLine(0, 0, r.width(), 0);
    else if (r.width() <= 1)
        painter.drawLine(0, 0, 0, r.height());
    else if (down)
        painter.drawLine(r.topLeft(), r.bottomRight());
    else
        painter.drawLine(r.bottomLeft(), r.topRight());
}

} // namespace lumeport
