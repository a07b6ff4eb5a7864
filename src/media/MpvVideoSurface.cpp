#include "MpvVideoSurface.h"

#include <mpv/client.h>

MpvVideoSurface::MpvVideoSurface(MpvHandle core, QObject *parent)
    : VideoSurface(parent), m_core(std::move(core))
{
}

MpvVideoSurface::~MpvVideoSurface() = default;

void MpvVideoSurface::renderContextAttached()
{
    if (!m_core)
        return;
    int configured = 0;
    if (mpv_get_property(m_core.get(), "vo-configured", MPV_FORMAT_FLAG, &configured) >= 0
        && configured)
        return;
    // Without a picture output mpv drops the video track of the file; choosing the
    // track again makes it open an output on the new context. Asynchronous: the core
    // may be busy with the render thread, which must never be waited for here.
    const char *none[] = {"set", "vid", "no", nullptr};
    const char *any[] = {"set", "vid", "auto", nullptr};
    mpv_command_async(m_core.get(), 0, none);
    mpv_command_async(m_core.get(), 0, any);
}
