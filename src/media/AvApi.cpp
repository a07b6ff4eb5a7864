#include "AvApi.h"

#include <QLibrary>
#include <mutex>
#include <thread>

extern "C" {
#include <libavformat/version.h>
#include <libavutil/log.h>
#include <libavutil/version.h>
}

namespace Av {

namespace {

Api g_api;
bool g_loaded = false;
std::once_flag g_once;

template <typename Fn> bool resolve(QLibrary &library, Fn &slot, const char *name)
{
    slot = reinterpret_cast<Fn>(library.resolve(name));
    return slot != nullptr;
}

void load()
{
    // Both stay loaded for the life of the process. libavformat loads libavutil
    // itself; opening it by name here only finds it.
    QLibrary util(QStringLiteral("avutil"), LIBAVUTIL_VERSION_MAJOR);
    QLibrary format(QStringLiteral("avformat"), LIBAVFORMAT_VERSION_MAJOR);
    for (QLibrary *library : {&util, &format}) {
        if (!library->load()) {
            qWarning("libav: cannot load %s: %s", qPrintable(library->fileName()),
                     qPrintable(library->errorString()));
            return;
        }
    }
    Api api;
    decltype(&::av_log_set_level) logSetLevel = nullptr;
    const bool ok = resolve(format, api.alloc_context, "avformat_alloc_context") &&
                    resolve(format, api.free_context, "avformat_free_context") &&
                    resolve(format, api.open_input, "avformat_open_input") &&
                    resolve(format, api.find_stream_info, "avformat_find_stream_info") &&
                    resolve(format, api.close_input, "avformat_close_input") &&
                    resolve(util, api.dict_get, "av_dict_get") &&
                    resolve(util, api.string_dup, "av_strdup") &&
                    resolve(util, logSetLevel, "av_log_set_level");
    if (!ok) {
        qWarning("libav: a function inspection needs is missing");
        return;
    }
    // libav logs to standard error by default; an import of thousands of odd files
    // must not print.
    logSetLevel(AV_LOG_QUIET);
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

} // namespace Av
