#include "BareLibav.h"

extern "C" {
#include <libavformat/avformat.h>
}

bool bareLibavOpen(const QByteArray &path)
{
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, path.constData(), nullptr, nullptr) < 0)
        return false;
    avformat_find_stream_info(context, nullptr);
    avformat_close_input(&context);
    return true;
}
