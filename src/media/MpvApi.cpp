#include "MpvApi.h"

#include <QLibrary>
#include <mutex>
#include <thread>

namespace Mpv {

namespace {

Api g_api;
bool g_loaded = false;
std::once_flag g_once;

template <typename Fn>
bool resolve(QLibrary &library, Fn &slot, const char *name)
{
    slot = reinterpret_cast<Fn>(library.resolve(name));
    return slot != nullptr;
}

void load()
{
    // The library stays loaded for the life of the process.
    QLibrary library(QStringLiteral("mpv"), 2);
    if (!library.load()) {
        qWarning("mpv: cannot load libmpv: %s", qPrintable(library.errorString()));
        return;
    }
    Api api;
    const bool ok = resolve(library, api.create, "mpv_create")
                    && resolve(library, api.initialize, "mpv_initialize")
                    && resolve(library, api.terminate_destroy, "mpv_terminate_destroy")
                    && resolve(library, api.set_option_string, "mpv_set_option_string")
                    && resolve(library, api.set_wakeup_callback, "mpv_set_wakeup_callback")
                    && resolve(library, api.wait_event, "mpv_wait_event")
                    && resolve(library, api.command, "mpv_command")
                    && resolve(library, api.command_ret, "mpv_command_ret")
                    && resolve(library, api.command_async, "mpv_command_async")
                    && resolve(library, api.get_property, "mpv_get_property")
                    && resolve(library, api.free_node_contents, "mpv_free_node_contents")
                    && resolve(library, api.render_context_create, "mpv_render_context_create")
                    && resolve(library, api.render_context_set_update_callback,
                               "mpv_render_context_set_update_callback")
                    && resolve(library, api.render_context_render, "mpv_render_context_render")
                    && resolve(library, api.render_context_free, "mpv_render_context_free");
    if (!ok) {
        qWarning("mpv: libmpv lacks a function this player needs");
        return;
    }
    g_api = api;
    g_loaded = true;
}

} // namespace

const Api *loadApi()
{
    std::call_once(g_once, load);
    return g_loaded ? &g_api : nullptr;
}

const Api &api()
{
    return g_api;
}

void preloadApi()
{
    std::thread([] { loadApi(); }).detach();
}

} // namespace Mpv
