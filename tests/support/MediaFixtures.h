#pragma once

// Media files for tests and benchmarks, generated with the ffmpeg command-line tool
// (found on PATH) at run time. Files are short and small: a sine tone at a low
// bitrate, a tiny test pattern for video.
//
// Two ways to get a file:
//  - write...(path, ...) writes exactly where asked (the container follows the
//    extension) and returns false on failure, with the reason in lastError();
//  - cached...(fileName, ...) returns the path of a file made once per process in a
//    private directory (removed at exit), "" on failure. The same arguments give the
//    same path, so many tests can share one fixture. Cached files must not be changed.
//
// Thread-safe; the process runs synchronously (test and benchmark code only).

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace MediaFixtures {

enum class PictureFormat { Png, Jpeg };

// A generated picture (a colour gradient) of the given pixel size.
struct Picture
{
    QSize size{64, 64};
    PictureFormat format = PictureFormat::Png;
};

struct ChapterMark
{
    std::optional<QString> title; // std::nullopt: the chapter carries no title tag
    double start = 0;             // seconds
    double end = 0;               // seconds; Ogg/FLAC chapters end where the next begins
};

struct AudioOptions
{
    double seconds = 2.0; // length of the tone
    std::optional<QString> title;
    std::optional<QString> artist;
    std::optional<QString> album;
    // Further tags as the container's key names ("album_artist", "PERFORMER").
    QList<std::pair<QString, QString>> extraTags;
    // Embedded cover: mp3, m4a, m4b, flac, ogg, opus, mka (an attachment there).
    std::optional<Picture> cover;
    // mka only: the cover as a one-picture video track instead of an attachment, as
    // some tools write it.
    bool coverAsTrack = false;
    // mp3, m4a, m4b, mka (chapter marks); flac, ogg, opus (CHAPTERxxx comments).
    // Untitled chapters do not survive ffmpeg's mp4 muxer, and mp3 names them by
    // their ID3 element id ("ch1").
    QList<ChapterMark> chapters;
};

// The audio containers writeAudio knows, by extension.
QStringList audioExtensions();

// Writes a tagged tone. The extension of `path` picks the container and codec: mp3,
// m4a, m4b (AAC), flac, ogg (Vorbis), opus, wav (PCM, tags only), mka (Opus).
// Asking for something the container cannot hold (a wav cover) is a failure.
bool writeAudio(const QString &path, const AudioOptions &options);

// Writes a test-pattern video with a tone: mp4 and mkv (H.264 + AAC), webm (VP8 +
// Opus), at 10 frames per second.
bool writeVideo(const QString &path, QSize size = QSize(160, 120), double seconds = 2.0);

// The encoded bytes of a generated picture, and the same written to a file.
QByteArray pictureBytes(const Picture &picture);
bool writePicture(const QString &path, const Picture &picture);

// Bad files: an empty file; the first `bytes` bytes of `source`; `size` bytes of
// pseudo-random data (the same for the same seed).
bool writeEmpty(const QString &path);
bool writeTruncatedCopy(const QString &source, const QString &path, qint64 bytes);
bool writeRandomBytes(const QString &path, qint64 size, quint32 seed = 1);

// Writes `count` copies of one small mp3 (1 s, title/artist/album tags, a 64x64 PNG
// cover, two chapters) into `directory` as "<prefix>00001.mp3" and so on; one ffmpeg
// run, then file copies. Returns the paths written in order; empty on failure.
QStringList writeMp3Corpus(const QString &directory, int count,
                           const QString &prefix = QStringLiteral("Track "));

// Once-per-process fixtures (see the top of this file).
QString cachedAudio(const QString &fileName, const AudioOptions &options);
QString cachedVideo(const QString &fileName, QSize size = QSize(160, 120), double seconds = 2.0);

// The private directory that holds the cached files; tests may put their own files
// in subdirectories of it.
QString fixtureDirectory();

// True when the ffmpeg tool can be found.
bool ffmpegAvailable();

// Why the last write... call on this thread failed.
QString lastError();

} // namespace MediaFixtures
