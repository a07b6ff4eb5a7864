// Time to take one 320x180 picture from a video through VideoFrameGrabber (no cache),
// against a bare loop over linked libav doing the least any grabber must: open, seek
// to a tenth of the length, decode the first picture, scale it to RGB. Median of the
// grabs, in this thread's CPU time (the machine is shared with builds; the file is in
// the page cache after the first pass, so no grab waits for the disk).
//   bench_thumbnail FILE [GRABS]
#include "media/VideoFrameGrabber.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

bool barePicture(const char *path)
{
    AVFormatContext *input = nullptr;
    if (avformat_open_input(&input, path, nullptr, nullptr) < 0)
        return false;
    bool ok = false;
    const int index = av_find_best_stream(input, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index >= 0) {
        AVStream *stream = input->streams[index];
        const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
        AVCodecContext *decoder = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(decoder, stream->codecpar);
        decoder->thread_count = 1;
        if (avcodec_open2(decoder, codec, nullptr) == 0) {
            const int64_t target = input->duration / 10;
            avformat_seek_file(input, -1, INT64_MIN, target, target, 0);
            AVPacket *packet = av_packet_alloc();
            AVFrame *frame = av_frame_alloc();
            while (!ok && av_read_frame(input, packet) >= 0) {
                if (packet->stream_index == index && avcodec_send_packet(decoder, packet) >= 0 &&
                    avcodec_receive_frame(decoder, frame) == 0) {
                    QImage image(320, 180, QImage::Format_RGB888);
                    SwsContext *scaler = sws_getContext(
                        frame->width, frame->height, AVPixelFormat(frame->format), 320, 180,
                        AV_PIX_FMT_RGB24, SWS_AREA, nullptr, nullptr, nullptr);
                    uint8_t *planes[4] = {image.bits()};
                    const int strides[4] = {int(image.bytesPerLine())};
                    ok = sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, planes,
                                   strides) == 180;
                    sws_freeContext(scaler);
                }
                av_packet_unref(packet);
            }
            av_frame_free(&frame);
            av_packet_free(&packet);
        }
        avcodec_free_context(&decoder);
    }
    avformat_close_input(&input);
    return ok;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_thumbnail FILE [GRABS]\n");
        return 2;
    }
    const QString file = QFile::decodeName(argv[1]);
    const int grabs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    av_log_set_level(AV_LOG_QUIET);

    // A first pass loads the libraries and warms the page cache for both sides.
    const QImage first = VideoFrameGrabber::grabFrame(file, QSize(320, 180));
    if (first.size() != QSize(320, 180) || !barePicture(argv[1])) {
        std::fprintf(stderr, "no picture from %s\n", argv[1]);
        return 1;
    }
    // Interleaved, so that a burst of load elsewhere hits both alike.
    std::vector<double> bare, grabbed;
    for (int i = 0; i < grabs; ++i) {
        double start = threadMilliseconds();
        barePicture(argv[1]);
        bare.push_back(threadMilliseconds() - start);
        start = threadMilliseconds();
        if (VideoFrameGrabber::grabFrame(file, QSize(320, 180)).isNull()) {
            std::fprintf(stderr, "a grab failed\n");
            return 1;
        }
        grabbed.push_back(threadMilliseconds() - start);
    }
    const double value = median(grabbed), baseline = median(bare);
    std::printf("BENCH video-thumbnail-ms value=%.1f unit=ms baseline=%.1f ratio=%.3f\n", value,
                baseline, baseline > 0 ? value / baseline : 0.0);
    return value <= 60 ? 0 : 1;
}
