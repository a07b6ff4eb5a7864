// The video picture cache and its image provider: what is taken again and what is
// not, where the files go, and the way from a QML Image to the grab (the real grabber
// behind it shows its pictures in the screenshot test).
#include "VideoFrameCache.h"

#include "MediaFixtures.h"
#include "TestSupport.h"
#include "VideoFrameImageProvider.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMutex>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using TestSupport::permissionsOf;

namespace {

// Stands in for VideoFrameGrabber: a green 16:9 picture fitted to the box (none when
// `fails`), noting the paths asked for and whether one was asked on the GUI thread.
struct Grabs
{
    QMutex mutex;
    QStringList paths;
    bool onGuiThread = false;
    bool fails = false;
    qsizetype calls()
    {
        const QMutexLocker lock(&mutex);
        return paths.size();
    }
};

VideoFrameCache::Grabber counting(std::shared_ptr<Grabs> grabs)
{
    return [grabs](const QString &path, QSize box) {
        QMutexLocker lock(&grabs->mutex);
        grabs->paths.append(path);
        grabs->onGuiThread |= QThread::currentThread() == qApp->thread();
        QImage image(QSize(16, 9).scaled(box, Qt::KeepAspectRatio), QImage::Format_RGB888);
        image.fill(Qt::green);
        return grabs->fails ? QImage() : image;
    };
}

qsizetype storedCount(const QString &directory)
{
    return QDir(directory).entryList({u"*.jpg"_s}, QDir::Files).size();
}

bool setModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(time, QFileDevice::FileModificationTime);
}

// Every test has its own cache home (XDG_CACHE_HOME) and video folder.
class VideoFrameCacheTest : public testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home.path()));
        ASSERT_TRUE(MediaFixtures::writeBytes(m_video, "stands for a video"));
    }

    QTemporaryDir m_home{TestSupport::scratchRoot() + u"/cache-home-XXXXXX"_s};
    QTemporaryDir m_sources{TestSupport::scratchRoot() + u"/videos-XXXXXX"_s};
    const QString m_thumbnails = m_home.path() + u"/Lyrabox/thumbnails"_s;
    const QString m_video = m_sources.filePath(u"clip.mp4"_s);
    std::shared_ptr<Grabs> grabs = std::make_shared<Grabs>();
    VideoFrameCache::Grabber grabber = counting(grabs);
};

} // namespace

// The default folder follows XDG_CACHE_HOME and is made private; a later session shows
// the stored picture without taking it again; a bigger card takes a bigger one.
TEST_F(VideoFrameCacheTest, StoredPrivatelyAndNotTakenAgain)
{
    ASSERT_EQ(VideoFrameCache::defaultDirectory(), m_thumbnails);
    VideoFrameCache session(VideoFrameCache::defaultDirectory(), grabber);
    ASSERT_EQ(session.frame(m_video, QSize(300, 169)).size(), QSize(320, 180));
    ASSERT_FALSE(session.frame(m_video, QSize(320, 180)).isNull()) << "same box, from memory";
    EXPECT_EQ(permissionsOf(m_thumbnails), 0700);
    EXPECT_EQ(permissionsOf(m_home.path() + u"/Lyrabox"_s), 0700);
    EXPECT_EQ(QDir(m_sources.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);

    VideoFrameCache later(m_thumbnails, grabber);
    const QImage stored = later.frame(m_video, QSize(320, 180));
    EXPECT_EQ(grabs->calls(), 1);
    EXPECT_TRUE(stored.size() == QSize(320, 180) && stored.pixelColor(160, 90).green() > 240);
    EXPECT_EQ(later.frame(m_video, QSize(640, 360)).size(), QSize(640, 360));
    EXPECT_EQ(grabs->calls(), 2);
}

// A folder left open to others is closed; a link in its place is not written through.
TEST_F(VideoFrameCacheTest, CacheFolderIsClosedOrRefused)
{
    ASSERT_TRUE(QDir().mkpath(m_thumbnails));
    ASSERT_EQ(::chmod(QFile::encodeName(m_thumbnails).constData(), 0755), 0);
    ASSERT_FALSE(VideoFrameCache(m_thumbnails, grabber).frame(m_video, {}).isNull());
    EXPECT_EQ(permissionsOf(m_thumbnails), 0700);

    QTemporaryDir elsewhere(TestSupport::scratchRoot() + u"/elsewhere-XXXXXX"_s);
    const QString link = m_home.path() + u"/linked"_s;
    ASSERT_TRUE(QFile::link(elsewhere.path(), link));
    EXPECT_FALSE(VideoFrameCache(link, grabber).frame(m_video, {}).isNull());
    EXPECT_EQ(storedCount(elsewhere.path()), 0);
}

// A file changed on disk (time, then size) or a damaged stored picture: taken again.
TEST_F(VideoFrameCacheTest, ChangedFileOrDamagedStoreIsTakenAgain)
{
    VideoFrameCache cache(m_thumbnails, grabber);
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    ASSERT_FALSE(cache.frame(m_video, {}).isNull());
    ASSERT_TRUE(setModified(m_video, hourAgo));
    ASSERT_FALSE(cache.frame(m_video, {}).isNull());
    ASSERT_TRUE(MediaFixtures::writeBytes(m_video, "a longer video than before"));
    ASSERT_TRUE(setModified(m_video, hourAgo));
    ASSERT_FALSE(cache.frame(m_video, {}).isNull());
    EXPECT_EQ(grabs->calls(), 3);
    EXPECT_EQ(storedCount(m_thumbnails), 3);

    for (const QString &name : QDir(m_thumbnails).entryList(QDir::Files))
        ASSERT_TRUE(MediaFixtures::writeBytes(m_thumbnails + u'/' + name, "not a jpeg"));
    EXPECT_FALSE(VideoFrameCache(m_thumbnails, grabber).frame(m_video, {}).isNull());
    EXPECT_EQ(grabs->calls(), 4);
}

// A video with no picture is tried once while unchanged, and nothing is stored; what is
// not an absolute path to a regular file is never tried.
TEST_F(VideoFrameCacheTest, NoPictureIsRememberedAndOddPathsAreNotTried)
{
    grabs->fails = true;
    VideoFrameCache cache(m_thumbnails, grabber);
    EXPECT_TRUE(cache.frame(m_video, QSize(320, 180)).isNull());
    EXPECT_TRUE(cache.frame(m_video, QSize(640, 360)).isNull());
    EXPECT_EQ(storedCount(m_thumbnails), 0);

    const QString fifo = m_sources.filePath(u"pipe.mp4"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {m_sources.path(), fifo, u"clip.mp4"_s, QString()})
        EXPECT_TRUE(cache.frame(path, {}).isNull()) << qPrintable(path);
    EXPECT_EQ(grabs->calls(), 1);
}

// The middle of a 4:3 picture fills a 16:9 card exactly; one given side scales.
TEST(VideoFrameFill, CropsTheMiddleToFillTheCard)
{
    // Red bands above and below a green middle a little taller than 16:9.
    QImage frame(400, 300, QImage::Format_RGB888);
    frame.fill(Qt::red);
    QPainter(&frame).fillRect(0, 30, 400, 240, Qt::green);

    const QImage card = VideoFrameImageProvider::filled(frame, QSize(320, 180));
    ASSERT_EQ(card.size(), QSize(320, 180));
    EXPECT_TRUE(card.pixelColor(160, 1) == Qt::green && card.pixelColor(160, 178) == Qt::green)
        << "the red bands are cropped away";
    EXPECT_EQ(VideoFrameImageProvider::filled(frame, QSize(200, 0)).size(), QSize(200, 150));
    EXPECT_EQ(VideoFrameImageProvider::filled(frame, QSize()).size(), frame.size());
}

namespace {

// A QML Image over the provider, as the Videos grid shows a card; the status it
// settles on (Image.Ready is 1, Image.Error 3) and its size.
std::pair<int, QSize> show(QQmlEngine &engine, const QString &source, QSize size = {320, 180})
{
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nImage {}", QUrl());
    std::unique_ptr<QObject> image(component.create());
    image->setProperty("sourceSize", size);
    image->setProperty("source", QUrl(source));
    TestSupport::waitUntil([&] { return image->property("status").toInt() != 2; }); // Loading
    return {image->property("status").toInt(), QSize(image->property("implicitWidth").toInt(),
                                                     image->property("implicitHeight").toInt())};
}

} // namespace

// Awkward names reach the grabber intact through both ways of writing the address
// (the view's encodeURIComponent and sourceFor), off the GUI thread; an address naming
// no absolute local path is an error, so the view keeps its placeholder.
TEST_F(VideoFrameCacheTest, ProviderLoadsEitherAddressOffTheGuiThread)
{
    const QString awkward = m_sources.filePath(u"Ünïcode 100% #1 ?x=%41&y.mkv"_s);
    ASSERT_TRUE(QFile::copy(m_video, awkward));
    VideoFrameCache cache(m_thumbnails, grabber);
    QQmlEngine engine;
    engine.addImageProvider(u"videoframe"_s, new VideoFrameImageProvider(cache));

    engine.globalObject().setProperty(u"path"_s, awkward);
    const QString fromView =
        engine.evaluate(u"'image://videoframe/' + encodeURIComponent(path)"_s).toString();
    const QString fromCpp =
        VideoFrameImageProvider::sourceFor(QUrl::fromLocalFile(awkward)).toString();
    for (const QString &source : {fromView, fromCpp})
        EXPECT_EQ(show(engine, source), std::make_pair(1, QSize(320, 180))) << qPrintable(source);
    EXPECT_EQ(grabs->paths, QStringList{awkward}) << "the second from memory";
    EXPECT_FALSE(grabs->onGuiThread);

    EXPECT_EQ(show(engine, u"image://videoframe/relative%2Fclip.mp4"_s).first, 3);
    EXPECT_TRUE(VideoFrameImageProvider::sourceFor(QUrl(u"https://example.com/a.mp4"_s)).isEmpty());
}
