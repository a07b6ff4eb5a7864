#include "MpvVideoSurface.h"
#include "MpvApi.h"

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
    if (Mpv::api().get_property(m_core.get(), "vo-configured", MPV_FORMAT_FLAG, &configured) >= 0
        && configured)
        return;
    // Asynchronous: the core may be waiting for the render thread, which must never be
    // waited for here.
    const char *any[] = {"set", "vid", "auto", nullptr};
    Mpv::api().command_async(m_core.get(), 0, any);
}

void MpvVideoSurface::renderContextDetaching()
{
    if (!m_core)
        return;
    const char *none[] = {"set", "vid", "no", nullptr};
    Mpv::api().command_async(m_core.get(), 0, none);
}
