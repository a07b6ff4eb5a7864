#include "MediaFixtures.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
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

QString ffmpegPath() { return QStandardPaths::findExecutable(u"ffmpeg"_s); }

// ffmpeg reads "name:rest" as a protocol name; "file:" keeps any local path a path.
QString fileArgument(const QString &path) { return u"file:"_s + QFileInfo(path).absoluteFilePath(); }

// Values in an ffmetadata file escape '=', ';', '#', '\' and line breaks.
QString escaped(const QString &text)
{
    QString out;
    for (QChar c : text)
        out += (QStringView(u"=;#\\\n").contains(c) ? u"\\"_s : QString()) + c;
    return out;
}

// `fileName` in the fixture directory, made by `make` the first time it is asked for.
QString cached(const QString &fileName, const std::function<bool(const QString &)> &make)
{
    static std::mutex mutex;
    static QHash<QString, QString> made;
    const std::lock_guard lock(mutex);
    const QString path = fixtureDirectory() + u'/' + fileName;
    if (!made.contains(fileName) && make(path))
        made.insert(fileName, path);
    return made.value(fileName);
}

} // namespace

bool runFfmpeg(const QStringList &arguments)
{
    if (ffmpegPath().isEmpty())
        return fail(u"ffmpeg not found on PATH"_s);
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(ffmpegPath(), QStringList{u"-hide_banner"_s, u"-loglevel"_s, u"error"_s,
                                            u"-nostdin"_s, u"-y"_s} + arguments);
    // A run still going after two minutes is killed with the QProcess.
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return fail(u"ffmpeg failed: %1\n%2"_s.arg(
            arguments.join(u' '), QString::fromLocal8Bit(process.readAllStandardError())));
    return true;
}

bool writeAudio(const QString &path, const AudioOptions &options)
{
    const QStringList aac{u"aac"_s, u"-b:a"_s, u"32k"_s}, opus{u"libopus"_s, u"-b:a"_s, u"16k"_s};
    const QHash<QString, QStringList> codecs{
        {u"mp3"_s, {u"libmp3lame"_s, u"-b:a"_s, u"32k"_s}}, {u"m4a"_s, aac}, {u"m4b"_s, aac},
        {u"flac"_s, {u"flac"_s}}, {u"ogg"_s, {u"libvorbis"_s, u"-q:a"_s, u"0"_s}},
        {u"opus"_s, opus}, {u"mka"_s, opus}, {u"wav"_s, {u"pcm_s16le"_s}}};
    const QString extension = QFileInfo(path).suffix().toLower();
    if (!codecs.contains(extension))
        return fail(u"no audio container for "_s + path);
    if ((options.cover && QStringList{u"ogg"_s, u"opus"_s, u"wav"_s}.contains(extension)) ||
        (!options.chapters.isEmpty() &&
         QStringList{u"flac"_s, u"ogg"_s, u"wav"_s}.contains(extension)))
        return fail(u"no such cover or chapters in "_s + extension);

    QTemporaryDir work(fixtureDirectory() + u"/work-XXXXXX"_s);
    QString metadata = u";FFMETADATA1\n"_s;
    QList<std::pair<QString, QString>> tags = options.extraTags;
    for (const auto &[key, value] : {std::pair{u"title"_s, options.title},
                                     {u"artist"_s, options.artist}, {u"album"_s, options.album}})
        if (value)
            tags.append({key, *value});
    for (const auto &[key, value] : tags)
        metadata += escaped(key) + u'=' + escaped(value) + u'\n';
    for (const ChapterMark &mark : options.chapters)
        metadata +=
            u"[CHAPTER]\nTIMEBASE=1/1000\nSTART=%1\nEND=%2\n"_s.arg(std::llround(mark.start * 1000))
                .arg(std::llround(mark.end * 1000)) +
            (mark.title ? u"title="_s + escaped(*mark.title) + u'\n' : QString());
    const QString metadataPath = work.filePath(u"metadata.txt"_s);
    if (!work.isValid() || !writeBytes(metadataPath, metadata.toUtf8()))
        return false;

    QStringList inputs{u"-f"_s, u"lavfi"_s,
                       u"-i"_s, u"sine=sample_rate=22050:duration=%1"_s.arg(options.seconds),
                       u"-f"_s, u"ffmetadata"_s,
                       u"-i"_s, fileArgument(metadataPath)};
    QStringList outputs{u"-map"_s, u"0:a"_s,           u"-map_metadata"_s,
                        u"1"_s,    u"-map_chapters"_s, u"1"_s};
    if (options.cover) {
        QImage cover(options.cover->size, QImage::Format_RGB32);
        cover.fill(Qt::red);
        const bool png = options.cover->format == PictureFormat::Png;
        const QString coverPath = work.filePath(png ? u"cover.png"_s : u"cover.jpg"_s);
        if (!cover.save(coverPath))
            return fail(u"cannot write "_s + coverPath);
        if (extension == u"mka" && !options.coverAsTrack)
            outputs << u"-attach"_s << fileArgument(coverPath) << u"-metadata:s:t"_s
                    << (png ? u"mimetype=image/png"_s : u"mimetype=image/jpeg"_s)
                    << u"-metadata:s:t"_s << u"filename=cover"_s;
        else
            inputs << u"-i"_s << fileArgument(coverPath),
                outputs << u"-map"_s << u"2:v"_s << u"-c:v"_s << u"copy"_s << u"-disposition:v:0"_s
                        << u"attached_pic"_s;
    }
    if (options.silentSeconds > 0)
        outputs << u"-af"_s
                << u"volume=0:enable='between(t,%1,%2)'"_s.arg(options.silentFrom)
                       .arg(options.silentFrom + options.silentSeconds);
    return runFfmpeg(inputs + outputs + QStringList{u"-ac"_s, u"1"_s, u"-c:a"_s} +
                     codecs[extension] + QStringList{fileArgument(path)});
}

bool writeVideo(const QString &path, QSize size, double seconds)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (!QStringList{u"mp4"_s, u"mkv"_s, u"webm"_s}.contains(extension))
        return fail(u"no video container for "_s + path);
    const QStringList codecs =
        extension == u"webm"_s
            ? QStringList{u"libvpx"_s, u"-deadline"_s, u"realtime"_s, u"-cpu-used"_s, u"8"_s,
                          u"-c:a"_s, u"libopus"_s}
            : QStringList{u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-pix_fmt"_s,
                          u"yuv420p"_s, u"-c:a"_s, u"aac"_s};
    return runFfmpeg(QStringList{u"-f"_s, u"lavfi"_s, u"-i"_s,
                                 u"testsrc2=size=%1x%2:rate=10:duration=%3"_s.arg(size.width())
                                     .arg(size.height())
                                     .arg(seconds),
                                 u"-f"_s, u"lavfi"_s, u"-i"_s,
                                 u"sine=sample_rate=22050:duration=%1"_s.arg(seconds), u"-ac"_s,
                                 u"1"_s, u"-c:v"_s} +
                     codecs + QStringList{fileArgument(path)});
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    return TestSupport::writeFile(path, bytes) || fail(u"cannot write "_s + path);
}

bool writeTruncatedCopy(const QString &source, const QString &path, qint64 size)
{
    const QByteArray bytes = TestSupport::readFile(source);
    return bytes.isEmpty() ? fail(u"cannot read "_s + source) : writeBytes(path, bytes.left(size));
}

bool writeNoise(const QString &path, qint64 size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return writeBytes(path, bytes);
}

QStringList writeMp3Corpus(const QString &directory, int count, const QString &prefix)
{
    AudioOptions options{1, u"Corpus Track"_s, u"Corpus Artist"_s, u"Corpus Album"_s, {}, Picture{},
                         false, {{u"Opening"_s, 0, 0.5}, {u"Closing"_s, 0.5, 1}}};
    const QString source = cachedAudio(u"corpus.mp3"_s, options);
    if (source.isEmpty() || !QDir().mkpath(directory))
        return {};
    QStringList paths;
    for (int i = 1; i <= count; ++i) {
        paths.append(QDir(directory).filePath(u"%1%2.mp3"_s.arg(prefix).arg(
            i, std::max(5, int(QString::number(count).size())), 10, QLatin1Char('0'))));
        QFile::remove(paths.last());
        if (!QFile::copy(source, paths.last()))
            return fail(u"cannot copy to "_s + paths.last()), QStringList();
    }
    return paths;
}

QString cachedAudio(const QString &fileName, const AudioOptions &options)
{
    return cached(fileName, [&](const QString &path) { return writeAudio(path, options); });
}

QString cachedVideo(const QString &fileName, QSize size, double seconds)
{
    return cached(fileName, [&](const QString &path) { return writeVideo(path, size, seconds); });
}

QString cachedTone(double seconds, const QString &extension)
{
    AudioOptions options;
    options.seconds = seconds;
    return cachedAudio(u"tone-%1.%2"_s.arg(seconds).arg(extension), options);
}

QString fixtureDirectory()
{
    static QTemporaryDir directory(TestSupport::scratchRoot() + u"/media-fixtures-XXXXXX"_s);
    return directory.path();
}

bool ffmpegAvailable() { return !ffmpegPath().isEmpty(); }
QString lastError() { return t_lastError; }

} // namespace MediaFixtures
