// Starts the real application (managers, QML, mpv drawing through OpenGL) under a
// real display (Xvfb): imports generated media through the library, plays an Arabic
// audiobook with chapters and then a video, and saves screenshots of the whole window
// into LYRABOX_SCREENSHOT_DIR (scheme from LYRABOX_APPEARANCE); drives the menu
// commands by their shortcuts.
#include "LyraboxApp.h"
#include "MediaFixtures.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/YouTubeService.h"
#include "platform/Appearance.h"

#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QQmlComponent>
#include <QTest>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

using namespace Qt::StringLiterals;

namespace {

const QString kBookTitle = u"كتاب الرحلة الطويلة إلى مدينة النحاس - الجزء الأول"_s;

class ScreenshotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != u"xcb"_s)
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        ASSERT_TRUE(MediaFixtures::ffmpegAvailable());
        outDir = qEnvironmentVariable("LYRABOX_SCREENSHOT_DIR",
                                      TestSupport::scratchRoot() + u"/screenshots"_s);
        QDir().mkpath(outDir);
        scheme = Appearance::current() == Appearance::Scheme::Dark ? u"dark"_s : u"light"_s;
    }

    QQuickItem *item(LyraboxApp &app, const char *name)
    {
        QQuickItem *found = app.window()->findChild<QQuickItem *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    QImage shoot(LyraboxApp &app, const QString &name)
    {
        // Let a few frames go by so that images loaded on threads are in.
        for (int i = 0; i < 3; ++i) {
            app.window()->requestUpdate();
            TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(150));
        }
        QImage image = app.window()->grabWindow();
        const QString path = outDir + u'/' + name + u'-' + scheme + u".png"_s;
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return image;
    }

    QString outDir;
    QString scheme;
};

int indexOfTitle(const QList<MediaItem> &items, const QString &title)
{
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].title == title)
            return i;
    }
    return -1;
}

// Share of pixels in `rect` that are neither black nor near it.
double colouredShare(const QImage &image, const QRect &rect)
{
    int coloured = 0;
    int total = 0;
    for (int y = rect.top(); y < rect.bottom(); y += 3) {
        for (int x = rect.left(); x < rect.right(); x += 3) {
            ++total;
            if (QColor(image.pixel(x, y)).value() > 40)
                ++coloured;
        }
    }
    return total ? double(coloured) / total : 0;
}

TEST_F(ScreenshotTest, MiniPlayerNowPlayingWithChaptersAndVideo)
{
    const QString dir = TestSupport::scratchRoot() + u"/screenshot-media-"_s + scheme;
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);

    MediaFixtures::AudioOptions book;
    book.seconds = 40;
    book.title = kBookTitle;
    book.artist = u"راوي الحكايات"_s;
    book.album = u"مكتبة المساء"_s;
    book.cover = MediaFixtures::Picture{QSize(400, 400)};
    book.chapters = {{u"المقدمة"_s, 0, 10}, {u"الفصل الأول: الطريق"_s, 10, 25},
                     {u"الفصل الثاني: المدينة"_s, 25, 40}};
    ASSERT_TRUE(MediaFixtures::writeAudio(dir + u"/book.m4b"_s, book)) << MediaFixtures::lastError().toStdString();
    MediaFixtures::AudioOptions song;
    song.title = u"Morning Light"_s;
    song.artist = u"The Quiet Rooms"_s;
    ASSERT_TRUE(MediaFixtures::writeAudio(dir + u"/song.mp3"_s, song));
    ASSERT_TRUE(MediaFixtures::writeVideo(dir + u"/Harbour at Dusk.mp4"_s, QSize(320, 180), 6));

    LyraboxApp::Options options;
    options.audioOutput = "null";
    LyraboxApp app(options);
    ASSERT_TRUE(app.isValid());
    QQuickWindow *window = app.window();
    window->resize(1180, 760);
    window->show();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return window->isExposed(); }));

    LibraryManager &library = app.libraryManager();
    MediaPlayerManager &player = app.playerManager();
    library.addFiles({QUrl::fromLocalFile(dir + u"/book.m4b"_s),
                      QUrl::fromLocalFile(dir + u"/song.mp3"_s),
                      QUrl::fromLocalFile(dir + u"/Harbour at Dusk.mp4"_s)});
    ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
    const QList<MediaItem> items = library.allItems();
    ASSERT_EQ(items.size(), 3);
    const int bookIndex = indexOfTitle(items, kBookTitle);
    const int videoIndex = indexOfTitle(items, u"Harbour at Dusk"_s);
    ASSERT_GE(bookIndex, 0);
    ASSERT_GE(videoIndex, 0);
    ASSERT_EQ(items[bookIndex].chapters.size(), 3);

    // The audiobook, past the first chapter mark: mini player over the library section.
    ASSERT_TRUE(item(app, "miniPlayer"));
    EXPECT_FALSE(item(app, "miniPlayer")->isVisible());
    player.play(items, bookIndex);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.duration() > 0 && player.currentTime() > 0.2; }));
    player.seek(12);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.currentChapter().has_value(); }));
    EXPECT_TRUE(item(app, "miniPlayer")->isVisible());
    shoot(app, u"mini-player-library"_s);

    // Now playing with its chapters.
    QObject *content = item(app, "content");
    ASSERT_TRUE(content);
    content->setProperty("selectedTab", 6);
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        QQuickItem *column = item(app, "chapterColumn");
        return column && column->isVisible();
    }));
    EXPECT_TRUE(item(app, "currentChapterLine")->isVisible());
    shoot(app, u"now-playing-chapters"_s);

    // The smallest window, long right-to-left titles.
    window->resize(900, 600);
    TestSupport::waitUntil([&] { return window->width() == 900; }, std::chrono::seconds(2));
    shoot(app, u"now-playing-minimum-size"_s);
    window->resize(1180, 760);
    TestSupport::waitUntil([&] { return window->width() == 1180; }, std::chrono::seconds(2));

    // A video: its picture on black in the main column.
    player.play(items, videoIndex);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.hasVideo() && player.currentTime() > 1.0; }));
    QQuickItem *videoArea = item(app, "videoArea");
    ASSERT_TRUE(videoArea && videoArea->isVisible());
    const QImage shot = shoot(app, u"now-playing-video"_s);
    const qreal dpr = shot.devicePixelRatio();
    const QRectF area = videoArea->mapRectToScene(videoArea->boundingRect());
    const QRect pixels(int(area.x() * dpr), int(area.y() * dpr), int(area.width() * dpr),
                       int(area.height() * dpr));
    // The test pattern fills the middle of the area; the bars beside it stay black.
    EXPECT_GT(colouredShare(shot, pixels), 0.2) << "no picture in the video area";
}

// The menu commands reach the managers through their shortcuts; Space goes to a text
// field that has the focus instead of toggling playback.
TEST_F(ScreenshotTest, MenuShortcutsDriveTheManagers)
{
    const QString dir = TestSupport::scratchRoot() + u"/shortcut-media-"_s + scheme;
    QDir().mkpath(dir);
    MediaFixtures::AudioOptions song;
    song.seconds = 20;
    ASSERT_TRUE(MediaFixtures::writeAudio(dir + u"/tone.mp3"_s, song));

    LyraboxApp::Options options;
    options.audioOutput = "null";
    LyraboxApp app(options);
    ASSERT_TRUE(app.isValid());
    QQuickWindow *window = app.window();
    window->show();
    window->requestActivate();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return window->isExposed(); }));
    EXPECT_GE(window->minimumWidth(), 900);
    EXPECT_GE(window->minimumHeight(), 600);

    MediaPlayerManager &player = app.playerManager();
    app.libraryManager().addFiles({QUrl::fromLocalFile(dir + u"/tone.mp3"_s)});
    ASSERT_TRUE(TestSupport::waitUntil([&] { return app.libraryManager().runningImports() == 0; }));
    player.play(app.libraryManager().allItems().first());
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.isPlaying(); }));

    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_FALSE(player.isPlaying());
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(player.isPlaying());

    player.setVolume(0.5f);
    QTest::keyClick(window, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(player.volume(), 0.6f);
    QTest::keyClick(window, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(player.volume(), 0.4f);

    // "Paste YouTube URL": text replaces the address as it is; an image changes nothing.
    YouTubeService &youtube = app.youtubeService();
    youtube.setUrlInput(u"old"_s);
    QGuiApplication::clipboard()->setText(u" not an address "_s);
    QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(youtube.urlInput(), u" not an address "_s);
    auto *image = new QMimeData;
    image->setImageData(QImage(2, 2, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(image);
    QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(youtube.urlInput(), u" not an address "_s);

    // A text field with the focus takes the space.
    QQmlComponent component(&app.engine());
    component.setData("import QtQuick.Controls\nTextField { width: 200 }", QUrl());
    auto *field = qobject_cast<QQuickItem *>(component.create());
    ASSERT_TRUE(field) << component.errorString().toStdString();
    field->setParentItem(window->contentItem());
    field->forceActiveFocus();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return field->hasActiveFocus(); }));
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(field->property("text").toString(), u" "_s);
    delete field;
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    LyraboxApp::prepareGraphics();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
