#pragma once
// The scroll bar every scrolled view draws itself: the up and down buttons, the thumb dragged
// in whole-percent steps, and the arrow keys of the view's key sink.

#include "ScrolledPanel.h"

#include <QObject>
#include <functional>

namespace lumeport {

class Form1;
class KeySink;

// One step up or down, 500 twips (scaled), landing exactly on either end.
void ScrollStepUp(const ScrolledPanel& panel);
void ScrollStepDown(const ScrolledPanel& panel);
// The thumb moved by a drag to `thumbTop`, within its track; the content follows.
void DragThumbTo(const ScrolledPanel& panel, double thumbTop);

// Wires a view's scroll buttons, thumb and key sink. `panel` is asked afresh each time, as the
// view's geometry may have changed; `afterButton` runs after a button's step (the sentence list
// gives the keyboard focus back to its key sink there).
class ScrollControls : public QObject {
    Q_OBJECT
public:
    ScrollControls(Form1& form, std::function<ScrolledPanel()> panel, KeySink* sink,
                   std::function<void()> afterButton = {});

    void KeyDown(int key);

private:
    Form1& form_;
    std::function<ScrolledPanel()> panel_;
};

} // namespace lumeport
