#pragma once
// The main window. It owns every control of the window's design, created from the design
// table (FormDesign.cpp) under their design names, and all program state. The handlers of the
// subsystems work on it; it holds no logic of its own beyond creating itself.

#include "CommandButton.h"
#include "Control.h"
#include "ControlArray.h"
#include "EditControls.h"
#include "FormState.h"
#include "Label.h"
#include "Line.h"
#include "MediaWindow.h"
#include "PictureControls.h"
#include "TreeView.h"

#include <QHash>
#include <QTimer>

namespace lumeport {

class Form1 : public Control {
    Q_OBJECT
public:
    explicit Form1(double pixelsPerTwip);
    ~Form1() override;

    FormState state;

    // Every design control by name, "Label5(0)" for an element of a control array.
    Control* controlNamed(const QString& name) const { return byName_.value(name); }
    const QHash<QString, Control*>& controls() const { return byName_; }
    void registerControl(Control* control, int index);
    QWidget* containerWidget(const QString& name) const;

    // Closes the window as its close button does: shut-down runs first.
    void Unload();

    // --- frame and title bar
    Image* Image9 = nullptr;  // title bar
    Image* Image28 = nullptr; // centred title picture
    Image* Image29 = nullptr; // program picture
    Label* Label9 = nullptr;
    CommandButton* Command7 = nullptr; // minimise
    Image* Image27 = nullptr;
    CommandButton* Command6 = nullptr; // close
    Image* Image4 = nullptr;           // tab strip
    Label* Label51 = nullptr;          // top strip
    Image* Image5 = nullptr;           // banner
    PictureBox* Picture31 = nullptr;   // banner's link panel
    Label* Label59 = nullptr;          // scrolling link
    Image* Image8 = nullptr;           // separator under the toolbars
    Image* Image22 = nullptr;          // separator of the left column
    Image* Image23 = nullptr;          // separator under the small video
    Image* Image24 = nullptr;          // left edge strip
    Image* Image25 = nullptr;          // right edge strip
    Label* Label46 = nullptr;          // left border line
    Label* Label47 = nullptr;          // right border line

    // --- toolbars of the study views
    PictureBox* Picture13 = nullptr; // full text
    CommandButton* Command14 = nullptr;
    PictureBox* Picture17 = nullptr; // translation
    PictureBox* Picture19 = nullptr; // dictation
    PictureBox* Picture28 = nullptr; // recording

    // --- lesson choice
    CommandButton* Command13 = nullptr; // course panel toggle
    CommandButton* Command9 = nullptr;  // previous lesson
    CommandButton* Command8 = nullptr;  // next lesson
    PictureBox* Picture3 = nullptr;     // course panel
    TreeView* TreeView1 = nullptr;

    // --- media area and subtitle bar
    PictureBox* Picture12 = nullptr;
    MediaWindow* WindowsMediaPlayer1 = nullptr;
    PictureBox* Picture2 = nullptr;
    Label* Label6 = nullptr;
    PictureBox* Picture30 = nullptr;
    ControlArray<Label> WriteWordLabel;
    PictureBox* Picture22 = nullptr;
    Label* Label7 = nullptr;

    Image* Image21 = nullptr; // English check image
    Label* Label44 = nullptr;
    Image* Image26 = nullptr; // Chinese check image
    Label* Label45 = nullptr;

    // --- sentence list (play view)
    PictureBox* Picture1 = nullptr;
    Label* Label39 = nullptr;
    Image* Image30 = nullptr;
    PictureBox* Picture11 = nullptr; // viewport
    PictureBox* Picture10 = nullptr; // content
    Image* Image15 = nullptr;        // background kept still
    ControlArray<Label> Label5;
    CommandButton* Command11 = nullptr;
    CommandButton* Command12 = nullptr;
    Image* Image13 = nullptr; // track
    Image* Image14 = nullptr; // thumb
    PictureBox* Picture7 = nullptr;
    Label* Label40 = nullptr;

    // --- full-text view
    PictureBox* AllWordTextPicture = nullptr;
    PictureBox* AllWordMainPicture = nullptr;
    ControlArray<Label> AllWordTextLabel;
    ControlArray<Line> AllWordLine;
    ControlArray<Label> AllChineseLabel;
    ControlArray<Image> AllVoiceImage;
    CommandButton* AllWordUpCommand = nullptr;
    CommandButton* AllWordDownCommand = nullptr;
    Image* AllWordVScrollImage = nullptr;
    Image* AllWordMoveImage = nullptr;

    // --- translation view
    PictureBox* Picture16 = nullptr; // viewport
    PictureBox* Picture14 = nullptr; // content
    ControlArray<Label> Label14;     // English lines
    ControlArray<Label> Label8;      // Chinese lines
    ControlArray<Label> Label58;     // cover strips
    ControlArray<Image> Image18;     // voice icons
    ControlArray<Line> Line1;        // underline of the current sentence
    CommandButton* Command16 = nullptr;
    CommandButton* Command17 = nullptr;
    Image* Image16 = nullptr; // track
    Image* Image17 = nullptr; // thumb

    // --- dictation view
    PictureBox* Picture18 = nullptr;
    Label* Label28 = nullptr;
    Image* Image20 = nullptr;
    Label* Label21 = nullptr;
    Label* Label16 = nullptr; // English line
    Image* Image19 = nullptr;
    Label* Label22 = nullptr;
    Label* Label17 = nullptr; // Chinese line
    Label* Label23 = nullptr;
    Label* Label24 = nullptr;
    TextBox* Text1 = nullptr; // answer box

    // --- sentence card
    PictureBox* Picture25 = nullptr;
    Image* Image31 = nullptr;
    Label* Label53 = nullptr;
    Label* Label52 = nullptr;        // English line
    PictureBox* Picture29 = nullptr; // word tiles
    ControlArray<Label> SenWordLabel;
    Image* Image32 = nullptr;
    Label* Label54 = nullptr;
    Label* Label56 = nullptr; // Chinese line
    Image* Image33 = nullptr;
    Label* Label55 = nullptr;
    TextBox* Text11 = nullptr;       // note box
    PictureBox* Picture26 = nullptr; // note prompt
    Label* Label57 = nullptr;

    // --- notes view
    PictureBox* Picture27 = nullptr;
    RichTextBox* RichTextBox7 = nullptr;

    // --- bottom bar
    Image* Image6 = nullptr;
    Image* Image7 = nullptr;
    Image* Image10 = nullptr;           // progress end cap
    Image* Image11 = nullptr;           // volume track
    CommandButton* Command29 = nullptr; // mini mode
    CommandButton* Command1 = nullptr;  // play
    CommandButton* Command2 = nullptr;  // pause
    CommandButton* Command3 = nullptr;  // stop
    CommandButton* Command19 = nullptr; // previous sentence
    CommandButton* Command18 = nullptr; // next sentence
    CommandButton* Command10 = nullptr; // repeat
    PictureBox* Picture4 = nullptr;     // progress bar
    PictureBox* Picture5 = nullptr;     // progress thumb
    PictureBox* Picture8 = nullptr;     // volume slider
    PictureBox* Picture9 = nullptr;
    Image* Image12 = nullptr; // volume thumb
    Label* Label12 = nullptr; // elapsed time
    Label* Label11 = nullptr; // total time
    Label* Label13 = nullptr; // course label

    // --- word popup
    PictureBox* WordPicture = nullptr;
    Label* WordEnglishTextLabel = nullptr;
    Label* WordPronTextLabel = nullptr;
    Label* WordChineseTextLabel = nullptr;

    // --- tip box, key sinks, install path
    PictureBox* Picture24 = nullptr;
    Label* Label43 = nullptr;
    KeySink* Combo1 = nullptr;
    KeySink* Combo2 = nullptr;
    KeySink* Combo3 = nullptr;
    TextBox* Text10 = nullptr;

    // --- timers
    QTimer* Timer1 = nullptr; // sentence tracking
    QTimer* Timer2 = nullptr; // continuous tracking
    QTimer* Timer3 = nullptr; // elapsed time
    QTimer* Timer4 = nullptr; // word recording
    QTimer* Timer5 = nullptr; // full-text build
    QTimer* Timer6 = nullptr; // download page
    QTimer* Timer7 = nullptr; // banner link

signals:
    // The window is closing (close button, the window manager, a termination signal).
    void unloading();

private:
    friend class FormWidget;
    void closing();

    QHash<QString, Control*> byName_;
    bool unloaded_ = false;
};

} // namespace lumeport
