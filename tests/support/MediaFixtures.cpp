#include "MediaFixtures.h"

#include "TestSupport.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <functional>
#include <mutex>

using namespace Qt::StringLiterals;

namespace MediaFixtures {

namespace {

thread_local QString t_lastError;

bool fail(const QString &why)
{
    t_lastError = why;
    return false;
}

QString ffmpegPath()
{
    static const QString path = QStandardPaths::findExecutable(u"ffmpeg"_s);
    return path;
}

// ffmpeg reads "name:rest" as a protocol name; "file:" keeps any local path a path.
QString fileArgument(const QString &path)
{
    return u"file:"_s + QFileInfo(path).absoluteFilePath();
}

bool runFfmpeg(const QStringList &arguments)
{
    if (ffmpegPath().isEmpty())
        return fail(u"ffmpeg not found on PATH"_s);
    QProcess process;
    process.setProgram(ffmpegPath());
    process.setArguments(
        QStringList{u"-hide_banner"_s, u"-loglevel"_s, u"error"_s, u"-nostdin"_s, u"-y"_s} +
        arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return fail(u"ffmpeg did not finish: "_s + arguments.join(u' '));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fail(
            u"ffmpeg failed (%1): %2\n%3"_s.arg(process.exitCode())
                .arg(arguments.join(u' '), QString::fromLocal8Bit(process.readAllStandardError())));
    return true;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(u"cannot write %1: %2"_s.arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size())
        return fail(u"short write to %1"_s.arg(path));
    return true;
}

// Values in an ffmetadata file escape '=', ';', '#', '\' and line breaks.
QString escapeMetadata(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'=' || c == u';' || c == u'#' || c == u'\\' || c == u'\n')
            out += u'\\';
        out += c;
    }
    return out;
}

// "HH:MM:SS.mmm", the time form of CHAPTERxxx comments.
QString commentTime(double seconds)
{
    const qint64 ms = std::llround(seconds * 1000);
    return u"%1:%2:%3.%4"_s.arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

// A FLAC picture block, base64-encoded: how Vorbis comments carry a cover.
QByteArray flacPictureComment(const Picture &picture, const QByteArray &bytes)
{
    const QByteArray mime = picture.format == PictureFormat::Png ? "image/png" : "image/jpeg";
    QByteArray block;
    const auto put32 = [&block](quint32 value) {
        const quint32 big = qToBigEndian(value);
        block.append(reinterpret_cast<const char *>(&big), 4);
    };
    put32(3); // front cover
    put32(quint32(mime.size()));
    block.append(mime);
    put32(0); // no description
    put32(quint32(picture.size.width()));
    put32(quint32(picture.size.height()));
    put32(24);
    put32(0);
    put32(quint32(bytes.size()));
    block.append(bytes);
    return block.toBase64();
}

QString extensionOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

QString describe(const AudioOptions &options)
{
    QString text = u"%1|%2|%3|%4|"_s.arg(options.seconds)
                       .arg(options.title.value_or(u"\x1"_s), options.artist.value_or(u"\x1"_s),
                            options.album.value_or(u"\x1"_s));
    for (const auto &[key, value] : options.extraTags)
        text += key + u'=' + value + u'|';
    if (options.cover)
        text += u"cover %1x%2 %3 %4|"_s.arg(options.cover->size.width())
                    .arg(options.cover->size.height())
                    .arg(int(options.cover->format))
                    .arg(options.coverAsTrack);
    for (const ChapterMark &mark : options.chapters)
        text += u"%1 %2 %3|"_s.arg(mark.start).arg(mark.end).arg(mark.title.value_or(u"\x1"_s));
    return text;
}

// The file `fileName` in a subdirectory of the fixture directory named after `key`,
// made by `make` the first time it is asked for.
QString cached(const QString &fileName, const QString &key,
               const std::function<bool(const QString &)> &make)
{
    static std::mutex mutex;
    static QHash<QString, QString> made;
    const std::lock_guard lock(mutex);
    const QString fullKey = fileName + u'\n' + key;
    if (const auto it = made.constFind(fullKey); it != made.cend())
        return *it;
    const QString subdirectory = QString::fromLatin1(
        QCryptographicHash::hash(fullKey.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    const QString directory = fixtureDirectory() + u'/' + subdirectory;
    if (!QDir().mkpath(directory)) {
        fail(u"cannot make "_s + directory);
        return {};
    }
    const QString path = directory + u'/' + fileName;
    if (!make(path))
        return {};
    made.insert(fullKey, path);
    return path;
}

} // namespace

QStringList audioExtensions()
{
    return {u"mp3"_s, u"m4a"_s, u"m4b"_s, u"flac"_s, u"ogg"_s, u"opus"_s, u"wav"_s, u"mka"_s};
}

bool writeAudio(const QString &path, const AudioOptions &options)
{
    const QString extension = extensionOf(path);
    QStringList codec;
    if (extension == u"mp3")
        codec = {u"-c:a"_s, u"libmp3lame"_s, u"-b:a"_s, u"32k"_s};
    else if (extension == u"m4a" || extension == u"m4b")
        codec = {u"-c:a"_s, u"aac"_s, u"-b:a"_s, u"32k"_s};
    else if (extension == u"flac")
        codec = {u"-c:a"_s, u"flac"_s};
    else if (extension == u"ogg")
        codec = {u"-c:a"_s, u"libvorbis"_s, u"-q:a"_s, u"0"_s};
    else if (extension == u"opus" || extension == u"mka")
        codec = {u"-c:a"_s, u"libopus"_s, u"-b:a"_s, u"16k"_s};
    else if (extension == u"wav")
        codec = {u"-c:a"_s, u"pcm_s16le"_s};
    else
        return fail(u"no audio container for "_s + path);

    const bool vorbisComments = extension == u"flac" || extension == u"ogg" || extension == u"opus";
    const bool pictureComment = extension == u"ogg" || extension == u"opus";
    if (extension == u"wav" && (options.cover || !options.chapters.isEmpty()))
        return fail(u"wav holds neither covers nor chapters"_s);

    QTemporaryDir work(fixtureDirectory() + u"/work-XXXXXX"_s);
    if (!work.isValid())
        return fail(u"cannot make a work directory"_s);

    QString metadata = u";FFMETADATA1\n"_s;
    const auto addTag = [&metadata](const char *key, const std::optional<QString> &value) {
        if (value)
            metadata += QLatin1String(key) + u'=' + escapeMetadata(*value) + u'\n';
    };
    addTag("title", options.title);
    addTag("artist", options.artist);
    addTag("album", options.album);
    for (const auto &[key, value] : options.extraTags)
        metadata += escapeMetadata(key) + u'=' + escapeMetadata(value) + u'\n';

    QByteArray coverBytes;
    if (options.cover) {
        coverBytes = pictureBytes(*options.cover);
        if (coverBytes.isEmpty())
            return fail(u"cannot encode the cover picture"_s);
        if (pictureComment)
            metadata += u"METADATA_BLOCK_PICTURE="_s +
                        QString::fromLatin1(flacPictureComment(*options.cover, coverBytes)) + u'\n';
    }

    for (qsizetype i = 0; i < options.chapters.size(); ++i) {
        const ChapterMark &mark = options.chapters[i];
        if (vorbisComments) {
            const QString key = u"CHAPTER%1"_s.arg(i + 1, 3, 10, QLatin1Char('0'));
            metadata += key + u'=' + commentTime(mark.start) + u'\n';
            if (mark.title)
                metadata += key + u"NAME="_s + escapeMetadata(*mark.title) + u'\n';
        } else {
            metadata += u"[CHAPTER]\nTIMEBASE=1/1000\nSTART=%1\nEND=%2\n"_s
                            .arg(std::llround(mark.start * 1000))
                            .arg(std::llround(mark.end * 1000));
            if (mark.title)
                metadata += u"title="_s + escapeMetadata(*mark.title) + u'\n';
        }
    }

    const QString metadataPath = work.filePath(u"metadata.txt"_s);
    if (!writeBytes(metadataPath, metadata.toUtf8()))
        return false;

    QStringList arguments{
        u"-f"_s, u"lavfi"_s,
        u"-i"_s, u"sine=frequency=440:sample_rate=22050:duration=%1"_s.arg(options.seconds),
        u"-f"_s, u"ffmetadata"_s,
        u"-i"_s, fileArgument(metadataPath)};
    const bool png = options.cover && options.cover->format == PictureFormat::Png;
    const QString coverPath = work.filePath(png ? u"cover.png"_s : u"cover.jpg"_s);
    if (options.cover && !pictureComment && !writeBytes(coverPath, coverBytes))
        return false;
    const bool attachment = options.cover && extension == u"mka" && !options.coverAsTrack;
    const bool coverStream = options.cover && !pictureComment && !attachment;
    if (coverStream)
        arguments << u"-i"_s << fileArgument(coverPath);
    if (attachment)
        arguments << u"-attach"_s << fileArgument(coverPath) << u"-metadata:s:t"_s
                  << (png ? u"mimetype=image/png"_s : u"mimetype=image/jpeg"_s)
                  << u"-metadata:s:t"_s << u"filename=cover"_s;
    arguments << u"-map"_s << u"0:a"_s << u"-map_metadata"_s << u"1"_s << u"-map_chapters"_s
              << u"1"_s;
    if (coverStream)
        arguments << u"-map"_s << u"2:v"_s << u"-c:v"_s << u"copy"_s << u"-disposition:v:0"_s
                  << u"attached_pic"_s;
    arguments << u"-ac"_s << u"1"_s << codec << fileArgument(path);
    return runFfmpeg(arguments);
}

bool writeVideo(const QString &path, QSize size, double seconds)
{
    const QString extension = extensionOf(path);
    QStringList codec;
    if (extension == u"mp4" || extension == u"mkv")
        codec = {u"-c:v"_s,    u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-pix_fmt"_s,
                 u"yuv420p"_s, u"-c:a"_s,    u"aac"_s,     u"-b:a"_s,      u"32k"_s};
    else if (extension == u"webm")
        codec = {u"-c:v"_s, u"libvpx"_s, u"-deadline"_s, u"realtime"_s, u"-cpu-used"_s, u"8"_s,
                 u"-b:v"_s, u"100k"_s,   u"-c:a"_s,      u"libopus"_s,  u"-b:a"_s,      u"16k"_s};
    else
        return fail(u"no video container for "_s + path);
    const QString pattern = u"testsrc2=size=%1x%2:rate=10:duration=%3"_s.arg(size.width())
                                .arg(size.height())
                                .arg(seconds);
    const QString tone = u"sine=frequency=440:sample_rate=22050:duration=%1"_s.arg(seconds);
    return runFfmpeg(QStringList{u"-f"_s, u"lavfi"_s, u"-i"_s, pattern, u"-f"_s, u"lavfi"_s,
                                 u"-i"_s, tone, u"-ac"_s, u"1"_s} +
                     codec + QStringList{fileArgument(path)});
}

QByteArray pictureBytes(const Picture &picture)
{
    if (picture.size.isEmpty())
        return {};
    QImage image(picture.size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, picture.size.width(), picture.size.height());
    gradient.setColorAt(0, QColor(200, 40, 40));
    gradient.setColorAt(1, QColor(40, 40, 200));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, picture.format == PictureFormat::Png ? "PNG" : "JPEG"))
        return {};
    return bytes;
}

bool writePicture(const QString &path, const Picture &picture)
{
    const QByteArray bytes = pictureBytes(picture);
    if (bytes.isEmpty())
        return fail(u"cannot encode a picture"_s);
    return writeBytes(path, bytes);
}

bool writeEmpty(const QString &path)
{
    return writeBytes(path, {});
}

bool writeTruncatedCopy(const QString &source, const QString &path, qint64 bytes)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return fail(u"cannot read "_s + source);
    return writeBytes(path, file.read(bytes));
}

bool writeRandomBytes(const QString &path, qint64 size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return writeBytes(path, bytes);
}

QStringList writeMp3Corpus(const QString &directory, int count, const QString &prefix)
{
    AudioOptions options;
    options.seconds = 1;
    options.title = u"Corpus Track"_s;
    options.artist = u"Corpus Artist"_s;
    options.album = u"Corpus Album"_s;
    options.cover = Picture{};
    options.chapters = {{u"Opening"_s, 0, 0.5}, {u"Closing"_s, 0.5, 1}};
    const QString source = cachedAudio(u"corpus.mp3"_s, options);
    if (source.isEmpty() || !QDir().mkpath(directory))
        return {};
    const int width = std::max(5, int(QString::number(count).size()));
    QStringList paths;
    paths.reserve(count);
    for (int i = 1; i <= count; ++i) {
        const QString path =
            QDir(directory).filePath(u"%1%2.mp3"_s.arg(prefix).arg(i, width, 10, QLatin1Char('0')));
        QFile::remove(path);
        if (!QFile::copy(source, path)) {
            fail(u"cannot copy to "_s + path);
            return {};
        }
        paths.append(path);
    }
    return paths;
}

QString cachedAudio(const QString &fileName, const AudioOptions &options)
{
    return cached(fileName, u"audio|"_s + describe(options),
                  [&options](const QString &path) { return writeAudio(path, options); });
}

QString cachedVideo(const QString &fileName, QSize size, double seconds)
{
    return cached(fileName, u"video|%1x%2|%3"_s.arg(size.width()).arg(size.height()).arg(seconds),
                  [&](const QString &path) { return writeVideo(path, size, seconds); });
}

QString fixtureDirectory()
{
    static QTemporaryDir directory(TestSupport::scratchRoot() + u"/media-fixtures-XXXXXX"_s);
    return directory.path();
}

bool ffmpegAvailable()
{
    return !ffmpegPath().isEmpty();
}

QString lastError()
{
    return t_lastError;
}

} // namespace MediaFixtures
