#pragma once

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
}

namespace Av {

// The entry points of libavformat and libavutil that inspection calls, resolved when
// first needed rather than linked: libavformat brings over a hundred shared libraries
// with it, and loading them at process start would hold back the window's first
// frame. The libraries opened are those of the major versions the program was built
// against, whose structure layouts it reads directly.
struct Api
{
    decltype(&::avformat_alloc_context) alloc_context = nullptr;
    decltype(&::avformat_free_context) free_context = nullptr;
    decltype(&::avformat_open_input) open_input = nullptr;
    decltype(&::avformat_find_stream_info) find_stream_info = nullptr;
    decltype(&::avformat_close_input) close_input = nullptr;
    decltype(&::av_dict_get) dict_get = nullptr;
    decltype(&::av_strdup) string_dup = nullptr;
};

// Loads the libraries once (thread-safe; callers meanwhile wait for the first load)
// and returns their entry points with libav's log silenced, or nullptr when a library
// or one of its functions cannot be found.
const Api *loadApi();

// The entry points of libraries already loaded: only for code that has had a
// non-null loadApi().
const Api &api();

// Starts loading on a background thread, so that the first inspection does not wait.
void preloadApi();

} // namespace Av
