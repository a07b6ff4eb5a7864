#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class VideoPlayerLayerView;
class VideoSurface;
Q_MOC_INCLUDE("media/VideoSurface.h")

// Hosts the player's video item (VideoPlayerLayerView) in this module's views: makes
// it as a child and keeps it the host's size. The picture is fitted inside with its
// aspect ratio, on black.
class VideoHost : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(VideoSurface *playerLayer READ playerLayer WRITE setPlayerLayer NOTIFY
                   playerLayerChanged)

public:
    explicit VideoHost(QQuickItem *parent = nullptr);

    VideoSurface *playerLayer() const;
    void setPlayerLayer(VideoSurface *surface);

Q_SIGNALS:
    void playerLayerChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    VideoPlayerLayerView *m_view;
};
