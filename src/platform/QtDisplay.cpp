#include "Display.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace lumeport {

namespace {
QScreen* screen() {
    return QGuiApplication::primaryScreen();
}
} // namespace

int QtDisplay::HorizontalDpi() const {
    QScreen* s = screen();
    return s ? static_cast<int>(std::lround(s->logicalDotsPerInchX())) : 0;
}

QSize QtDisplay::ScreenSize() const {
    QScreen* s = screen();
    return s ? s->geometry().size() : QSize();
}

QRect QtDisplay::WorkArea() const {
    QScreen* s = screen();
    return s ? s->availableGeometry() : QRect();
}

QPoint QtDisplay::MousePosition() const {
    return QCursor::pos();
}

} // namespace lumeport
