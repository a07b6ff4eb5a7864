#include "VideoHost.h"

#include "media/video/VideoPlayerLayerView.h"

VideoHost::VideoHost(QQuickItem *parent)
    : QQuickItem(parent), m_view(new VideoPlayerLayerView(this))
{
    connect(m_view, &VideoPlayerLayerView::playerLayerChanged, this,
            &VideoHost::playerLayerChanged);
}

VideoSurface *VideoHost::playerLayer() const
{
    return m_view->playerLayer();
}

void VideoHost::setPlayerLayer(VideoSurface *surface)
{
    m_view->setPlayerLayer(surface);
}

void VideoHost::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    m_view->setSize(newGeometry.size());
}
