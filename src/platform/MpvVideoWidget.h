#pragma once
// The lesson player's video: mpv draws each frame through its render API into this widget's
// OpenGL framebuffer, stretched over the whole widget. The widget takes no input of its own, so
// clicks and mouse moves reach whoever watches it.

#include <QOpenGLWidget>

struct mpv_handle;
struct mpv_render_context;

namespace lumeport {

class MpvVideoWidget : public QOpenGLWidget {
    Q_OBJECT
public:
    MpvVideoWidget(mpv_handle* mpv, QWidget* parent);
    ~MpvVideoWidget() override;
    MpvVideoWidget(const MpvVideoWidget&) = delete;
    MpvVideoWidget& operator=(const MpvVideoWidget&) = delete;

    // mpv can draw here: video opened from now on shows.
    bool hasRenderContext() const { return render_ != nullptr; }
    // Lets go of mpv for good; the player calls it before it destroys its core.
    void detach();

signals:
    // The OpenGL context is set up and mpv may open video (emitted again after Qt recreates
    // the context, as it does when the widget moves to another window).
    void renderContextReady();
    // mpv could not draw with this context.
    void renderContextFailed();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void freeRenderContext();
    static void requestUpdate(void* self);
    static void* procAddress(void* context, const char* name);

    mpv_handle* mpv_;
    mpv_render_context* render_ = nullptr;
};

} // namespace lumeport
