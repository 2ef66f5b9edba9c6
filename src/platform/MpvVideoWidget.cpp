#include "MpvVideoWidget.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <mpv/render_gl.h>

namespace lumeport {

MpvVideoWidget::MpvVideoWidget(mpv_handle* mpv, QWidget* parent)
    : QOpenGLWidget(parent)
    , mpv_(mpv) {
    // The window watches this widget for clicks and for the mouse passing over the video.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
        if (render_) mpv_render_context_report_swap(render_);
    });
}

MpvVideoWidget::~MpvVideoWidget() {
    freeRenderContext();
}

void MpvVideoWidget::detach() {
    freeRenderContext();
    mpv_ = nullptr;
}

void* MpvVideoWidget::procAddress(void*, const char* name) {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

void MpvVideoWidget::requestUpdate(void* self) {
    // Called on one of mpv's threads, which must not draw: ask the Qt thread to repaint.
    auto* widget = static_cast<MpvVideoWidget*>(self);
    QMetaObject::invokeMethod(
        widget, [widget] { widget->update(); }, Qt::QueuedConnection);
}

void MpvVideoWidget::initializeGL() {
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
            &MpvVideoWidget::freeRenderContext, Qt::UniqueConnection);
    if (!mpv_ || render_) return;
    mpv_opengl_init_params gl{&MpvVideoWidget::procAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &gl},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&render_, mpv_, params) < 0) {
        render_ = nullptr;
        emit renderContextFailed();
        return;
    }
    mpv_render_context_set_update_callback(render_, &MpvVideoWidget::requestUpdate, this);
    emit renderContextReady();
}

void MpvVideoWidget::paintGL() {
    if (!render_) {
        QOpenGLFunctions* gl = context()->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{static_cast<int>(defaultFramebufferObject()),
                       static_cast<int>(width() * ratio), static_cast<int>(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render_, params);
}

void MpvVideoWidget::freeRenderContext() {
    if (!render_) return;
    // mpv frees its OpenGL objects, so the widget's context must be current.
    makeCurrent();
    mpv_render_context_free(render_);
    render_ = nullptr;
    doneCurrent();
}

} // namespace lumeport
