#include "AvApi.h"

#include "RuntimeLibrary.h"

extern "C" {
#include <libavformat/version.h>
#include <libavutil/log.h>
#include <libavutil/version.h>
}

namespace Av {

namespace {

using Library = RuntimeLibrary<Api>;

bool fill(Api &api)
{
    // Both stay loaded for the life of the process. libavformat loads libavutil
    // itself; opening it by name here only finds it.
    QLibrary util(QStringLiteral("avutil"), LIBAVUTIL_VERSION_MAJOR);
    QLibrary format(QStringLiteral("avformat"), LIBAVFORMAT_VERSION_MAJOR);
    for (QLibrary *library : {&util, &format}) {
        if (!library->load()) {
            qWarning("libav: cannot load %s: %s", qPrintable(library->fileName()),
                     qPrintable(library->errorString()));
            return false;
        }
    }
    decltype(&::av_log_set_level) logSetLevel = nullptr;
    const bool ok = Library::resolve(format, api.alloc_context, "avformat_alloc_context") &&
                    Library::resolve(format, api.free_context, "avformat_free_context") &&
                    Library::resolve(format, api.open_input, "avformat_open_input") &&
                    Library::resolve(format, api.find_stream_info, "avformat_find_stream_info") &&
                    Library::resolve(format, api.close_input, "avformat_close_input") &&
                    Library::resolve(util, api.dict_get, "av_dict_get") &&
                    Library::resolve(util, api.string_dup, "av_strdup") &&
                    Library::resolve(util, logSetLevel, "av_log_set_level");
    if (!ok) {
        qWarning("libav: a function inspection needs is missing");
        return false;
    }
    // libav logs to standard error by default; an import of thousands of odd files
    // must not print.
    logSetLevel(AV_LOG_QUIET);
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

} // namespace Av
