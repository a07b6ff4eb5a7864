#include "MpvApi.h"

#include "RuntimeLibrary.h"

namespace Mpv {

namespace {

using Library = RuntimeLibrary<Api>;

bool fill(Api &api)
{
    // The library stays loaded for the life of the process.
    QLibrary library(QStringLiteral("mpv"), 2);
    if (!library.load()) {
        qWarning("mpv: cannot load libmpv: %s", qPrintable(library.errorString()));
        return false;
    }
    const bool ok =
        Library::resolve(library, api.create, "mpv_create") &&
        Library::resolve(library, api.initialize, "mpv_initialize") &&
        Library::resolve(library, api.terminate_destroy, "mpv_terminate_destroy") &&
        Library::resolve(library, api.set_option_string, "mpv_set_option_string") &&
        Library::resolve(library, api.set_wakeup_callback, "mpv_set_wakeup_callback") &&
        Library::resolve(library, api.wait_event, "mpv_wait_event") &&
        Library::resolve(library, api.command, "mpv_command") &&
        Library::resolve(library, api.command_ret, "mpv_command_ret") &&
        Library::resolve(library, api.command_async, "mpv_command_async") &&
        Library::resolve(library, api.get_property, "mpv_get_property") &&
        Library::resolve(library, api.free_node_contents, "mpv_free_node_contents") &&
        Library::resolve(library, api.render_context_create, "mpv_render_context_create") &&
        Library::resolve(library, api.render_context_set_update_callback,
                         "mpv_render_context_set_update_callback") &&
        Library::resolve(library, api.render_context_render, "mpv_render_context_render") &&
        Library::resolve(library, api.render_context_free, "mpv_render_context_free");
    if (!ok) {
        qWarning("mpv: libmpv lacks a function this player needs");
        return false;
    }
    return true;
}

Library g_library(fill);

} // namespace

const Api *loadApi()
{
    return g_library.load();
}

const Api &api()
{
    return g_library.api();
}

void preloadApi()
{
    g_library.preload();
}

} // namespace Mpv
