#pragma once
// The program's own pictures, drawn in code at the size they are shown, so they stay crisp at
// every scale: one consistent set of simple flat shapes in the window's blues.

#include <QPixmap>
#include <QSize>

namespace lumeport {

enum class Art {
    None,
    // Course tree
    TreePage, // a lesson: a page with lines of text
    TreeBook, // the course: a blue book
    // Buttons above the media area and in the title bar
    LessonPrevious,
    LessonNext,
    PanelToggle,
    Close,
    Minimise,
    // The window's frame and bars (drawn at any width or height they are given)
    TitleBar,          // Image9: the strip behind the title
    TitleEmblem,       // Image28: the centred picture of the title bar
    TitleDivider,      // Image27: between the minimise and close buttons
    ProgramMark,       // Image29: the program's picture at the top-left corner
    TabStrip,          // Image4: behind the tabs
    Banner,            // Image5: the banner at the right end of the tab strip
    LinkPanel,         // Picture31: the banner's link panel
    Separator,         // Image8, Image23: a horizontal rule 45 twips high
    VerticalSeparator, // Image22: a vertical rule 45 twips wide
    EdgeStrip,         // Image24, Image25: the left and right edge strips
    ListRule,          // Image30: the rule under the sentence list's heading
    BottomBar,         // Image6
    BottomBarEnd,      // Image7: the picture at the bar's right end
    // Transport
    Play,
    Pause,
    Stop,
    PreviousSentence,
    NextSentence,
    Repeat,
    MiniMode,
    ProgressFill,  // Picture4: the filled part of the progress bar
    ProgressThumb, // Picture5
    ProgressEnd,   // Image10: the end cap of the progress bar
    VolumeTrack,   // Image11
    VolumeFill,    // Picture9
    VolumeThumb,   // Image12
    // Scroll bars of the sentence list, translation and full text
    ScrollUp,
    ScrollDown,
    ScrollTrack,
    ScrollThumb,
    ListBackground, // Image15: behind the sentence list's rows
    Speaker,        // the voice icon of a sentence (870 x 270 twips)
    Count
};

// The picture at `size` device-independent pixels, rendered for `devicePixelRatio`.
QPixmap DrawArt(Art art, QSize size, qreal devicePixelRatio = 1.0);

} // namespace lumeport
