#pragma once
// A straight line between two points of its container, as an underline or a rule.

#include "Control.h"

#include <QColor>

namespace lumeport {

class Line : public Control {
    Q_OBJECT
public:
    Line(const QString& name, QWidget* parent, double pixelsPerTwip);

    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    // Both end points in twips of the container.
    void setEnds(double x1, double y1, double x2, double y2);
    void setColor(const QColor& colour);
    void copyLookFrom(const Line& other);

private:
    friend class LineWidget;
    void paint(QWidget* widget);
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor colour_ = QColor(0x80, 0x80, 0x80);
};

} // namespace lumeport
