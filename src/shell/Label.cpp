#include "Label.h"

#include <QFontMetricsF>
#include <QPainter>

namespace lumeport {

class LabelWidget : public QWidget {
public:
    LabelWidget(Label* label, QWidget* parent)
        : QWidget(parent)
        , label_(label) {}

protected:
    void paintEvent(QPaintEvent*) override { label_->paint(this); }

private:
    Label* label_;
};

Label::Label(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new LabelWidget(this, parent), pixelsPerTwip) {}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    if (autoSize_) fitToText();
    widget()->update();
}

void Label::setForeColor(const QColor& colour) {
    if (fore_ == colour) return;
    fore_ = colour;
    widget()->update();
}

void Label::setBackColor(const QColor& colour) {
    if (back_ == colour) return;
    back_ = colour;
    widget()->update();
}

void Label::setTransparent(bool transparent) {
    if (transparent_ == transparent) return;
    transparent_ = transparent;
    widget()->update();
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_) fitToText();
}

void Label::setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    widget()->update();
}

void Label::setFont(const FontDesign& font) {
    Control::setFont(font);
    metrics_.reset();
    if (autoSize_) fitToText();
    widget()->update();
}

QSizeF Label::textSize(const QString& text) const {
    if (!metrics_) metrics_.emplace(qtFont());
    const QFontMetricsF& metrics = *metrics_;
    // Whole pixels, as the label is drawn.
    const double w = std::ceil(metrics.horizontalAdvance(text));
    const double h = std::ceil(metrics.height());
    return {twipsFromPixels(w), twipsFromPixels(h)};
}

void Label::fitToText() {
    const QSizeF size = textSize(caption_);
    setSizeQuietly(size.width(), size.height());
}

void Label::copyLookFrom(const Label& other) {
    fore_ = other.fore_;
    back_ = other.back_;
    transparent_ = other.transparent_;
    wordWrap_ = other.wordWrap_;
    setPointer(other.pointer());
    if (!(font() == other.font())) {
        Control::setFont(other.font());
        metrics_ = other.metrics_;
    }
    caption_ = other.caption_;
    autoSize_ = other.autoSize_;
    setGeometry(left(), top(), other.width(), other.height());
}

void Label::paint(QWidget* widget) {
    QPainter painter(widget);
    if (!transparent_) painter.fillRect(widget->rect(), back_);
    painter.setFont(qtFont());
    painter.setPen(fore_);
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wordWrap_ ? Qt::TextWordWrap : 0);
    painter.drawText(widget->rect(), flags, caption_);
}

} // namespace lumeport
