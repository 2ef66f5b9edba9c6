#include "Form1.h"

#include "FormDesign.h"

#include <QCloseEvent>
#include <QWidget>

namespace lumeport {

// The top-level window: no system frame; closing it runs shut-down first.
class FormWidget : public QWidget {
public:
    explicit FormWidget(Form1* form)
        : form_(form) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        form_->closing();
        event->accept();
    }

private:
    Form1* form_;
};

Form1::Form1(double pixelsPerTwip)
    : Control(QStringLiteral("Form1"), new FormWidget(this), pixelsPerTwip) {
    const WindowDesign& window = Form1WindowDesign();
    widget()->setWindowTitle(window.caption);
    QPalette palette = widget()->palette();
    palette.setColor(QPalette::Window, window.back);
    widget()->setPalette(palette);
    widget()->setAutoFillBackground(true);
    setGeometry(0, 0, window.width, window.height);
    widget()->hide();
    byName_.insert(name(), this);
    for (const ControlDesign& row : Form1Design())
        row.create(*this, row);
}

Form1::~Form1() = default;

void Form1::registerControl(Control* control, int index) {
    const QString key =
        index < 0 ? control->name() : QStringLiteral("%1(%2)").arg(control->name()).arg(index);
    byName_.insert(key, control);
}

QWidget* Form1::containerWidget(const QString& name) const {
    Control* container = controlNamed(name);
    return container ? container->widget() : widget();
}

void Form1::Unload() {
    widget()->close();
}

void Form1::closing() {
    if (unloaded_) return;
    unloaded_ = true;
    emit unloading();
}

} // namespace lumeport
