#pragma once
// The three scrolled views (sentence list, translation rows, full text) move a tall content
// panel inside a fixed viewport, with a scroll bar the program draws itself: an up button, a
// down button and a thumb between them.

namespace lumeport {

class CommandButton;
class Control;
class Form1;
class Image;
class PictureBox;

struct ScrolledPanel {
    PictureBox* viewport;
    PictureBox* content;
    CommandButton* up;
    CommandButton* down;
    Image* thumb;
    Image* background; // kept still while the content moves (sentence list only)
    double r;          // ScaleRatio

    static ScrolledPanel SentenceList(Form1& form);
    static ScrolledPanel Translation(Form1& form);
    static ScrolledPanel FullText(Form1& form);

    // Moves the content; the list's background follows so that it stands still.
    void setContentTop(double top) const;
};

// Puts the thumb at the place of the content's scroll position, in whole-percent steps.
void PlaceScrollThumb(const ScrolledPanel& panel);
// Scrolls half a viewport down (or to the end) when the row's bottom lies below the viewport.
void KeepRowInView(const ScrolledPanel& panel, const Control* row);
// Scrolls the row to mid-height, within the content's range; nothing when the content fits.
void CenterRow(const ScrolledPanel& panel, const Control* row);

} // namespace lumeport
