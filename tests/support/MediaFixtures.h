#pragma once

// Media files made at run time by the ffmpeg on PATH. write...() writes where asked (the
// extension picks the container), false with the reason in lastError() on failure;
// cached...() makes a file (known by its name alone) once per process in fixtureDirectory()
// and returns its path, "" on failure. Thread-safe.

#include <QSize>
#include <QStringList>
#include <optional>

namespace MediaFixtures {

enum class PictureFormat { Png, Jpeg };

struct Picture // plain red
{
    QSize size{64, 64};
    PictureFormat format = PictureFormat::Png;
};

struct ChapterMark
{
    std::optional<QString> title; // std::nullopt: no title tag
    double start = 0;             // seconds
    double end = 0;
};

struct AudioOptions
{
    double seconds = 2.0;
    std::optional<QString> title, artist, album;
    QList<std::pair<QString, QString>> extraTags; // by the container's key names
    // No cover in ogg, opus and wav; in mka an attachment, or with coverAsTrack a
    // one-picture video track. No chapters in flac, ogg and wav; the mp4 muxer drops
    // untitled ones, mp3 names them "ch1".
    std::optional<Picture> cover;
    bool coverAsTrack = false;
    QList<ChapterMark> chapters;
    double silentFrom = 0, silentSeconds = 0; // digital silence in the tone
};

// A tone: mp3, m4a, m4b (AAC), flac, ogg (Vorbis), opus, wav (PCM), mka (Opus).
bool writeAudio(const QString &path, const AudioOptions &options);
// A test pattern with a tone at 10 frames per second: mp4, mkv (H.264 + AAC), webm.
bool writeVideo(const QString &path, QSize size = QSize(160, 120), double seconds = 2.0);
// Not media: exactly `bytes`; the first `size` bytes of `source`; `size` bytes of noise.
bool writeBytes(const QString &path, const QByteArray &bytes);
bool writeTruncatedCopy(const QString &source, const QString &path, qint64 size);
bool writeNoise(const QString &path, qint64 size, quint32 seed = 1);
// `count` copies of one tagged 1 s mp3 with a cover and two chapters, named
// "<prefix>00001.mp3" and so on, in `directory`; the paths in order, empty on failure.
QStringList writeMp3Corpus(const QString &directory, int count,
                           const QString &prefix = QStringLiteral("Track "));

QString cachedAudio(const QString &fileName, const AudioOptions &options);
QString cachedVideo(const QString &fileName, QSize size = QSize(160, 120), double seconds = 2.0);
// An untagged tone, "tone-<seconds>.<extension>".
QString cachedTone(double seconds, const QString &extension = QStringLiteral("mp3"));

// Runs the ffmpeg CLI with `arguments` (after its quiet, overwriting options).
bool runFfmpeg(const QStringList &arguments);
QString fixtureDirectory();
bool ffmpegAvailable();
QString lastError(); // why the last write on this thread failed
} // namespace MediaFixtures
