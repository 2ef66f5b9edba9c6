#pragma once
// The place of the lesson player in the window: a black area that holds the player's video
// surface, stretched over the whole area.

#include "Control.h"

namespace lumeport {

class MediaWindow : public Control {
    Q_OBJECT
public:
    MediaWindow(const QString& name, QWidget* parent, double pixelsPerTwip);

    // Takes the video surface into the area (the window keeps no surface of its own).
    void setVideoSurface(QWidget* surface);
    QWidget* videoSurface() const { return surface_; }

private:
    void applyGeometry() override;
    QWidget* surface_ = nullptr;
};

} // namespace lumeport
