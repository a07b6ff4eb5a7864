#include "PlaybackFixtures.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace PlaybackFixtures {

namespace {

QString dir()
{
    const QString path = TestSupport::scratchRoot() + u"/playback-fixtures"_s;
    QDir().mkpath(path);
    return path;
}

// Runs ffmpeg to make `name` unless it exists already. Writes to a temporary name
// first so that an interrupted run never leaves a half file behind.
QString make(const QString &name, const QStringList &arguments)
{
    const QString path = dir() + u'/' + name;
    if (QFileInfo::exists(path))
        return path;
    const QString partial = dir() + u"/partial-"_s + name;
    QProcess ffmpeg;
    ffmpeg.start(u"ffmpeg"_s, QStringList{u"-y"_s, u"-v"_s, u"error"_s} + arguments
                                  + QStringList{partial});
    if (!ffmpeg.waitForFinished(120000) || ffmpeg.exitCode() != 0) {
        qWarning("ffmpeg failed for %s: %s", qPrintable(name),
                 ffmpeg.readAllStandardError().constData());
        QFile::remove(partial);
        return {};
    }
    QFile::remove(path);
    return QFile::rename(partial, path) ? path : QString();
}

QString number(double value)
{
    return QString::number(value, 'f', 3);
}

} // namespace

QString toneMp3(double seconds)
{
    return make(u"tone-%1.mp3"_s.arg(number(seconds)),
                {u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=frequency=440:duration="_s + number(seconds),
                 u"-c:a"_s, u"libmp3lame"_s, u"-b:a"_s, u"64k"_s});
}

QString mp3WithCover(double seconds)
{
    return make(u"cover-%1.mp3"_s.arg(number(seconds)),
                {u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=frequency=330:duration="_s + number(seconds),
                 u"-f"_s, u"lavfi"_s, u"-i"_s, u"color=c=red:size=64x64:duration=1"_s,
                 u"-map"_s, u"0:a"_s, u"-map"_s, u"1:v"_s, u"-frames:v"_s, u"1"_s,
                 u"-c:a"_s, u"libmp3lame"_s, u"-c:v"_s, u"mjpeg"_s,
                 u"-disposition:v"_s, u"attached_pic"_s, u"-id3v2_version"_s, u"3"_s});
}

QString testPatternVideo(double seconds, int width, int height)
{
    const QString size = u"%1x%2"_s.arg(width).arg(height);
    return make(u"pattern-%1-%2.mp4"_s.arg(size, number(seconds)),
                {u"-f"_s, u"lavfi"_s, u"-i"_s,
                 u"testsrc=size=%1:rate=25:duration=%2"_s.arg(size, number(seconds)),
                 u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=duration="_s + number(seconds),
                 u"-c:v"_s, u"libx264"_s, u"-preset"_s, u"ultrafast"_s, u"-pix_fmt"_s,
                 u"yuv420p"_s, u"-c:a"_s, u"aac"_s, u"-shortest"_s});
}

QString corruptMp3()
{
    const QString path = dir() + u"/corrupt.mp3"_s;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    file.write(noise);
    return path;
}

QString missingFile()
{
    return dir() + u"/no such file.mp3"_s;
}

QUrl urlOf(const QString &path)
{
    return QUrl::fromLocalFile(path);
}

} // namespace PlaybackFixtures
