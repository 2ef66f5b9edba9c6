#pragma once
// Turning the window's design into the window on the learner's screen: scaling to the
// display's resolution, then laying the bars, panels and buttons out against the edges of a
// window that fills the screen above the taskbar. Both run once, at start.

#include <cstdint>

namespace lumeport {

class Display;
class Form1;

// Computes ScaleRatio from the display's resolution (0 dpi counts as 96) and, when it is not
// 1, multiplies the window's and every control's geometry and font size by it.
void ScaleInterface(Form1& form, const Display& display);

// The taskbar's height in pixels, when it lies along the bottom of the screen; 0 otherwise.
std::int16_t GetTaskbarHeight(const Display& display);

// The window at the screen's top-left corner, as wide as the screen and as high as the part
// above the taskbar, with every region placed against its edges.
void LayOutWindow(Form1& form, const Display& display);

} // namespace lumeport
