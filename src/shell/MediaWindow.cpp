#include "MediaWindow.h"

namespace lumeport {

MediaWindow::MediaWindow(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new QWidget(parent), pixelsPerTwip) {
    QPalette palette = widget()->palette();
    palette.setColor(QPalette::Window, Qt::black);
    widget()->setPalette(palette);
    widget()->setAutoFillBackground(true);
}

void MediaWindow::setVideoSurface(QWidget* surface) {
    surface_ = surface;
    if (!surface_) return;
    surface_->setParent(widget());
    surface_->setGeometry(widget()->rect());
    surface_->setMouseTracking(true);
    watch(surface_);
    surface_->show();
}

void MediaWindow::applyGeometry() {
    Control::applyGeometry();
    if (surface_) surface_->setGeometry(widget()->rect());
}

} // namespace lumeport
