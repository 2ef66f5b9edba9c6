#include "ScrolledPanel.h"

#include "Form1.h"

#include <cmath>

namespace lumeport {

ScrolledPanel ScrolledPanel::SentenceList(Form1& f) {
    return {f.Picture11, f.Picture10, f.Command11,       f.Command12,
            f.Image14,   f.Image15,   f.state.ScaleRatio};
}

ScrolledPanel ScrolledPanel::Translation(Form1& f) {
    return {f.Picture16, f.Picture14, f.Command16,       f.Command17,
            f.Image17,   nullptr,     f.state.ScaleRatio};
}

ScrolledPanel ScrolledPanel::FullText(Form1& f) {
    return {f.AllWordTextPicture, f.AllWordMainPicture, f.AllWordUpCommand,
            f.AllWordDownCommand, f.AllWordMoveImage,   nullptr,
            f.state.ScaleRatio};
}

void ScrolledPanel::setContentTop(double top) const {
    content->setTop(top);
    if (background) background->setTop(-top);
}

void PlaceScrollThumb(const ScrolledPanel& p) {
    const double range = p.content->height() - p.viewport->height();
    if (range <= 0) return; // nothing to scroll: the thumb stays where it is
    const double percent = std::floor(-p.content->top() / range * 100);
    const double track = p.down->top() - p.up->top() - p.thumb->height() - 255 * p.r;
    p.thumb->setTop(percent * track / 100 + 255 * p.r);
}

void KeepRowInView(const ScrolledPanel& p, const Control* row) {
    if (!row) return;
    const double viewport = p.viewport->height();
    if (p.content->top() + row->top() + row->height() <= viewport) return;
    const double remaining = p.content->height() - viewport + p.content->top();
    const double half = std::floor(std::nearbyint(viewport) / 2);
    p.setContentTop(remaining >= half ? p.content->top() - half : viewport - p.content->height());
    PlaceScrollThumb(p);
}

void CenterRow(const ScrolledPanel& p, const Control* row) {
    if (!row) return;
    const double viewport = p.viewport->height();
    const double height = p.content->height();
    if (height <= viewport) return;
    p.setContentTop(viewport / 2 - row->top());
    PlaceScrollThumb(p);
    if (-p.content->top() > height - viewport) {
        p.setContentTop(viewport - height);
        PlaceScrollThumb(p);
    }
    if (p.content->top() > 0) {
        p.setContentTop(0);
        PlaceScrollThumb(p);
    }
}

} // namespace lumeport
