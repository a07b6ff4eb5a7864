#include "AvCodecApi.h"

#include "RuntimeLibrary.h"

extern "C" {
#include <libavcodec/version.h>
#include <libavformat/version.h>
#include <libavutil/version.h>
#include <libswscale/version.h>
}

namespace Av {

namespace {

using Library = RuntimeLibrary<CodecApi>;

bool fill(CodecApi &api)
{
    // libavformat (with libavutil) is already loaded by then, so opening it again by
    // name only finds it; libavformat itself depends on libavcodec.
    api.format = loadApi();
    if (!api.format)
        return false;
    QLibrary util(QStringLiteral("avutil"), LIBAVUTIL_VERSION_MAJOR);
    QLibrary format(QStringLiteral("avformat"), LIBAVFORMAT_VERSION_MAJOR);
    QLibrary codec(QStringLiteral("avcodec"), LIBAVCODEC_VERSION_MAJOR);
    QLibrary scale(QStringLiteral("swscale"), LIBSWSCALE_VERSION_MAJOR);
    for (QLibrary *library : {&util, &format, &codec, &scale}) {
        if (!library->load()) {
            qWarning("libav: cannot load %s: %s", qPrintable(library->fileName()),
                     qPrintable(library->errorString()));
            return false;
        }
    }
    const bool ok =
        Library::resolve(format, api.read_frame, "av_read_frame") &&
        Library::resolve(format, api.seek_file, "avformat_seek_file") &&
        Library::resolve(codec, api.find_decoder, "avcodec_find_decoder") &&
        Library::resolve(codec, api.alloc_codec_context, "avcodec_alloc_context3") &&
        Library::resolve(codec, api.free_codec_context, "avcodec_free_context") &&
        Library::resolve(codec, api.parameters_to_context, "avcodec_parameters_to_context") &&
        Library::resolve(codec, api.open_codec, "avcodec_open2") &&
        Library::resolve(codec, api.send_packet, "avcodec_send_packet") &&
        Library::resolve(codec, api.receive_frame, "avcodec_receive_frame") &&
        Library::resolve(codec, api.packet_alloc, "av_packet_alloc") &&
        Library::resolve(codec, api.packet_free, "av_packet_free") &&
        Library::resolve(codec, api.packet_unref, "av_packet_unref") &&
        Library::resolve(util, api.frame_alloc, "av_frame_alloc") &&
        Library::resolve(util, api.frame_free, "av_frame_free") &&
        Library::resolve(util, api.frame_unref, "av_frame_unref") &&
        Library::resolve(util, api.display_rotation_get, "av_display_rotation_get") &&
        Library::resolve(scale, api.sws_get_context, "sws_getContext") &&
        Library::resolve(scale, api.sws_scale, "sws_scale") &&
        Library::resolve(scale, api.sws_free_context, "sws_freeContext");
    if (!ok)
        qWarning("libav: a function decoding needs is missing");
    return ok;
}

Library g_library(fill);

} // namespace

const CodecApi *loadCodecApi()
{
    return g_library.load();
}

} // namespace Av
