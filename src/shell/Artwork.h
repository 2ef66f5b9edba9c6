#pragma once
// The program's own pictures, drawn in code so they stay crisp at every scale: one consistent
// set of simple flat shapes in the window's blues.

#include <QPixmap>
#include <QSize>

namespace lumeport {

enum class Art {
    None,
    TreePage,       // a lesson in the course tree: a page with lines of text
    TreeBook,       // the course in the course tree: a blue book
    LessonPrevious, // previous-lesson button
    LessonNext,     // next-lesson button
    PanelToggle,    // opens and closes the course panel
    Close,          // title-bar close button
    Minimise,       // title-bar minimise button
};

// The picture at `size` device-independent pixels, rendered for `devicePixelRatio`.
QPixmap DrawArt(Art art, QSize size, qreal devicePixelRatio = 1.0);

} // namespace lumeport
