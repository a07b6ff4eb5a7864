#pragma once

#include <mpv/client.h>
#include <mpv/render.h>

namespace Mpv {

// libmpv's entry points, resolved when first needed rather than linked: libmpv brings
// about a hundred shared libraries with it, and loading them at process start would
// hold back the first frame of the window. Nothing here is called before a player or a
// video surface exists.
struct Api
{
    decltype(&::mpv_create) create = nullptr;
    decltype(&::mpv_initialize) initialize = nullptr;
    decltype(&::mpv_terminate_destroy) terminate_destroy = nullptr;
    decltype(&::mpv_set_option_string) set_option_string = nullptr;
    decltype(&::mpv_set_wakeup_callback) set_wakeup_callback = nullptr;
    decltype(&::mpv_wait_event) wait_event = nullptr;
    decltype(&::mpv_command) command = nullptr;
    decltype(&::mpv_command_ret) command_ret = nullptr;
    decltype(&::mpv_command_async) command_async = nullptr;
    decltype(&::mpv_get_property) get_property = nullptr;
    decltype(&::mpv_free_node_contents) free_node_contents = nullptr;
    decltype(&::mpv_render_context_create) render_context_create = nullptr;
    decltype(&::mpv_render_context_set_update_callback) render_context_set_update_callback =
        nullptr;
    decltype(&::mpv_render_context_render) render_context_render = nullptr;
    decltype(&::mpv_render_context_free) render_context_free = nullptr;
};

// Loads libmpv once (thread-safe; later calls wait for the first) and returns its entry
// points, or nullptr when the library or one of its functions cannot be found.
const Api *loadApi();

// The entry points of a library already loaded: only for code that holds an mpv core,
// which cannot exist unless loadApi() succeeded.
const Api &api();

// Starts loading libmpv on a background thread, so that the first play does not wait.
void preloadApi();

} // namespace Mpv
