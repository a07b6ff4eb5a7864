// Pictures taken from generated videos: which moment, which shape, and the files that
// must give none, quickly.
#include "media/VideoFrameGrabber.h"

#include "MediaFixtures.h"

#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using MediaFixtures::fixtureDirectory;
using VideoFrameGrabber::grabFrame;

namespace {

// `name` in the fixture directory, made once by ffmpeg with `arguments` before it.
QString made(const QString &name, const QStringList &arguments)
{
    const QString path = fixtureDirectory() + u'/' + name;
    return QFile::exists(path) || MediaFixtures::runFfmpeg(arguments + QStringList{path})
               ? path
               : QString();
}

// 15 s, a key frame every second: red, then green from 1 s (a tenth of the length falls
// on it), blue from 2 s on. Stored 240x180 with 4:3 pixels, so it shows as 320x180.
QString colourSteps(const QString &extension)
{
    const QStringList codec =
        extension == u"webm"_s
            ? QStringList{u"libvpx"_s, u"-deadline"_s, u"realtime"_s, u"-cpu-used"_s, u"8"_s}
            : QStringList{u"libx264"_s, u"-preset"_s, u"ultrafast"_s};
    return made(u"steps."_s + extension,
                QStringList{u"-f"_s, u"lavfi"_s, u"-i"_s,
                            u"color=c=red:s=240x180:r=10:d=15,"
                            "drawbox=c=lime:t=fill:enable='between(t,1,1.99)',"
                            "drawbox=c=blue:t=fill:enable='gte(t,2)',setsar=4/3"_s,
                            u"-g"_s, u"10"_s, u"-pix_fmt"_s, u"yuv420p"_s, u"-c:v"_s} +
                    codec);
}

// The channel that clearly leads in the middle of a 160x90 picture ('r', 'g' or 'b'),
// '?' for a mixture.
char hueAt(const QImage &image, QPoint point = {80, 45})
{
    const QColor colour = image.pixelColor(point);
    const int channels[3] = {colour.red(), colour.green(), colour.blue()};
    const auto top = std::max_element(channels, channels + 3) - channels;
    for (int i = 0; i < 3; ++i)
        if (i != top && channels[top] - channels[i] < 100)
            return '?';
    return "rgb"[top];
}

} // namespace

// In each container the picture comes from a tenth of the way in (green), shaped by the
// pixel aspect ratio, fitted into the box and never enlarged. Without a length to take a
// tenth of (a raw H.264 stream): the first picture. Without an index to seek by
// (MPEG-TS), the key frame after the point sought: blue at 2 s.
TEST(VideoFrameGrabberTest, PictureIsFromATenthOfTheLengthWithPixelAspect)
{
    for (const QString &extension : {u"mp4"_s, u"mkv"_s, u"webm"_s}) {
        SCOPED_TRACE(extension.toStdString());
        const QString file = colourSteps(extension);
        ASSERT_FALSE(file.isEmpty());
        const QImage image = grabFrame(file, QSize(160, 160));
        EXPECT_EQ(image.size(), QSize(160, 90));
        EXPECT_EQ(hueAt(image), 'g') << qPrintable(image.pixelColor(80, 45).name());
        EXPECT_EQ(grabFrame(file, QSize(640, 640)).size(), QSize(320, 180));
        EXPECT_EQ(grabFrame(file, QSize()).size(), QSize(320, 180));
    }
    const QStringList copy{u"-i"_s, colourSteps(u"mp4"_s), u"-c"_s, u"copy"_s};
    const QString raw = made(u"steps.h264"_s, copy + QStringList{u"-f"_s, u"h264"_s});
    const QString transport = made(u"steps.ts"_s, copy);
    ASSERT_FALSE(raw.isEmpty() || transport.isEmpty());
    EXPECT_EQ(hueAt(grabFrame(raw, QSize(160, 160))), 'r');
    EXPECT_EQ(hueAt(grabFrame(transport, QSize(160, 160))), 'b');
}

// A video marked for a quarter turn comes out turned as players turn it (the right half
// of the stored picture on top), and fitted to the box after turning.
TEST(VideoFrameGrabberTest, RotationFromTheDisplayMatrix)
{
    const QString halves = made(u"halves.mp4"_s, {u"-f"_s, u"lavfi"_s, u"-i"_s,
                                                  u"color=c=red:s=240x180:r=10:d=2,"
                                                  "drawbox=c=blue:x=120:y=0:w=120:h=180:t=fill"_s,
                                                  u"-c:v"_s, u"libx264"_s, u"-preset"_s,
                                                  u"ultrafast"_s, u"-pix_fmt"_s, u"yuv420p"_s});
    const QString turned = made(u"turned.mp4"_s, {u"-i"_s, halves, u"-c"_s, u"copy"_s,
                                                  u"-metadata:s:v:0"_s, u"rotate=90"_s});
    ASSERT_FALSE(halves.isEmpty() || turned.isEmpty());
    const QImage image = grabFrame(turned, QSize(160, 160));
    EXPECT_EQ(image.size(), QSize(120, 160));
    EXPECT_EQ(hueAt(image, QPoint(60, 20)), 'b');
    EXPECT_EQ(hueAt(image, QPoint(60, 140)), 'r');
}

// Files with no picture to show give a null image, and give it quickly.
TEST(VideoFrameGrabberTest, NoPictureGivesANullImageQuickly)
{
    const QString dir = fixtureDirectory();
    const QString video = MediaFixtures::cachedVideo(u"pattern.mp4"_s);
    const QString matroska = MediaFixtures::cachedVideo(u"pattern.mkv"_s);
    MediaFixtures::AudioOptions withCover;
    withCover.cover = MediaFixtures::Picture{};
    const QString coverOnly = MediaFixtures::cachedAudio(u"covered.mp3"_s, withCover);
    const QString audio = MediaFixtures::cachedTone(2.0, u"m4a"_s);
    ASSERT_FALSE(video.isEmpty() || matroska.isEmpty() || coverOnly.isEmpty() || audio.isEmpty());
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(video, dir + u"/cut.mp4"_s, 3000));
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(matroska, dir + u"/cut.mkv"_s, 600));
    ASSERT_TRUE(MediaFixtures::writeNoise(dir + u"/noise.mp4"_s, 200000));
    ASSERT_TRUE(MediaFixtures::writeNoise(dir + u"/noise.mkv"_s, 200000, 7));
    ASSERT_TRUE(MediaFixtures::writeBytes(dir + u"/empty.mp4"_s, {}));
    ASSERT_TRUE(QDir(dir).mkpath(u"folder.mp4"_s));
    const QString fifo = dir + u"/pipe.mp4"_s;
    QFile::remove(fifo);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    // Damaged files within the deadline; what is not a readable file without opening it.
    const std::pair<QStringList, std::chrono::milliseconds> cases[] = {
        {{audio, coverOnly, dir + u"/cut.mp4"_s, dir + u"/cut.mkv"_s, dir + u"/noise.mp4"_s,
          dir + u"/noise.mkv"_s},
         2s},
        {{dir + u"/empty.mp4"_s, dir + u"/missing.mp4"_s, dir + u"/folder.mp4"_s, fifo, QString()},
         100ms}};
    for (const auto &[paths, within] : cases) {
        for (const QString &path : paths) {
            QElapsedTimer timer;
            timer.start();
            EXPECT_TRUE(grabFrame(path, QSize(160, 90), 1s).isNull()) << qPrintable(path);
            EXPECT_LT(timer.elapsed(), within.count()) << qPrintable(path);
        }
    }
    QFile::remove(fifo);
    // The deadline covers the whole grab: one already spent gives up on a good file.
    EXPECT_TRUE(grabFrame(video, QSize(160, 90), 0ms).isNull());
}
