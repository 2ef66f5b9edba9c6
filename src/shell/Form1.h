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

    // --- title bar
    Label* Label9 = nullptr;
    CommandButton* Command6 = nullptr; // close
    CommandButton* Command7 = nullptr; // minimise

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

    // --- study panels
    PictureBox* AllWordTextPicture = nullptr;
    PictureBox* AllWordMainPicture = nullptr;
    ControlArray<Label> AllWordTextLabel;
    PictureBox* Picture16 = nullptr;
    PictureBox* Picture14 = nullptr;
    PictureBox* Picture18 = nullptr;
    TextBox* Text1 = nullptr;
    PictureBox* Picture25 = nullptr;
    PictureBox* Picture29 = nullptr;
    ControlArray<Label> SenWordLabel;
    PictureBox* Picture27 = nullptr;
    RichTextBox* RichTextBox7 = nullptr;

    // --- word popup
    PictureBox* WordPicture = nullptr;
    Label* WordEnglishTextLabel = nullptr;

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
