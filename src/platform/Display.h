#pragma once
// What the program asks of the display and the desktop.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lumeport {

class Display {
public:
    virtual ~Display() = default;
    // The display's horizontal logical resolution in dots per inch (0 when it cannot tell).
    virtual int HorizontalDpi() const = 0;
    // The whole screen and the part of it the taskbar leaves free, in pixels.
    virtual QSize ScreenSize() const = 0;
    virtual QRect WorkArea() const = 0;
    // The mouse position in screen pixels.
    virtual QPoint MousePosition() const = 0;
};

// The primary screen, as Qt reports it.
class QtDisplay : public Display {
public:
    int HorizontalDpi() const override;
    QSize ScreenSize() const override;
    QRect WorkArea() const override;
    QPoint MousePosition() const override;
};

} // namespace lumeport
