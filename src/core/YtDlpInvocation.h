#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One call of yt-dlp: the tool, the ffmpeg it is given, what it is asked to do and
// on which address. arguments() is the one place where argument lists are written;
// every list ends with "--", address, so an address is never read as an option.
struct YtDlpInvocation
{
    enum class Action {
        Info,     // print the video's information as JSON, download nothing
        Stream,   // fetch into the streaming folder, at most 1080 lines, as mp4
        Download, // fetch into the user's folder, printing progress lines
    };

    QString program;
    // The folder holding ffmpeg, given as "--ffmpeg-location" so that conversions and
    // merges work when ffmpeg is not on the search path; empty when none was found.
    QString ffmpegDir;
    QProcessEnvironment environment;
    Action action = Action::Info;
    // Stream and Download: the audio alone, converted (to m4a for a stream).
    bool audioOnly = false;
    // Download: the audio's format ("m4a", "mp3" or "opus") and the video's container
    // ("mp4", "mkv" or "webm"). A merge or a single file goes into that container:
    // remuxed when the streams fit it, re-encoded for WebM when they do not.
    QString audioFormat = QStringLiteral("m4a");
    QString videoFormat = QStringLiteral("mp4");
    // Stream and Download: yt-dlp's "-o" template.
    QString outputTemplate;
    QString address;

    QStringList arguments() const;

    // Download: the extensions the produced file may have, best first.
    QStringList candidateExtensions() const;
};
