#pragma once
// A text label: transparent or on its own background, one line that sizes itself to its text,
// or a fixed box whose text wraps.

#include "Control.h"

#include <QColor>
#include <QFontMetricsF>
#include <optional>

namespace lumeport {

class Label : public Control {
    Q_OBJECT
public:
    Label(const QString& name, QWidget* parent, double pixelsPerTwip);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor foreColor() const { return fore_; }
    void setForeColor(const QColor& colour);
    QColor backColor() const { return back_; }
    void setBackColor(const QColor& colour);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    bool autoSize() const { return autoSize_; }
    // Switching self-sizing on sizes the label to its text on one line at once.
    void setAutoSize(bool autoSize);
    void setWordWrap(bool wrap);
    bool wordWrap() const { return wordWrap_; }
    void setFont(const FontDesign& font) override;

    // Width and height of `text` on one line in this label's font, in twips.
    QSizeF textSize(const QString& text) const;
    // Copies everything but the name and the position from another label (control arrays).
    void copyLookFrom(const Label& other);

private:
    void fitToText();
    void paint(QWidget* widget);

    friend class LabelWidget;
    QString caption_;
    QColor fore_ = Qt::black;
    QColor back_ = Qt::white;
    bool transparent_ = true;
    bool autoSize_ = false;
    bool wordWrap_ = false;
    mutable std::optional<QFontMetricsF> metrics_; // of the current font
};

} // namespace lumeport
