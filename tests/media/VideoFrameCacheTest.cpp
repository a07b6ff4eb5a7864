// The video picture cache and its image provider: what is taken again and what is
// not, where the files go, and the way from a QML Image to the grab.
#include "VideoFrameCache.h"
#include "VideoFrameImageProvider.h"

#include "MediaFixtures.h"
#include "TestSupport.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// Stands in for VideoFrameGrabber: a plain 16:9 picture fitted to the box, counting
// calls and noting where they ran and what they were given.
struct CountingGrabber
{
    struct Record
    {
        QMutex mutex;
        int calls = 0;
        bool onGuiThread = false;
        QStringList paths;
        QList<QSize> boxes;
    };
    std::shared_ptr<Record> record = std::make_shared<Record>();
    bool fails = false;

    VideoFrameCache::Grabber function() const
    {
        return [record = record, fails = fails](const QString &path, QSize box) {
            QMutexLocker lock(&record->mutex);
            ++record->calls;
            record->onGuiThread |= QThread::currentThread() == qApp->thread();
            record->paths.append(path);
            record->boxes.append(box);
            if (fails)
                return QImage();
            QImage image(QSize(16, 9).scaled(box, Qt::KeepAspectRatio), QImage::Format_RGB888);
            image.fill(QColor(20, 160, 60));
            return image;
        };
    }
    int calls() const
    {
        QMutexLocker lock(&record->mutex);
        return record->calls;
    }
};

int permissionsOf(const QString &path)
{
    struct stat info{};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

QStringList storedPictures(const QString &directory)
{
    return QDir(directory).entryList({u"*.jpg"_s}, QDir::Files);
}

// Every test has its own cache home and source folder; nothing reaches the user's.
class VideoFrameCacheTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid() && m_sources.isValid());
        m_savedHome = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home.path()));
        m_video = m_sources.filePath(u"clip.mp4"_s);
        ASSERT_TRUE(MediaFixtures::writeBytes(m_video, "stands for a video"));
    }
    void TearDown() override { qputenv("XDG_CACHE_HOME", m_savedHome); }

    QString thumbnails() const { return m_home.path() + u"/Lyrabox/thumbnails"_s; }

    QTemporaryDir m_home{TestSupport::scratchRoot() + u"/cache-home-XXXXXX"_s};
    QTemporaryDir m_sources{TestSupport::scratchRoot() + u"/videos-XXXXXX"_s};
    QByteArray m_savedHome;
    QString m_video;
};

} // namespace

// The default place follows XDG_CACHE_HOME; the folders are made private on first write,
// and nothing lands beside the video.
TEST_F(VideoFrameCacheTest, PicturesGoToThePrivateCacheFolder)
{
    EXPECT_EQ(VideoFrameCache::defaultDirectory(), thumbnails());
    CountingGrabber grabber;
    VideoFrameCache cache(VideoFrameCache::defaultDirectory(), grabber.function());

    const QImage image = cache.frame(m_video, QSize(320, 180));
    ASSERT_EQ(image.size(), QSize(320, 180));
    EXPECT_EQ(storedPictures(thumbnails()).size(), 1);
    EXPECT_EQ(permissionsOf(thumbnails()), 0700);
    EXPECT_EQ(permissionsOf(m_home.path() + u"/Lyrabox"_s), 0700);
    EXPECT_EQ(QDir(m_sources.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{u"clip.mp4"_s});
}

// A folder left open to others is closed; a link in its place is not written through.
TEST_F(VideoFrameCacheTest, CacheFolderIsClosedOrRefused)
{
    ASSERT_TRUE(QDir().mkpath(thumbnails()));
    ASSERT_EQ(::chmod(QFile::encodeName(thumbnails()).constData(), 0755), 0);
    CountingGrabber grabber;
    VideoFrameCache open(thumbnails(), grabber.function());
    ASSERT_FALSE(open.frame(m_video, QSize(320, 180)).isNull());
    EXPECT_EQ(permissionsOf(thumbnails()), 0700);

    QTemporaryDir elsewhere(TestSupport::scratchRoot() + u"/elsewhere-XXXXXX"_s);
    const QString link = m_home.path() + u"/linked"_s;
    ASSERT_TRUE(QFile::link(elsewhere.path(), link));
    VideoFrameCache linked(link, grabber.function());
    EXPECT_FALSE(linked.frame(m_video, QSize(320, 180)).isNull()) << "still shown from memory";
    EXPECT_TRUE(storedPictures(elsewhere.path()).isEmpty());
}

// Memory first, then disk: a second cache over the same folder (a later session)
// shows the stored picture without taking it again.
TEST_F(VideoFrameCacheTest, StoredPicturesAreNotTakenAgain)
{
    CountingGrabber first;
    VideoFrameCache session(thumbnails(), first.function());
    ASSERT_FALSE(session.frame(m_video, QSize(300, 169)).isNull());
    ASSERT_FALSE(session.frame(m_video, QSize(320, 180)).isNull()) << "same box";
    EXPECT_EQ(first.calls(), 1);

    CountingGrabber second;
    VideoFrameCache later(thumbnails(), second.function());
    const QImage stored = later.frame(m_video, QSize(320, 180));
    EXPECT_EQ(second.calls(), 0);
    ASSERT_EQ(stored.size(), QSize(320, 180));
    const QColor colour = stored.pixelColor(160, 90);
    EXPECT_NEAR(colour.green(), 160, 12);
    EXPECT_NEAR(colour.red(), 20, 12);

    // A bigger card asks for a bigger picture, taken once more.
    EXPECT_EQ(later.frame(m_video, QSize(640, 360)).size(), QSize(640, 360));
    EXPECT_EQ(second.calls(), 1);
}

// A file changed on disk (time or size) is another picture; a damaged stored picture is
// taken again.
TEST_F(VideoFrameCacheTest, ChangedFileOrDamagedStoreIsTakenAgain)
{
    CountingGrabber grabber;
    VideoFrameCache cache(thumbnails(), grabber.function());
    ASSERT_FALSE(cache.frame(m_video, QSize(320, 180)).isNull());

    QFile file(m_video);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    file.close();
    ASSERT_FALSE(cache.frame(m_video, QSize(320, 180)).isNull());
    EXPECT_EQ(grabber.calls(), 2);

    ASSERT_TRUE(MediaFixtures::writeBytes(m_video, "a longer video than before"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    file.close();
    ASSERT_FALSE(cache.frame(m_video, QSize(320, 180)).isNull());
    EXPECT_EQ(grabber.calls(), 3);
    EXPECT_EQ(storedPictures(thumbnails()).size(), 3);

    for (const QString &name : storedPictures(thumbnails()))
        ASSERT_TRUE(MediaFixtures::writeBytes(thumbnails() + u'/' + name, "not a jpeg"));
    VideoFrameCache later(thumbnails(), grabber.function());
    EXPECT_EQ(later.frame(m_video, QSize(320, 180)).size(), QSize(320, 180));
    EXPECT_EQ(grabber.calls(), 4);
}

// A video with no picture is tried once while it stays unchanged, and nothing is
// stored for it; things that are not regular files are never handed to the grabber.
TEST_F(VideoFrameCacheTest, NoPictureIsRememberedAndOddPathsAreNotTried)
{
    CountingGrabber grabber;
    grabber.fails = true;
    VideoFrameCache cache(thumbnails(), grabber.function());
    EXPECT_TRUE(cache.frame(m_video, QSize(320, 180)).isNull());
    EXPECT_TRUE(cache.frame(m_video, QSize(640, 360)).isNull());
    EXPECT_EQ(grabber.calls(), 1);
    EXPECT_TRUE(storedPictures(thumbnails()).isEmpty());

    const QString fifo = m_sources.filePath(u"pipe.mp4"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &path : {m_sources.path(), fifo, u"clip.mp4"_s, QString(),
                                m_sources.filePath(u"missing.mp4"_s)})
        EXPECT_TRUE(cache.frame(path, QSize(320, 180)).isNull()) << qPrintable(path);
    EXPECT_EQ(grabber.calls(), 1);
}

// Cropping to the card: the middle of a 4:3 picture fills 16:9 exactly; one given side
// scales; no size leaves the picture as taken.
TEST(VideoFrameFill, CropsTheMiddleToFillTheCard)
{
    QImage frame(400, 300, QImage::Format_RGB888);
    frame.fill(Qt::red);
    for (int y = 40; y < 260; ++y) {
        for (int x = 0; x < 400; ++x)
            frame.setPixelColor(x, y, Qt::green);
    }
    const QImage card = VideoFrameImageProvider::filled(frame, QSize(320, 180));
    ASSERT_EQ(card.size(), QSize(320, 180));
    EXPECT_EQ(card.pixelColor(160, 2).green(), 255) << "the red bands are cropped away";
    EXPECT_EQ(card.pixelColor(160, 177).green(), 255);

    EXPECT_EQ(VideoFrameImageProvider::filled(frame, QSize(200, 0)).size(), QSize(200, 150));
    EXPECT_EQ(VideoFrameImageProvider::filled(frame, QSize(0, 60)).size(), QSize(80, 60));
    EXPECT_EQ(VideoFrameImageProvider::filled(frame, QSize()).size(), frame.size());
    EXPECT_TRUE(VideoFrameImageProvider::filled(QImage(), QSize(320, 180)).isNull());
}

namespace {

// A QML Image over the provider, as the Videos grid shows a card.
class VideoFrameProviderTest : public VideoFrameCacheTest
{
protected:
    void SetUp() override
    {
        VideoFrameCacheTest::SetUp();
        if (HasFatalFailure())
            return;
        m_cache = std::make_unique<VideoFrameCache>(thumbnails(), m_grabber.function());
        m_engine = std::make_unique<QQmlEngine>();
        m_engine->addImageProvider(u"videoframe"_s, new VideoFrameImageProvider(*m_cache));
    }

    void TearDown() override
    {
        m_engine.reset();
        VideoFrameCacheTest::TearDown();
    }

    enum Status { Null, Ready, Loading, Error }; // Image.status

    // The status the Image settles on for `source`, and its size then.
    std::pair<int, QSize> show(const QString &source)
    {
        QQmlComponent component(m_engine.get());
        component.setData("import QtQuick\nImage { sourceSize.width: 320; sourceSize.height: 180 }",
                          QUrl());
        std::unique_ptr<QObject> image(component.create());
        if (!image) {
            ADD_FAILURE() << qPrintable(component.errorString());
            return {Null, {}};
        }
        image->setProperty("source", QUrl(source));
        TestSupport::waitUntil([&] { return image->property("status").toInt() != Loading; });
        return {image->property("status").toInt(),
                QSize(image->property("implicitWidth").toInt(),
                      image->property("implicitHeight").toInt())};
    }

    // How the view builds the address: encodeURIComponent of the path.
    QString sourceAsTheViewWritesIt(const QString &path)
    {
        return m_engine->evaluate(u"'image://videoframe/' + encodeURIComponent(path)"_s.replace(
                                      u"path"_s, u"'"_s + path + u"'"_s))
            .toString();
    }

    CountingGrabber m_grabber;
    std::unique_ptr<VideoFrameCache> m_cache;
    std::unique_ptr<QQmlEngine> m_engine;
};

} // namespace

// Awkward names reach the grabber intact through both ways of writing the address,
// the picture is cropped to the card, and the grab never runs on the GUI thread.
TEST_F(VideoFrameProviderTest, ImageLoadsThroughEitherAddressOffTheGuiThread)
{
    const QString awkward = m_sources.filePath(u"Ünïcode 100% #1 ?x=%41&y.mkv"_s);
    ASSERT_TRUE(QFile::copy(m_video, awkward));

    const QString fromView = sourceAsTheViewWritesIt(awkward);
    const QString fromCpp = VideoFrameImageProvider::sourceFor(QUrl::fromLocalFile(awkward)).toString();
    ASSERT_TRUE(fromView.startsWith(u"image://videoframe/"_s)) << qPrintable(fromView);
    for (const QString &source : {fromView, fromCpp}) {
        const auto [status, size] = show(source);
        EXPECT_EQ(status, Ready) << qPrintable(source);
        EXPECT_EQ(size, QSize(320, 180));
    }
    QMutexLocker lock(&m_grabber.record->mutex);
    EXPECT_EQ(m_grabber.record->paths, QStringList{awkward}) << "the second came from memory";
    EXPECT_FALSE(m_grabber.record->onGuiThread);
}

// No picture, an address that names no local file, or a relative path: an error, so the
// view keeps its placeholder.
TEST_F(VideoFrameProviderTest, NoPictureIsAnError)
{
    m_grabber.fails = true;
    m_cache = std::make_unique<VideoFrameCache>(thumbnails(), m_grabber.function());
    m_engine = std::make_unique<QQmlEngine>();
    m_engine->addImageProvider(u"videoframe"_s, new VideoFrameImageProvider(*m_cache));

    EXPECT_EQ(show(VideoFrameImageProvider::sourceFor(QUrl::fromLocalFile(m_video)).toString()).first,
              Error);
    EXPECT_EQ(show(u"image://videoframe/relative%2Fclip.mp4"_s).first, Error);
    EXPECT_EQ(show(u"image://videoframe/"_s).first, Error);
    EXPECT_TRUE(VideoFrameImageProvider::sourceFor(QUrl(u"https://example.com/a.mp4"_s)).isEmpty());
    EXPECT_EQ(m_grabber.calls(), 1);
}

// The real grabber behind the provider: a generated video becomes a card picture, stored
// under the cache home.
TEST(VideoFrameProviderEndToEnd, GeneratedVideoBecomesACard)
{
    if (!MediaFixtures::ffmpegAvailable())
        GTEST_SKIP() << "ffmpeg is not installed";
    const QString video = MediaFixtures::cachedVideo(u"card.mkv"_s, QSize(320, 240));
    ASSERT_FALSE(video.isEmpty()) << qPrintable(MediaFixtures::lastError());
    QTemporaryDir home(TestSupport::scratchRoot() + u"/cache-home-XXXXXX"_s);
    VideoFrameCache cache(home.path() + u"/thumbnails"_s);
    QQmlEngine engine;
    engine.addImageProvider(u"videoframe"_s, new VideoFrameImageProvider(cache));

    QQmlComponent component(&engine);
    component.setData("import QtQuick\nImage { sourceSize.width: 160; sourceSize.height: 90 }", QUrl());
    std::unique_ptr<QObject> image(component.create());
    ASSERT_TRUE(image);
    image->setProperty("source", VideoFrameImageProvider::sourceFor(QUrl::fromLocalFile(video)));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return image->property("status").toInt() == 1; }))
        << image->property("status").toInt();
    EXPECT_EQ(image->property("implicitWidth").toInt(), 160);
    EXPECT_EQ(image->property("implicitHeight").toInt(), 90);
    EXPECT_EQ(storedPictures(home.path() + u"/thumbnails"_s).size(), 1);
}
