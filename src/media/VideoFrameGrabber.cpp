#include "VideoFrameGrabber.h"

#include "AvCodecApi.h"

#include <QFile>
#include <QFileInfo>
#include <QSizeF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// Packets skipped while looking for a key frame after a seek (a minute at 25 pictures
// per second), after which decoding starts anyway: some streams mark no key frames.
constexpr int maxSkipped = 1500;

// The longest side a picture may get when no size is asked for: a broken pixel aspect
// ratio must not ask for a gigantic image.
constexpr int largestSide = 8192;

struct InputDeleter
{
    void operator()(AVFormatContext *context) const { Av::api().close_input(&context); }
};
struct UnopenedDeleter
{
    void operator()(AVFormatContext *context) const { Av::api().free_context(context); }
};

// Deleters over a resolved CodecApi, which lives for the whole process.
struct CodecDeleter
{
    const Av::CodecApi *av;
    void operator()(AVCodecContext *context) const { av->free_codec_context(&context); }
};
struct PacketDeleter
{
    const Av::CodecApi *av;
    void operator()(AVPacket *packet) const { av->packet_free(&packet); }
};
struct FrameDeleter
{
    const Av::CodecApi *av;
    void operator()(AVFrame *frame) const { av->frame_free(&frame); }
};
struct ScalerDeleter
{
    const Av::CodecApi *av;
    void operator()(SwsContext *scaler) const { av->sws_free_context(scaler); }
};

int deadlinePassed(void *opaque)
{
    return Clock::now() >= *static_cast<const Clock::time_point *>(opaque) ? 1 : 0;
}

// The video stream to take the picture from: one libavcodec can decode that is not a
// cover or a thumbnail track, the default one when the file marks one.
int pictureStream(const AVFormatContext *context, const Av::CodecApi &av)
{
    constexpr int pictureDispositions =
        AV_DISPOSITION_ATTACHED_PIC | AV_DISPOSITION_TIMED_THUMBNAILS;
    int chosen = -1;
    for (unsigned i = 0; i < context->nb_streams; ++i) {
        const AVStream *stream = context->streams[i];
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO ||
            (stream->disposition & pictureDispositions) ||
            !av.find_decoder(stream->codecpar->codec_id))
            continue;
        if (chosen < 0 || ((stream->disposition & AV_DISPOSITION_DEFAULT) &&
                           !(context->streams[chosen]->disposition & AV_DISPOSITION_DEFAULT)))
            chosen = int(i);
    }
    return chosen;
}

// Whether the header alone gives the length and the picture stream's codec and size.
// Otherwise (raw streams, MPEG-TS, files with their length at the end) the packets
// have to be probed.
bool knowsEnough(const AVFormatContext *context, int index)
{
    if (index < 0 || context->duration == AV_NOPTS_VALUE || context->duration <= 0)
        return false;
    const AVCodecParameters *parameters = context->streams[index]->codecpar;
    return parameters->codec_id != AV_CODEC_ID_NONE && parameters->width > 0 &&
           parameters->height > 0;
}

// Clockwise quarter turns the display matrix asks for (phones record upright video
// sideways and say so there); 0 without one.
int quarterTurns(const AVStream *stream, const Av::CodecApi &av)
{
    for (int i = 0; i < stream->nb_side_data; ++i) {
        const AVPacketSideData &data = stream->side_data[i];
        if (data.type != AV_PKT_DATA_DISPLAYMATRIX || data.size < 9 * int(sizeof(int32_t)))
            continue;
        const double counterClockwise =
            av.display_rotation_get(reinterpret_cast<const int32_t *>(data.data));
        if (!std::isfinite(counterClockwise))
            return 0;
        const long turns = std::lround(-counterClockwise / 90.0);
        return int(((turns % 4) + 4) % 4);
    }
    return 0;
}

AVRational pixelAspect(const AVStream *stream, const AVFrame *frame)
{
    for (const AVRational ratio : {stream->sample_aspect_ratio, frame->sample_aspect_ratio}) {
        if (ratio.num > 0 && ratio.den > 0)
            return ratio;
    }
    return AVRational{1, 1};
}

// The size to scale the decoded picture to, before any rotation: its displayed shape
// fitted inside `box` (already turned to match the stored picture), never enlarged.
QSize targetSize(const AVFrame *frame, AVRational aspect, QSize box)
{
    QSizeF shown(double(frame->width) * aspect.num / aspect.den, frame->height);
    const QSizeF limit =
        box.isValid() && !box.isEmpty() ? QSizeF(box) : QSizeF(largestSide, largestSide);
    if (shown.width() > limit.width() || shown.height() > limit.height())
        shown = shown.scaled(limit, Qt::KeepAspectRatio);
    return QSize(std::clamp(int(std::lround(shown.width())), 1, largestSide),
                 std::clamp(int(std::lround(shown.height())), 1, largestSide));
}

QImage toImage(const Av::CodecApi &av, const AVStream *stream, const AVFrame *frame, QSize maxSize)
{
    if (frame->width <= 0 || frame->height <= 0 || frame->format < 0)
        return {};
    const int turns = quarterTurns(stream, av);
    const QSize size =
        targetSize(frame, pixelAspect(stream, frame), turns % 2 ? maxSize.transposed() : maxSize);
    const std::unique_ptr<SwsContext, ScalerDeleter> scaler(
        av.sws_get_context(frame->width, frame->height, AVPixelFormat(frame->format), size.width(),
                           size.height(), AV_PIX_FMT_RGB24, SWS_AREA, nullptr, nullptr, nullptr),
        ScalerDeleter{&av});
    if (!scaler)
        return {};
    QImage image(size, QImage::Format_RGB888);
    if (image.isNull())
        return {};
    uint8_t *const planes[4] = {image.bits(), nullptr, nullptr, nullptr};
    const int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
    if (av.sws_scale(scaler.get(), frame->data, frame->linesize, 0, frame->height, planes,
                     strides) != size.height())
        return {};
    if (turns != 0)
        image = image.transformed(QTransform().rotate(90.0 * turns));
    return image;
}

// Seeks to the key frame at or before `position` of the length; false when it did not
// move. Without a length, or when the file cannot seek, the reader stays at the start:
// the first picture.
bool seekToPosition(AVFormatContext *context, const Av::CodecApi &av)
{
    if (context->duration == AV_NOPTS_VALUE || context->duration <= 0)
        return false;
    const int64_t start = context->start_time == AV_NOPTS_VALUE ? 0 : context->start_time;
    const int64_t target = start + int64_t(double(context->duration) * VideoFrameGrabber::position);
    return av.seek_file(context, -1, std::numeric_limits<int64_t>::min(), target, target, 0) >= 0;
}

} // namespace

namespace VideoFrameGrabber {

QImage grabFrame(const QString &localPath, QSize maxSize, std::chrono::milliseconds deadline)
{
    // Only regular files: opening a FIFO blocks until a writer appears, which no
    // deadline interrupts, and a directory or device is never a video.
    const QFileInfo info(localPath);
    if (localPath.isEmpty() || !info.isFile() || info.size() == 0)
        return {};
    const Av::CodecApi *av = Av::loadCodecApi();
    if (!av)
        return {};
    const Av::Api &format = *av->format;

    // Declared before the contexts, whose interrupt callback reads it.
    const Clock::time_point end = Clock::now() + deadline;
    const QByteArray url = "file:" + QFile::encodeName(info.absoluteFilePath());
    std::unique_ptr<AVFormatContext, UnopenedDeleter> fresh(format.alloc_context());
    if (!fresh)
        return {};
    fresh->interrupt_callback.callback = &deadlinePassed;
    fresh->interrupt_callback.opaque = const_cast<Clock::time_point *>(&end);
    fresh->protocol_whitelist = format.string_dup("file"); // freed with the context
    if (!fresh->protocol_whitelist)
        return {};
    AVFormatContext *raw = fresh.release(); // freed by avformat_open_input on failure
    if (format.open_input(&raw, url.constData(), nullptr, nullptr) < 0)
        return {};
    const std::unique_ptr<AVFormatContext, InputDeleter> input(raw);
    // Probing decodes pictures of every stream; the headers of mp4 and Matroska
    // already say all a grab needs, and skipping it costs a third of the grab.
    int index = pictureStream(input.get(), *av);
    if (!knowsEnough(input.get(), index)) {
        if (format.find_stream_info(input.get(), nullptr) == AVERROR_EXIT)
            return {};
        index = pictureStream(input.get(), *av);
    }
    if (index < 0)
        return {};
    const AVStream *stream = input->streams[index];
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        if (int(i) != index)
            input->streams[i]->discard = AVDISCARD_ALL;
    }

    const AVCodec *codec = av->find_decoder(stream->codecpar->codec_id);
    const std::unique_ptr<AVCodecContext, CodecDeleter> decoder(av->alloc_codec_context(codec),
                                                                CodecDeleter{av});
    if (!decoder || av->parameters_to_context(decoder.get(), stream->codecpar) < 0)
        return {};
    // One picture is wanted: frame threads would hold it back until each of them had
    // a packet to decode.
    decoder->thread_count = 1;
    decoder->pkt_timebase = stream->time_base;
    if (av->open_codec(decoder.get(), codec, nullptr) < 0)
        return {};

    // Containers without an index (MPEG-TS, AVI without one) seek to any packet: those
    // before the next key frame would only decode to damaged pictures, so they are
    // skipped, up to a limit.
    const bool sought = seekToPosition(input.get(), *av);
    int skipped = sought ? 0 : maxSkipped;

    const std::unique_ptr<AVPacket, PacketDeleter> packet(av->packet_alloc(), PacketDeleter{av});
    const std::unique_ptr<AVFrame, FrameDeleter> frame(av->frame_alloc(), FrameDeleter{av});
    if (!packet || !frame)
        return {};
    bool draining = false, sentAny = false;
    while (Clock::now() < end) {
        const int received = av->receive_frame(decoder.get(), frame.get());
        if (received == 0) {
            // Concealed damage is not a picture worth showing; a later one may be whole.
            if (!(frame->flags & AV_FRAME_FLAG_CORRUPT))
                return toImage(*av, stream, frame.get(), maxSize);
            av->frame_unref(frame.get());
            continue;
        }
        if (received != AVERROR(EAGAIN) || draining)
            return {}; // the end of the stream, or a decoder failure
        const int read = av->read_frame(input.get(), packet.get());
        if (read == AVERROR_EXIT)
            return {};
        if (read < 0) {
            // No packet marked as a key frame after the seek: all of them again, unskipped.
            if (!sentAny && skipped > 0 && skipped < maxSkipped && read == AVERROR_EOF &&
                seekToPosition(input.get(), *av)) {
                skipped = maxSkipped;
                continue;
            }
            // The end of the file (or an unreadable rest): the decoder may still hold
            // a picture back.
            draining = true;
            av->send_packet(decoder.get(), nullptr);
            continue;
        }
        const bool beforeKey = packet->stream_index == index && !sentAny &&
                               !(packet->flags & AV_PKT_FLAG_KEY) && skipped < maxSkipped;
        if (beforeKey)
            ++skipped;
        if (packet->stream_index == index && !beforeKey) {
            sentAny = true;
            // A damaged packet fails alone; the decoder picks up again at the next.
            const int sent = av->send_packet(decoder.get(), packet.get());
            if (sent < 0 && sent != AVERROR_INVALIDDATA && sent != AVERROR(EAGAIN)) {
                av->packet_unref(packet.get());
                return {};
            }
        }
        av->packet_unref(packet.get());
    }
    return {};
}

} // namespace VideoFrameGrabber
