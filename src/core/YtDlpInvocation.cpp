#include "YtDlpInvocation.h"

using namespace Qt::StringLiterals;

namespace {

const QString kStreamFormat =
    u"bestvideo[ext=mp4][height<=1080]+bestaudio[ext=m4a]/best[ext=mp4]/best"_s;

// What a download asks of yt-dlp for each container: the formats it prefers, and how a
// file that is not yet in the container gets there (remuxing copies the streams; WebM
// takes only VP8/VP9/AV1 with Vorbis/Opus, so other streams are re-encoded).
struct VideoContainer
{
    QString container;
    QString formats;
    QString conversion;
};

const VideoContainer kContainers[] = {
    {u"mp4"_s, u"bestvideo[ext=mp4]+bestaudio[ext=m4a]/best[ext=mp4]/best"_s, u"--remux-video"_s},
    {u"mkv"_s, u"bestvideo+bestaudio/best"_s, u"--remux-video"_s},
    {u"webm"_s, u"bestvideo[ext=webm]+bestaudio[ext=webm]/best[ext=webm]/bestvideo+bestaudio/best"_s,
     u"--recode-video"_s},
};

const VideoContainer &containerFor(const QString &format)
{
    for (const VideoContainer &container : kContainers) {
        if (container.container == format)
            return container;
    }
    return kContainers[0];
}

const QStringList kAudioFormats{u"m4a"_s, u"mp3"_s, u"opus"_s};

QString audioFormatFor(const QString &format)
{
    return kAudioFormats.contains(format) ? format : kAudioFormats.first();
}

} // namespace

QStringList YtDlpInvocation::arguments() const
{
    QStringList arguments;
    if (!ffmpegDir.isEmpty())
        arguments << u"--ffmpeg-location"_s << ffmpegDir;

    if (action == Action::Info) {
        arguments << u"--dump-json"_s << u"--no-download"_s << u"--no-warnings"_s
                  << u"--no-playlist"_s;
    } else {
        const bool download = action == Action::Download;
        const VideoContainer &container = containerFor(download ? videoFormat : u"mp4"_s);
        if (audioOnly) {
            arguments << u"-x"_s << u"--audio-format"_s
                      << (download ? audioFormatFor(audioFormat) : u"m4a"_s)
                      << u"--audio-quality"_s << u"0"_s;
        } else {
            arguments << u"-f"_s << (download ? container.formats : kStreamFormat);
        }
        arguments << u"--no-playlist"_s << u"--no-warnings"_s;
        if (!audioOnly) {
            // A merge of two streams WebM cannot hold is left to yt-dlp's own choice of
            // container, then re-encoded.
            if (container.conversion != "--recode-video"_L1)
                arguments << u"--merge-output-format"_s << container.container;
            if (download)
                arguments << container.conversion << container.container;
        }
        arguments << u"-o"_s << outputTemplate;
        if (action == Action::Download)
            arguments << u"--newline"_s << u"--progress"_s;
    }
    arguments << u"--"_s << address;
    return arguments;
}

QStringList YtDlpInvocation::candidateExtensions() const
{
    QStringList extensions = audioOnly
                                 ? QStringList{u"m4a"_s, u"mp3"_s, u"opus"_s, u"ogg"_s, u"webm"_s}
                                 : QStringList{u"mp4"_s, u"mkv"_s, u"webm"_s};
    const QString chosen = audioOnly ? audioFormatFor(audioFormat) : containerFor(videoFormat).container;
    extensions.removeOne(chosen);
    extensions.prepend(chosen);
    return extensions;
}
