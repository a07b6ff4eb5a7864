#pragma once

#include "MpvHandle.h"
#include "VideoSurface.h"

// The picture of an mpv player. A view draws it by making a render context for
// `core()`; mpv allows one render context per core at a time.
class MpvVideoSurface : public VideoSurface
{
    Q_OBJECT

public:
    explicit MpvVideoSurface(MpvHandle core, QObject *parent = nullptr);
    ~MpvVideoSurface() override;

    const MpvHandle &core() const { return m_core; }

    // Main thread. The player chooses a video track only while a render context exists
    // (mpv cannot play a file whose picture output has nowhere to go): call this once a
    // context exists, and renderContextDetaching() before it is freed.
    void renderContextAttached();
    void renderContextDetaching();

private:
    MpvHandle m_core;
};
