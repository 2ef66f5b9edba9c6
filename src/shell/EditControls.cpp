#include "EditControls.h"

#include "RichTextDocument.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace lumeport {

static QWidget* makeEditor(QWidget* parent, bool multiLine) {
    if (multiLine) return new QPlainTextEdit(parent);
    return new QLineEdit(parent);
}

TextBox::TextBox(const QString& name, QWidget* parent, double pixelsPerTwip, bool multiLine)
    : Control(name, makeEditor(parent, multiLine), pixelsPerTwip) {
    if (multiLine) {
        plain_ = static_cast<QPlainTextEdit*>(widget());
        watch(plain_->viewport());
    } else {
        line_ = static_cast<QLineEdit*>(widget());
    }
}

QString TextBox::text() const {
    return plain_ ? plain_->toPlainText() : line_->text();
}

void TextBox::setText(const QString& text) {
    if (plain_)
        plain_->setPlainText(text);
    else
        line_->setText(text);
}

void TextBox::selectAll() {
    if (plain_)
        plain_->selectAll();
    else
        line_->selectAll();
}

RichTextBox::RichTextBox(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new QTextEdit(parent), pixelsPerTwip)
    , editor_(static_cast<QTextEdit*>(widget())) {
    editor_->setAcceptRichText(true);
    watch(editor_->viewport());
}

QString RichTextBox::plainText() const {
    return editor_->toPlainText();
}

void RichTextBox::setPlainText(const QString& text) {
    editor_->setPlainText(text);
}

void RichTextBox::setDocument(const RtfContent& content) {
    FillTextDocument(*editor_->document(), content);
}

RtfContent RichTextBox::document() const {
    return ContentOfTextDocument(*editor_->document());
}

void RichTextBox::moveCaretToStart() {
    editor_->moveCursor(QTextCursor::Start);
}

KeySink::KeySink(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new QWidget(parent), pixelsPerTwip) {
    widget()->setFocusPolicy(Qt::StrongFocus);
}

} // namespace lumeport
