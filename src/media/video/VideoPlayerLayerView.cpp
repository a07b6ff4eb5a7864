#include "VideoPlayerLayerView.h"

#include "MpvRenderer.h"

#include <QQuickWindow>
#include <QSGRendererInterface>

VideoPlayerLayerView::VideoPlayerLayerView(QQuickItem *parent)
    : QQuickFramebufferObject(parent), m_sink(std::make_shared<MpvUpdateSink>(this))
{
    // The framebuffer follows the item's size (the default); mpv fits the picture into
    // it and fills the rest with black.
    setTextureFollowsItemSize(true);
}

VideoPlayerLayerView::~VideoPlayerLayerView()
{
    m_sink->detach();
    // The renderer frees the context later, on the render thread; the player lets go of
    // the picture output first so that playback goes on without it.
    if (m_sink->attached) {
        if (auto *surface = qobject_cast<MpvVideoSurface *>(m_surface.data()))
            surface->renderContextDetaching();
    }
}

void VideoPlayerLayerView::selectGraphicsApi()
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
}

void VideoPlayerLayerView::setPlayerLayer(VideoSurface *surface)
{
    if (surface == m_surface)
        return;
    if (m_surface)
        disconnect(m_surface, nullptr, this, nullptr);
    m_surface = surface;
    if (m_surface) {
        // A surface deleted while shown leaves the item black, not dangling.
        connect(m_surface, &QObject::destroyed, this, [this] {
            Q_EMIT playerLayerChanged();
            update();
        });
    }
    Q_EMIT playerLayerChanged();
    update();
}

QQuickFramebufferObject::Renderer *VideoPlayerLayerView::createRenderer() const
{
    return new MpvRenderer(m_sink);
}

MpvHandle VideoPlayerLayerView::core() const
{
    const auto *surface = qobject_cast<const MpvVideoSurface *>(m_surface.data());
    return surface ? surface->core() : MpvHandle();
}

void VideoPlayerLayerView::renderContextAttached()
{
    if (auto *surface = qobject_cast<MpvVideoSurface *>(m_surface.data()))
        surface->renderContextAttached();
    update();
}
