#pragma once
// The controls that hold the keyboard focus: one-line and multi-line text boxes, the rich-text
// box, and the invisible key sinks that give the arrow keys to a scrolled view.

#include "Control.h"
#include "RtfReader.h"

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

namespace lumeport {

class TextBox : public Control {
    Q_OBJECT
public:
    TextBox(const QString& name, QWidget* parent, double pixelsPerTwip, bool multiLine);

    QString text() const;
    void setText(const QString& text);
    void selectAll();
    bool multiLine() const { return plain_ != nullptr; }

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* plain_ = nullptr;
};

class RichTextBox : public Control {
    Q_OBJECT
public:
    RichTextBox(const QString& name, QWidget* parent, double pixelsPerTwip);

    QTextEdit* editor() const { return editor_; }
    QString plainText() const;
    void setPlainText(const QString& text);
    // Loads a rich-text document (text and formatting), or gives it back for saving.
    void setDocument(const RtfContent& content);
    RtfContent document() const;
    void moveCaretToStart();

private:
    QTextEdit* editor_;
};

class KeySink : public Control {
    Q_OBJECT
public:
    KeySink(const QString& name, QWidget* parent, double pixelsPerTwip);
};

} // namespace lumeport
