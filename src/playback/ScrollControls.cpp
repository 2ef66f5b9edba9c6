#include "ScrollControls.h"

#include "Form1.h"

#include <cmath>

namespace lumeport {

namespace {
constexpr double Step = 500;
constexpr double TrackTop = 255; // the thumb's highest top, just below the up button
} // namespace

void ScrollStepUp(const ScrolledPanel& p) {
    const double top = p.content->top();
    p.setContentTop(top <= -Step * p.r ? top + Step * p.r : 0);
    PlaceScrollThumb(p);
}

void ScrollStepDown(const ScrolledPanel& p) {
    const double top = p.content->top();
    const double viewport = p.viewport->height();
    const double height = p.content->height();
    p.setContentTop(height + top - viewport < Step * p.r ? viewport - height : top - Step * p.r);
    PlaceScrollThumb(p);
}

void DragThumbTo(const ScrolledPanel& p, double thumbTop) {
    Image& thumb = *p.thumb;
    const double highest = TrackTop * p.r;
    thumb.setTop(std::max(thumbTop, highest));
    if (thumb.top() + thumb.height() > p.down->top()) thumb.setTop(p.down->top() - thumb.height());
    const double track = p.down->top() - p.up->top() - thumb.height() - highest;
    if (track <= 0) return;
    const double percent = std::floor((thumb.top() - highest) / track * 100);
    p.setContentTop(percent * (p.viewport->height() - p.content->height()) / 100);
}

ScrollControls::ScrollControls(Form1& form, std::function<ScrolledPanel()> panel, KeySink* sink,
                               std::function<void()> afterButton)
    : form_(form)
    , panel_(std::move(panel)) {
    const ScrolledPanel p = panel_();
    connect(p.up, &Control::clicked, this, [this, afterButton] {
        ScrollStepUp(panel_());
        if (afterButton) afterButton();
    });
    connect(p.down, &Control::clicked, this, [this, afterButton] {
        ScrollStepDown(panel_());
        if (afterButton) afterButton();
    });
    connect(p.thumb, &Control::mouseDown, this, [this](Qt::MouseButton, double x, double y) {
        form_.state.DragAnchorX = x;
        form_.state.DragAnchorY = y;
    });
    connect(p.thumb, &Control::mouseMove, this, [this](Qt::MouseButtons buttons, double, double y) {
        if (!(buttons & Qt::LeftButton)) return;
        const ScrolledPanel panel = panel_();
        DragThumbTo(panel, panel.thumb->top() - form_.state.DragAnchorY + y);
    });
    if (sink) connect(sink, &Control::keyDown, this, &ScrollControls::KeyDown);
}

void ScrollControls::KeyDown(int key) {
    const ScrolledPanel p = panel_();
    if (!p.thumb->visible()) return;
    if (key == Qt::Key_Up) ScrollStepUp(p);
    if (key == Qt::Key_Down) ScrollStepDown(p);
    PlaceScrollThumb(p);
}

} // namespace lumeport
