#pragma once

#include "Display.h"

namespace lumeport {

// A screen the test chooses: 96 dpi, 1600 x 900 with a 40-pixel taskbar unless told otherwise.
class FakeDisplay : public Display {
public:
    int dpi = 96;
    QSize screen{1600, 900};
    QRect workArea{0, 0, 1600, 860};
    QPoint mouse{0, 0};

    int HorizontalDpi() const override { return dpi; }
    QSize ScreenSize() const override { return screen; }
    QRect WorkArea() const override { return workArea; }
    QPoint MousePosition() const override { return mouse; }
};

} // namespace lumeport
