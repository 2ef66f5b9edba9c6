#include "WindowLayout.h"

#include "Display.h"
#include "Form1.h"

#include <cmath>
#include <limits>

namespace lumeport {

namespace {

double twipsPerPixel(const Display& display) {
    const int dpi = display.HorizontalDpi();
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

void scaleControl(Control& c, double r) {
    if (auto* line = qobject_cast<Line*>(&c)) {
        line->setEnds(line->x1() * r, line->y1() * r, line->x2() * r, line->y2() * r);
        line->bringToFront();
        return;
    }
    c.setGeometry(c.left() * r, c.top() * r, c.width() * r, c.height() * r);
    FontDesign font = c.font();
    font.pointSize *= r;
    c.setFont(font);
}

// Steps 1 and 2: the window fills the screen's width and the height above the taskbar.
void fillScreen(Form1& f, const Display& display, double r) {
    const double tpp = twipsPerPixel(display);
    const int taskbar = GetTaskbarHeight(display);
    const int taskbarTwips = std::min(taskbar * 15, int(std::numeric_limits<std::int16_t>::max()));
    f.setGeometry(0, 0, display.ScreenSize().width() * tpp,
                  display.ScreenSize().height() * tpp - taskbarTwips * r);
}

// Steps 3 to 35: widths and lefts against the window's left and right edges.
void layOutAcross(Form1& f, double W, double r) {
    f.Picture1->setLeft(W - f.Picture1->width() - 105 * r);                   // 3
    f.Picture12->setWidth(f.Picture1->left() - f.Picture12->left() - 30 * r); // 4
    f.Picture16->setWidth(W - f.Picture16->left() - 105 * r);                 // 5
    f.Picture18->setWidth(f.Picture16->width());                              // 6
    f.Picture14->setWidth(f.Picture16->width() - 255 * r);                    // 7
    f.WindowsMediaPlayer1->setWidth(f.Picture12->width());                    // 8
    f.Image5->setLeft(W - f.Image5->width() + 60 * r);                        // 9
    f.Picture31->setLeft(f.Image5->left() + 360 * r);                         // 10
    f.Picture2->setWidth(f.WindowsMediaPlayer1->width());                     // 11
    f.Picture22->setWidth(f.Picture2->width());
    f.Picture25->setWidth(f.Picture18->width()); // 12
    f.Picture27->setWidth(f.Picture25->width());
    f.Picture30->setWidth(f.Picture2->width() - f.Label6->left() - 60 * r);  // 13
    f.RichTextBox7->setWidth(f.Picture27->width() - f.RichTextBox7->left()); // 14
    f.Label51->setWidth(W - 900 * r);                                        // 15
    f.Label52->setWidth(f.Picture25->width() - f.Label52->left() - 60 * r);  // 16
    f.Picture29->setWidth(f.Label52->width());
    f.Label56->setWidth(f.Label52->width());
    f.Label58.Template()->setWidth(f.Picture16->width() - 300 * r); // 17
    f.Image7->setLeft(W - f.Image7->width());                       // 18
}

void layOutAcrossRightEdge(Form1& f, double W, double r) {
    f.Image16->setLeft(f.Picture16->width() - f.Image16->width() + 15 * r); // 19
    f.Image17->setLeft(f.Image16->left() + 15 * r);
    f.Image25->setLeft(W - f.Image25->width());            // 20
    f.Image28->setLeft(W / 2 - f.Image28->width() / 2);    // 21
    f.Command6->setLeft(W - f.Command6->width() - 60 * r); // 22
    f.Command7->setLeft(W - f.Command6->width() - f.Command7->width() - f.Image27->width() -
                        160 * r);                                           // 23
    f.Label47->setLeft(W - 15);                                             // 24, unscaled
    f.Label16->setWidth(f.Picture18->width() - f.Label16->left() - 60 * r); // 25
    f.Label17->setWidth(f.Label16->width());
    f.Text1->setWidth(f.Label16->width());
    f.Text11->setWidth(f.Picture25->width() - f.Text11->left() - 60 * r); // 26
    f.Command16->setLeft(f.Picture16->width() - f.Command16->width());    // 27
    f.Command17->setLeft(f.Command16->left());
    f.Command29->setLeft(W - 535 * r);                                          // 28
    f.Image27->setLeft(W - f.Image27->width() - f.Command6->width() - 105 * r); // 29
    f.Picture7->setLeft(f.Picture1->left());                                    // 30
    f.Picture18->setLeft(f.Picture16->left());                                  // 31
    f.Picture25->setLeft(f.Picture18->left());
    f.Picture27->setLeft(f.Picture25->left());
    f.Picture28->setLeft(W - f.Picture28->width() - 90 * r); // 32
    f.Picture18->setTop(f.Picture16->top());                 // 33
    f.Picture25->setTop(f.Picture18->top());
    f.Picture27->setTop(f.Picture25->top());
    f.Label12->setLeft(W - 2500 * r); // 34
    f.Label11->setLeft(f.Label12->left() + f.Label12->width());
    f.AllWordTextPicture->setWidth(f.Picture16->width()); // 35
}

// Steps 36 to 42: heights of the media area and the content area.
void layOutDown(Form1& f, double H, double r) {
    f.Picture12->setHeight(H - 2485 * r); // 36
    for (Control* c :
         {static_cast<Control*>(f.Picture16), static_cast<Control*>(f.AllWordTextPicture),
          static_cast<Control*>(f.Picture18), static_cast<Control*>(f.Picture25),
          static_cast<Control*>(f.Picture27)})
        c->setHeight(f.Picture12->height());                            // 37
    f.Command17->setTop(f.Picture16->height() - f.Command17->height()); // 38
    f.WindowsMediaPlayer1->setHeight(f.Picture12->height());            // 39
    f.Picture2->setTop(f.WindowsMediaPlayer1->top() + f.WindowsMediaPlayer1->height() -
                       f.Picture2->height());                         // 40
    f.Picture3->setTop(f.Picture16->top());                           // 41
    f.Picture1->setHeight(f.WindowsMediaPlayer1->height() - 115 * r); // 42
}

// Steps 43 to 55: the bottom bar and what hangs on the bottom edge.
void layOutBottom(Form1& f, double H, double r) {
    f.Image6->setTop(H - f.Image6->height()); // 43
    f.Image7->setTop(f.Image6->top());
    f.Command2->setTop(H - 640 * r); // 44
    f.Command1->setTop(f.Command2->top());
    f.Command3->setTop(f.Command2->top() + 60 * r);
    f.Picture3->setHeight(H - f.Picture3->top() - 885 * r); // 45
    f.TreeView1->setHeight(f.Picture3->height());
    f.Picture4->setTop(f.Image6->top() + 45 * r); // 46
    f.Picture5->setTop(f.Picture4->top() - 15 * r);
    f.Image10->setTop(f.Picture4->top() - 15 * r);
    f.Picture7->setTop(f.Image6->top() - f.Picture7->height() + 15 * r); // 47
    f.Picture8->setTop(f.Command3->top() + 150 * r);                     // 48
    for (Control* c : {f.Command10, f.Command18, f.Command19})
        c->setTop(f.Command3->top());                                  // 49
    f.Command29->setTop(H - 525 * r);                                  // 50
    f.Picture19->setTop(1185 * r);                                     // 51
    f.RichTextBox7->setHeight(f.Picture12->height());                  // 52
    f.Picture11->setHeight(f.Picture1->height() - f.Picture11->top()); // 53
    f.Command12->setTop(f.Picture11->height() - 270 * r);
    f.Text11->setHeight(f.Picture25->height() - f.Text11->top() - 60 * r); // 54
    f.Label11->setTop(f.Image6->top() + 450 * r);                          // 55
    f.Label12->setTop(f.Label11->top());
    f.Label13->setTop(f.Label11->top());
}

// After the steps above: the strips the design draws across the whole window take its width
// and height, and the progress bar's end cap marks the end of the bar's full length.
void layOutStrips(Form1& f, double W, double H, double r) {
    for (Control* strip : {f.Image9, f.Image4, f.Image8, f.Image6})
        strip->setWidth(W);
    for (Control* border : {f.Label46, f.Label47})
        border->setHeight(H);
    for (Control* edge : {f.Image24, f.Image25})
        edge->setHeight(f.Image6->top() - edge->top());
    f.Image10->setLeft(f.Picture4->left() + W - 1400 * r - f.Image10->width() / 2);
}

} // namespace

void ScaleInterface(Form1& form, const Display& display) {
    const int dpi = display.HorizontalDpi();
    if (dpi == 0) return; // ScaleRatio stays 1: a display that reports no resolution
    form.state.ScaleRatio = static_cast<float>(1440.0 / dpi / 15.0);
    const double r = form.state.ScaleRatio;
    if (dpi == 96 || r == 1) return;
    for (Control* control : form.controls())
        scaleControl(*control, r);
    form.setVisible(true);
}

std::int16_t GetTaskbarHeight(const Display& display) {
    const QRect work = display.WorkArea();
    const double bottom = work.y() + work.height();
    const double taskbar = std::nearbyint(display.ScreenSize().height() - bottom);
    return static_cast<std::int16_t>(std::clamp(taskbar, 0.0, 32767.0));
}

void LayOutWindow(Form1& form, const Display& display) {
    const double r = form.state.ScaleRatio;
    fillScreen(form, display, r);
    const double W = form.width();
    const double H = form.height();
    layOutAcross(form, W, r);
    layOutAcrossRightEdge(form, W, r);
    layOutDown(form, H, r);
    layOutBottom(form, H, r);
    layOutStrips(form, W, H, r);
}

} // namespace lumeport
