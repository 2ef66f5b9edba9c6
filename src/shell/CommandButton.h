#pragma once
// A push button that shows a picture (or a caption) and never takes the keyboard focus, so a
// click leaves the focus with the view the learner works in.

#include "ArtCache.h"
#include "Control.h"

#include <QColor>
#include <QPixmap>

namespace lumeport {

class CommandButton : public Control {
    Q_OBJECT
public:
    CommandButton(const QString& name, QWidget* parent, double pixelsPerTwip);

    void setPicture(const QPixmap& picture);
    // One of the program's pictures, drawn over the whole button.
    void setArt(Art art);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setBackColor(const QColor& colour);
    void setEnabled(bool enabled) override;

private:
    friend class ButtonWidget;
    void paint(QWidget* widget, bool hover, bool down);
    QPixmap picture_;
    ArtCache art_;
    QString caption_;
    QColor back_ = QColor(0xEC, 0xE9, 0xD8);
};

} // namespace lumeport
