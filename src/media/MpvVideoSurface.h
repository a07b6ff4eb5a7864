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

    // To call on the main thread once a render context exists. A video that was
    // started while no context existed has no picture output; this opens one for it.
    void renderContextAttached();

private:
    MpvHandle m_core;
};
