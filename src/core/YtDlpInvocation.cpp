#include "YtDlpInvocation.h"

using namespace Qt::StringLiterals;

namespace {

const QString kStreamFormat =
    u"bestvideo[ext=mp4][height<=1080]+bestaudio[ext=m4a]/best[ext=mp4]/best"_s;
const QString kDownloadFormat = u"bestvideo[ext=mp4]+bestaudio[ext=m4a]/best[ext=mp4]/best"_s;

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
        if (audioOnly) {
            arguments << u"-x"_s << u"--audio-format"_s << u"m4a"_s << u"--audio-quality"_s
                      << u"0"_s;
        } else {
            arguments << u"-f"_s << (action == Action::Stream ? kStreamFormat : kDownloadFormat);
        }
        arguments << u"--no-playlist"_s << u"--no-warnings"_s;
        if (action == Action::Stream && !audioOnly)
            arguments << u"--merge-output-format"_s << u"mp4"_s;
        arguments << u"-o"_s << outputTemplate;
        if (action == Action::Download)
            arguments << u"--newline"_s << u"--progress"_s;
    }
    arguments << u"--"_s << address;
    return arguments;
}

QStringList YtDlpInvocation::candidateExtensions() const
{
    if (audioOnly)
        return {u"m4a"_s, u"mp3"_s, u"opus"_s, u"ogg"_s, u"webm"_s};
    return {u"mp4"_s, u"mkv"_s, u"webm"_s};
}
