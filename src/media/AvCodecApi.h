#pragma once

#include "AvApi.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/display.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

namespace Av {

// The entry points that decoding one picture needs beyond inspection: reading and
// seeking in libavformat, libavcodec's decoder, and libswscale for the conversion to
// RGB. Resolved at run time like Api, and only when the first picture is asked for,
// so that a session without video never loads the decoders.
struct CodecApi
{
    const Api *format = nullptr; // the inspection entry points, loaded first
    decltype(&::av_read_frame) read_frame = nullptr;
    decltype(&::avformat_seek_file) seek_file = nullptr;
    decltype(&::avcodec_find_decoder) find_decoder = nullptr;
    decltype(&::avcodec_alloc_context3) alloc_codec_context = nullptr;
    decltype(&::avcodec_free_context) free_codec_context = nullptr;
    decltype(&::avcodec_parameters_to_context) parameters_to_context = nullptr;
    decltype(&::avcodec_open2) open_codec = nullptr;
    decltype(&::avcodec_send_packet) send_packet = nullptr;
    decltype(&::avcodec_receive_frame) receive_frame = nullptr;
    decltype(&::av_packet_alloc) packet_alloc = nullptr;
    decltype(&::av_packet_free) packet_free = nullptr;
    decltype(&::av_packet_unref) packet_unref = nullptr;
    decltype(&::av_frame_alloc) frame_alloc = nullptr;
    decltype(&::av_frame_free) frame_free = nullptr;
    decltype(&::av_frame_unref) frame_unref = nullptr;
    decltype(&::av_display_rotation_get) display_rotation_get = nullptr;
    decltype(&::sws_getContext) sws_get_context = nullptr;
    decltype(&::sws_scale) sws_scale = nullptr;
    decltype(&::sws_freeContext) sws_free_context = nullptr;
};

// Loads libavcodec and libswscale once (thread-safe), after Api; nullptr when any
// library or function is missing.
const CodecApi *loadCodecApi();

} // namespace Av
