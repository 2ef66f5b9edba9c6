#pragma once
// The window's design as data: one row per control, in creation order (containers first),
// with its design name, kind (the type of its member in Form1), container, geometry in twips,
// caption, font, colours and initial state.

#include "Artwork.h"
#include "Control.h"

#include <QColor>
#include <QString>
#include <functional>
#include <vector>

namespace lumeport {

class Form1;

struct ControlDesign {
    QString name;
    int index = -1; // element of a control array (0: its template); -1 for a single control
    QString container = QStringLiteral("Form1");
    double left = 0, top = 0, width = 0, height = 0;
    QString caption;
    FontDesign font;
    bool hasFont = false;
    QColor fore, back; // invalid: the kind's default
    bool opaque = false;
    bool autoSize = false;
    bool wordWrap = false;
    bool visible = true;
    bool enabled = true;
    bool hand = false;
    bool border = false;
    bool stretch = false;
    bool multiLine = false;
    bool tooltipLook = false; // the system's tooltip colours
    Art picture = Art::None;
    int interval = 0; // timers
    bool singleShot = false;
    std::function<void(Form1&, const ControlDesign&)> create;
};

// The window itself.
struct WindowDesign {
    double width, height;
    QColor back;
    QString caption;
};

const WindowDesign& Form1WindowDesign();
const std::vector<ControlDesign>& Form1Design();

} // namespace lumeport
