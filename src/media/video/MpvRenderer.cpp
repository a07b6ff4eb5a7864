#include "MpvRenderer.h"
#include "media/MpvApi.h"

#include "VideoPlayerLayerView.h"

#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QTimer>
#include <mpv/render_gl.h>

namespace {

void *procAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(name)) : nullptr;
}

void onMpvUpdate(void *sink)
{
    // mpv's thread: only hand the request on.
    static_cast<MpvUpdateSink *>(sink)->requestUpdate();
}

// A context that could not be made (another view holds the core's only one) is tried
// again this much later.
constexpr int retryMs = 100;

} // namespace

void MpvUpdateSink::detach()
{
    std::lock_guard lock(m_mutex);
    m_item = nullptr;
}

void MpvUpdateSink::requestUpdate()
{
    // Posting under the lock: the item cannot be destroyed between the check and the
    // post, and Qt drops calls queued for an object destroyed later.
    std::lock_guard lock(m_mutex);
    if (m_item)
        QMetaObject::invokeMethod(m_item, &QQuickItem::update, Qt::QueuedConnection);
}

void MpvUpdateSink::contextAttached()
{
    std::lock_guard lock(m_mutex);
    if (m_item)
        QMetaObject::invokeMethod(m_item, &VideoPlayerLayerView::renderContextAttached,
                                  Qt::QueuedConnection);
}

void MpvUpdateSink::contextFailed()
{
    std::lock_guard lock(m_mutex);
    if (!m_item)
        return;
    QPointer<VideoPlayerLayerView> item(m_item);
    QMetaObject::invokeMethod(
        m_item,
        [item] {
            QTimer::singleShot(retryMs, item, [item] {
                if (item)
                    item->update();
            });
        },
        Qt::QueuedConnection);
}

void MpvRenderer::ContextDeleter::operator()(mpv_render_context *context) const
{
    // Returns only when mpv will call the update callback no more.
    Mpv::api().render_context_free(context);
}

MpvRenderer::MpvRenderer(std::shared_ptr<MpvUpdateSink> sink) : m_sink(std::move(sink)) {}

MpvRenderer::~MpvRenderer()
{
    // Context first, then (member order) the share of the core.
    m_context.reset();
    m_sink->attached = false;
}

void MpvRenderer::synchronize(QQuickFramebufferObject *item)
{
    auto *view = static_cast<VideoPlayerLayerView *>(item);
    m_window = view->window();
    m_wanted = view->core();
}

void MpvRenderer::attach()
{
    if (m_wanted != m_core) {
        m_context.reset();
        m_sink->attached = false;
        m_core = m_wanted;
    }
    if (m_context || !m_core)
        return;

    mpv_opengl_init_params glInit{procAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context *context = nullptr;
    if (Mpv::api().render_context_create(&context, m_core.get(), params) < 0) {
        m_sink->contextFailed();
        return;
    }
    m_context.reset(context);
    Mpv::api().render_context_set_update_callback(context, onMpvUpdate, m_sink.get());
    m_sink->attached = true;
    m_sink->contextAttached();
}

void MpvRenderer::render()
{
    attach();
    QOpenGLFramebufferObject *target = framebufferObject();
    if (!m_context || !target) {
        QOpenGLFunctions *gl = QOpenGLContext::currentContext()->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    if (m_window)
        m_window->beginExternalCommands();
    mpv_opengl_fbo fbo{int(target->handle()), target->width(), target->height(), 0};
    int flipY = 0; // a framebuffer object is already the right way up for Qt Quick
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    Mpv::api().render_context_render(m_context.get(), params);
    if (m_window)
        m_window->endExternalCommands();
}
