#pragma once

#include "media/MpvHandle.h"

#include <QQuickFramebufferObject>
#include <atomic>
#include <memory>
#include <mutex>

class QQuickWindow;
class VideoPlayerLayerView;
struct mpv_render_context;

// Carries mpv's requests for a new frame from mpv's threads to the item. The item
// detaches itself when destroyed; after that, requests go nowhere.
class MpvUpdateSink
{
public:
    explicit MpvUpdateSink(VideoPlayerLayerView *item) : m_item(item) {}

    void detach();
    // Any thread: asks the item for a new frame.
    void requestUpdate();
    // Render thread: the render context exists / could not be made.
    void contextAttached();
    void contextFailed();

    // Whether a render context exists for the item (read on the main thread).
    std::atomic<bool> attached{false};

private:
    std::mutex m_mutex;
    VideoPlayerLayerView *m_item;
};

// Draws an mpv core's picture into the item's framebuffer. Lives on the render thread.
class MpvRenderer : public QQuickFramebufferObject::Renderer
{
public:
    explicit MpvRenderer(std::shared_ptr<MpvUpdateSink> sink);
    ~MpvRenderer() override;

    void synchronize(QQuickFramebufferObject *item) override;
    void render() override;

private:
    struct ContextDeleter
    {
        void operator()(mpv_render_context *context) const;
    };

    void attach();

    std::shared_ptr<MpvUpdateSink> m_sink;
    QQuickWindow *m_window = nullptr;
    MpvHandle m_wanted; // the core the item shows, taken at synchronisation
    // Declared before the context so that it is released after it.
    MpvHandle m_core;
    std::unique_ptr<mpv_render_context, ContextDeleter> m_context;
};
