// Starts the real application (managers, QML, mpv drawing through OpenGL) under a
// real display (Xvfb): imports generated media through the library, plays an Arabic
// audiobook with chapters and then a video, saves screenshots of the whole window into
// LYRABOX_SCREENSHOT_DIR (scheme from LYRABOX_APPEARANCE) and checks what each shows:
// texts of the item tree, the scheme's colours, the video's picture. Drives the menu
// commands by their shortcuts.
#include "LyraboxApp.h"
#include "MediaFixtures.h"
#include "SidebarTab.h"
#include "TestItems.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "platform/Appearance.h"

#include <QDir>
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
        colors = Appearance::colors(Appearance::current());
        options.audioOutput = "null";
    }

    QQuickItem *item(LyraboxApp &app, const QString &name)
    {
        QQuickItem *found = app.window()->findChild<QQuickItem *>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }
    // The texts of the item `name` and of the items within it, end to end.
    QString textOf(LyraboxApp &app, const QString &name)
    {
        QString text;
        if (QQuickItem *found = item(app, name)) {
            for (QObject *part : QObjectList{found} + found->findChildren<QObject *>())
                text += part->property("text").toString();
        }
        return text;
    }

    QImage save(const QImage &image, const QString &name)
    {
        const QString path = outDir + u'/' + name + u'-' + scheme + u".png"_s;
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return image;
    }
    QImage shoot(LyraboxApp &app, const QString &name)
    {
        // Let a few frames go by so that images loaded on threads are in.
        for (int i = 0; i < 3; ++i) {
            app.window()->requestUpdate();
            TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(150));
        }
        return save(app.window()->grabWindow(), name);
    }

    // The pixels under `item` in a grab of the window.
    static QRect pixelsOf(const QImage &shot, const QQuickItem *item)
    {
        const qreal dpr = shot.devicePixelRatio();
        const QRectF area = item->mapRectToScene(item->boundingRect());
        return QRect(int(area.x() * dpr), int(area.y() * dpr), int(area.width() * dpr),
                     int(area.height() * dpr));
    }
    // The colour at `x` points from the left edge of `item`, halfway down.
    static QColor colourIn(const QImage &shot, const QQuickItem *item, int x)
    {
        const QRect r = pixelsOf(shot, item);
        return shot.pixelColor(r.x() + int(x * shot.devicePixelRatio()), r.center().y());
    }
    static int distance(const QColor &a, const QColor &b)
    {
        return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                         std::abs(a.blue() - b.blue())});
    }
    // The selected sidebar row is tinted with the accent colour, the others are not.
    void expectSelectedRow(LyraboxApp &app, const QImage &shot, const QString &selected,
                           const QString &other)
    {
        const QColor tinted = colourIn(shot, item(app, u"tabRow_"_s + selected), 8);
        const QColor plain = colourIn(shot, item(app, u"tabRow_"_s + other), 8);
        EXPECT_LE(distance(plain, colors.sidebar), 6) << qPrintable(plain.name());
        EXPECT_LT(distance(tinted, colors.accent), distance(colors.sidebar, colors.accent) - 30)
            << qPrintable(tinted.name());
    }

    QString outDir;
    QString scheme;
    Appearance::Colors colors;
    LyraboxApp::Options options;
};

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
    book.cover = MediaFixtures::Picture{QSize(400, 400)};
    book.chapters = {{u"المقدمة"_s, 0, 10}, {u"الفصل الأول: الطريق"_s, 10, 25},
                     {u"الفصل الثاني: المدينة"_s, 25, 40}};
    ASSERT_TRUE(MediaFixtures::writeAudio(dir + u"/book.m4b"_s, book)) << MediaFixtures::lastError().toStdString();
    ASSERT_TRUE(MediaFixtures::writeVideo(dir + u"/Harbour at Dusk.mp4"_s, QSize(320, 180), 6));

    LyraboxApp app(options);
    ASSERT_TRUE(app.isValid());
    QQuickWindow *window = app.window();
    window->resize(1180, 760);
    window->show();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return window->isExposed(); }));

    LibraryManager &library = app.libraryManager();
    MediaPlayerManager &player = app.playerManager();
    library.addFiles({QUrl::fromLocalFile(dir + u"/book.m4b"_s), QUrl::fromLocalFile(dir + u"/Harbour at Dusk.mp4"_s)});
    ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
    const QList<MediaItem> items = library.allItems();
    const QStringList titles = TestItems::titlesOf(items);
    const int bookIndex = int(titles.indexOf(kBookTitle));
    const int videoIndex = int(titles.indexOf(u"Harbour at Dusk"_s));
    ASSERT_EQ(items.size(), 2);
    ASSERT_GE(bookIndex, 0);
    ASSERT_GE(videoIndex, 0);
    ASSERT_EQ(items[bookIndex].chapters.size(), 3);

    // The audiobook, past the first chapter mark: mini player over the library section.
    QQuickItem *miniPlayer = item(app, u"miniPlayer"_s);
    ASSERT_TRUE(miniPlayer);
    EXPECT_FALSE(miniPlayer->isVisible());
    player.play(items, bookIndex);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.duration() > 0 && player.currentTime() > 0.2; }));
    player.seek(12);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.currentChapter().has_value(); }));
    EXPECT_TRUE(miniPlayer->isVisible());
    const QImage library1 = shoot(app, u"mini-player-library"_s);
    EXPECT_EQ(textOf(app, u"pageTitle"_s), u"Library"_s);
    EXPECT_EQ(textOf(app, u"miniTitle"_s), kBookTitle);
    expectSelectedRow(app, library1, u"Library"_s, u"Videos"_s);
    // The detail area's bottom corner, below the rows, shows the scheme's background.
    const QRect detail = pixelsOf(library1, item(app, u"detail"_s));
    const QColor background = library1.pixelColor(detail.right() - 20, detail.bottom() - 20);
    EXPECT_LE(distance(background, colors.window), 6) << qPrintable(background.name());

    // Now playing with its chapters.
    item(app, u"content"_s)->setProperty("selectedTab", int(SidebarTab::NowPlaying));
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        QQuickItem *column = window->findChild<QQuickItem *>(u"chapterColumn"_s);
        return column && column->isVisible();
    }));
    const QImage chapters = shoot(app, u"now-playing-chapters"_s);
    EXPECT_EQ(textOf(app, u"nowPlayingTitle"_s), kBookTitle);
    EXPECT_TRUE(textOf(app, u"currentChapterLine"_s).contains(u"الفصل الأول: الطريق"_s));
    expectSelectedRow(app, chapters, u"Now Playing"_s, u"Library"_s);

    // A video: its picture on black in the main column. Under load the first frame can
    // come long after playback starts, so the grabs repeat until it is there.
    player.play(items, videoIndex);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.hasVideo() && player.currentTime() > 0; }));
    QQuickItem *videoArea = item(app, u"videoArea"_s);
    ASSERT_TRUE(videoArea && videoArea->isVisible());
    QImage shot;
    // The test pattern fills the middle of the area; the bars beside it stay black.
    const auto pictureShown = [&] {
        shot = window->grabWindow();
        return colouredShare(shot, pixelsOf(shot, videoArea)) > 0.2;
    };
    EXPECT_TRUE(TestSupport::waitUntil(pictureShown)) << "no picture in the video area";
    save(shot, u"now-playing-video"_s);
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

    LyraboxApp app(options);
    ASSERT_TRUE(app.isValid());
    QQuickWindow *window = app.window();
    window->show();
    window->requestActivate();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return window->isExposed(); }));
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
    QTest::keyClick(window, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(player.volume(), 0.4f);

    // A text field with the focus takes the space.
    QQmlComponent component(&app.engine());
    component.setData("import QtQuick.Controls\nTextField { width: 200 }", QUrl());
    std::unique_ptr<QQuickItem> field(qobject_cast<QQuickItem *>(component.create()));
    ASSERT_TRUE(field) << component.errorString().toStdString();
    field->setParentItem(window->contentItem());
    field->forceActiveFocus();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return field->hasActiveFocus(); }));
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(field->property("text").toString(), u" "_s);
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    LyraboxApp::prepareGraphics();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
