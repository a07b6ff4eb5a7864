#pragma once

#include "media/MpvVideoSurface.h"

#include <QPointer>
#include <QQuickFramebufferObject>
#include <QtQml/qqmlregistration.h>
#include <memory>

class MpvUpdateSink;

// Makes the surface type known to QML, as the type of `playerLayer`.
struct VideoSurfaceForeign
{
    Q_GADGET
    QML_FOREIGN(VideoSurface)
    QML_ANONYMOUS
};

// Shows the picture of a player's video surface (MediaPlayerManager.playerLayer),
// scaled to fit inside the item with its aspect ratio, on black, following the item's
// size. Draws through mpv's OpenGL render API, so Qt Quick must render with OpenGL:
// call selectGraphicsApi() before the application object is made.
//
// The item may be destroyed and made again while the player plays. Its renderer
// (render thread) owns the render context and a share of the mpv core, so the context
// is always freed before the core; mpv's update callback reaches the item only through
// a guard that the item clears when it is destroyed.
class VideoPlayerLayerView : public QQuickFramebufferObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(VideoSurface *playerLayer READ playerLayer WRITE setPlayerLayer NOTIFY
                   playerLayerChanged)

public:
    explicit VideoPlayerLayerView(QQuickItem *parent = nullptr);
    ~VideoPlayerLayerView() override;

    // Makes Qt Quick render with OpenGL. Before the QGuiApplication exists.
    static void selectGraphicsApi();

    VideoSurface *playerLayer() const { return m_surface; }
    void setPlayerLayer(VideoSurface *surface);

    Renderer *createRenderer() const override;

    // The core to draw, for the renderer's synchronisation (render thread, while the
    // main thread is blocked).
    MpvHandle core() const;
    const std::shared_ptr<MpvUpdateSink> &updateSink() const { return m_sink; }

Q_SIGNALS:
    void playerLayerChanged();

private:
    friend class MpvUpdateSink;

// Makes the surface type known to QML, as the type of `playerLayer`.
struct VideoSurfaceForeign
{
    Q_GADGET
    QML_FOREIGN(VideoSurface)
    QML_ANONYMOUS
};
    void renderContextAttached();

    QPointer<VideoSurface> m_surface;
    std::shared_ptr<MpvUpdateSink> m_sink;
};
