// The real application (mpv drawing through OpenGL) under Xvfb; screenshots of the window
// go to LYRABOX_SCREENSHOT_DIR (scheme from LYRABOX_APPEARANCE) and are checked for what
// they show: texts of the item tree, the scheme's colours, the video's picture.
#include "LoopbackMediaServer.h"
#include "LyraboxApp.h"
#include "MediaFixtures.h"
#include "SidebarTab.h"
#include "TestItems.h"
#include "TestSupport.h"
#include "Translations.h"
#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/YouTubeService.h"
#include "models/Playlist.h"
#include "platform/Appearance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

using namespace Qt::StringLiterals;

namespace {

const QString kBookTitle = u"كتاب الرحلة الطويلة إلى مدينة النحاس - الجزء الأول"_s;

int distance(const QColor &a, const QColor &b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// Share of pixels in `rect` that are neither black nor near it.
double colouredShare(const QImage &image, const QRect &rect)
{
    int coloured = 0, total = 0;
    for (int y = rect.top(); y < rect.bottom(); y += 3) {
        for (int x = rect.left(); x < rect.right(); x += 3, ++total)
            coloured += QColor(image.pixel(x, y)).value() > 40;
    }
    return total ? double(coloured) / total : 0;
}

class ScreenshotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != u"xcb"_s)
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        // The run's locale picks the language: the translated window's test runs in
        // Arabic and Hebrew, the others (which read English texts) in English.
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        const QLocale::Language language = QLocale().language();
        if (test.starts_with("Translated") ==
            (language == QLocale::English || language == QLocale::C))
            GTEST_SKIP() << "runs in the other languages' runs";
        ASSERT_TRUE(MediaFixtures::ffmpegAvailable());
        QDir().mkpath(outDir);
    }

    // The app with an empty library, its window shown at `size` (the default when empty).
    QQuickWindow *startApp(QSize size = {})
    {
        LyraboxApp::Options options;
        options.audioOutput = "null";
        app = std::make_unique<LyraboxApp>(options);
        EXPECT_TRUE(app->isValid());
        QQuickWindow *window = app->window();
        if (!size.isEmpty())
            window->resize(size);
        window->show();
        window->requestActivate();
        EXPECT_TRUE(TestSupport::waitUntil([&] { return window->isExposed(); }));
        return window;
    }
    // By object name, list delegates included (they are items of the list, not its children).
    QQuickItem *item(const QString &name) { return itemUnder(app->window()->contentItem(), name); }
    static QQuickItem *itemUnder(QQuickItem *part, const QString &name)
    {
        if (part->objectName() == name)
            return part;
        for (QQuickItem *child : part->childItems()) {
            if (QQuickItem *found = itemUnder(child, name))
                return found;
        }
        return nullptr;
    }
    // The texts of the item `name` and of the visible items within it (list rows
    // included), end to end.
    QString textOf(const QString &name)
    {
        return item(name) ? textsUnder(item(name)) : u"(no item) "_s + name;
    }
    static QString textsUnder(QQuickItem *part)
    {
        QString text = part->property("text").toString();
        for (QQuickItem *child : part->childItems())
            text += child->isVisible() ? textsUnder(child) : QString();
        return text;
    }
    QImage save(const QImage &image, const QString &name)
    {
        EXPECT_TRUE(image.save(outDir + u'/' + name + u'-' + scheme + u".png"_s))
            << name.toStdString();
        return image;
    }
    QImage shoot(const QString &name)
    {
        QTest::qWait(450); // a few frames, for images loaded on threads
        return save(app->window()->grabWindow(), name);
    }
    // The pixels under `item` in a grab of the window.
    static QRect pixelsOf(const QImage &shot, const QQuickItem *item)
    {
        const QRectF area = item->mapRectToScene(item->boundingRect());
        const qreal dpr = shot.devicePixelRatio();
        return QRectF(area.topLeft() * dpr, area.size() * dpr).toRect();
    }
    // The selected sidebar row is tinted with the accent colour, the others are not.
    void expectSelectedRow(const QImage &shot, const QString &selected, const QString &other)
    {
        // 8 points in from the row's left edge, halfway down: the row's background.
        const auto colourOf = [&](const QString &tab) {
            const QRect row = pixelsOf(shot, item(u"tabRow_"_s + tab));
            return shot.pixelColor(row.x() + int(8 * shot.devicePixelRatio()), row.center().y());
        };
        const QColor tinted = colourOf(selected), plain = colourOf(other);
        EXPECT_LE(distance(plain, colors.sidebar), 6) << qPrintable(plain.name());
        EXPECT_LT(distance(tinted, colors.accent), distance(colors.sidebar, colors.accent) - 30)
            << qPrintable(tinted.name());
    }

    // Shoots the four tabs of the open settings window ("<prefix>settings-<page>"), each
    // fitting the window on the scheme's background; returns the tabs' texts.
    QStringList shootSettingsTabs(const QString &prefix = {})
    {
        auto *settings = qobject_cast<QQuickWindow *>(
            app->window()->property("settingsWindow").value<QObject *>());
        EXPECT_TRUE(settings && TestSupport::waitUntil([&] { return settings->isExposed(); }));
        if (!settings)
            return {u""_s, u""_s, u""_s, u""_s};
        QStringList texts;
        for (const QString &name :
             {u"generalPage"_s, u"sortingPage"_s, u"playbackPage"_s, u"youtubePage"_s}) {
            itemUnder(settings->contentItem(), u"settingsTabs"_s)
                ->setProperty("currentIndex", texts.size());
            QTest::qWait(450);
            const QImage shot = save(settings->grabWindow(), prefix + u"settings-"_s + name);
            QQuickItem *page = itemUnder(settings->contentItem(), name);
            texts += textsUnder(page);
            // Everything on the page fits the window without scrolling.
            EXPECT_LE(page->property("contentHeight").toReal(), page->height())
                << name.toStdString();
            EXPECT_LT(distance(shot.pixelColor(2, shot.height() - 3), colors.window), 8);
        }
        return texts;
    }

    const QString outDir = qEnvironmentVariable("LYRABOX_SCREENSHOT_DIR",
                                                TestSupport::scratchRoot() + u"/screenshots"_s);
    const QString scheme =
        Appearance::current() == Appearance::Scheme::Dark ? u"dark"_s : u"light"_s;
    const Appearance::Colors colors = Appearance::colors(Appearance::current());
    std::unique_ptr<LyraboxApp> app;
};

TEST_F(ScreenshotTest, MiniPlayerNowPlayingWithChaptersVideoAndShortcuts)
{
    const QTemporaryDir media(TestSupport::scratchRoot() + u"/media-XXXXXX"_s);
    const QString dir = media.path();
    MediaFixtures::AudioOptions book;
    book.seconds = 40;
    book.title = kBookTitle;
    book.artist = u"راوي الحكايات"_s;
    book.cover = MediaFixtures::Picture{QSize(400, 400)};
    book.chapters = {{u"المقدمة"_s, 0, 10},
                     {u"الفصل الأول: الطريق"_s, 10, 25},
                     {u"الفصل الثاني: المدينة"_s, 25, 40}};
    ASSERT_TRUE(MediaFixtures::writeAudio(dir + u"/book.m4b"_s, book));
    ASSERT_TRUE(MediaFixtures::writeVideo(dir + u"/Harbour at Dusk.mp4"_s, QSize(320, 180), 6));

    QQuickWindow *window = startApp(QSize(1180, 760));
    LibraryManager &library = app->libraryManager();
    MediaPlayerManager &player = app->playerManager();
    library.addFiles({QUrl::fromLocalFile(dir + u"/book.m4b"_s),
                      QUrl::fromLocalFile(dir + u"/Harbour at Dusk.mp4"_s)});
    ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
    const QList<MediaItem> items = library.allItems();
    const int bookIndex = int(TestItems::titlesOf(items).indexOf(kBookTitle));
    const int videoIndex = int(TestItems::titlesOf(items).indexOf(u"Harbour at Dusk"_s));
    ASSERT_TRUE(bookIndex >= 0 && videoIndex >= 0);

    // The audiobook, past the first chapter mark: mini player over the library section.
    QQuickItem *miniPlayer = item(u"miniPlayer"_s);
    ASSERT_TRUE(miniPlayer && !miniPlayer->isVisible());
    player.play(items, bookIndex);
    ASSERT_TRUE(TestSupport::waitUntil(
        [&] { return player.duration() > 0 && player.currentTime() > 0.2; }));
    player.seek(12);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.currentChapter().has_value(); }));
    EXPECT_TRUE(miniPlayer->isVisible());
    const QImage libraryShot = shoot(u"mini-player-library"_s);
    EXPECT_EQ(textOf(u"miniTitle"_s), kBookTitle);
    expectSelectedRow(libraryShot, u"Library"_s, u"Videos"_s);
    // The detail area's bottom corner, below the rows, shows the scheme's background.
    const QRect detail = pixelsOf(libraryShot, item(u"detail"_s));
    const QColor background = libraryShot.pixelColor(detail.right() - 20, detail.bottom() - 20);
    EXPECT_LE(distance(background, colors.window), 6) << qPrintable(background.name());

    // The library and the playlists (grid and detail), at the smallest window and at a
    // large one, with right-to-left and left-to-right names.
    library.createPlaylist(u"رحلات المساء"_s, items, false);
    library.createPlaylist(u"Road Trip"_s, {}, true);
    QQuickItem *content = item(u"content"_s);
    const QString eveningId = library.playlists().first().id.toString(QUuid::WithoutBraces);
    for (const QSize size : {window->minimumSize(), QSize(1400, 900)}) {
        window->resize(size);
        const QString suffix = u"-%1x%2"_s.arg(size.width()).arg(size.height());
        content->setProperty("selectedTab", int(SidebarTab::Library));
        shoot(u"library"_s + suffix);
        EXPECT_TRUE(textOf(u"libraryList"_s).contains(kBookTitle));
        content->setProperty("selectedTab", int(SidebarTab::Playlists));
        shoot(u"playlists"_s + suffix);
        EXPECT_TRUE(textOf(u"playlistGrid"_s).contains(u"Road Trip"_s));
        QMetaObject::invokeMethod(item(u"playlistsView"_s), "openPlaylist",
                                  Q_ARG(QString, eveningId));
        shoot(u"playlist-detail"_s + suffix);
        EXPECT_TRUE(textOf(u"playlistDetail"_s).contains(u"رحلات المساء"_s));
        EXPECT_TRUE(textOf(u"playlistItemList"_s).contains(u"Harbour at Dusk"_s));
    }
    window->resize(1180, 760);

    // Now playing with its chapters.
    item(u"content"_s)->setProperty("selectedTab", int(SidebarTab::NowPlaying));
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        QQuickItem *column = window->findChild<QQuickItem *>(u"chapterColumn"_s);
        return column && column->isVisible();
    }));
    const QImage chapterShot = shoot(u"now-playing-chapters"_s);
    EXPECT_EQ(textOf(u"nowPlayingTitle"_s), kBookTitle);
    EXPECT_TRUE(textOf(u"currentChapterLine"_s).contains(u"الفصل الأول: الطريق"_s));
    expectSelectedRow(chapterShot, u"Now Playing"_s, u"Library"_s);

    // The menu shortcuts reach the player; a text field with the focus takes the space.
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_FALSE(player.isPlaying());
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(player.isPlaying());
    player.setVolume(0.5f);
    QTest::keyClick(window, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(player.volume(), 0.4f);
    QQmlComponent component(&app->engine());
    component.setData("import QtQuick.Controls\nTextField { width: 200 }", QUrl());
    std::unique_ptr<QQuickItem> field(qobject_cast<QQuickItem *>(component.create()));
    ASSERT_TRUE(field) << component.errorString().toStdString();
    field->setParentItem(window->contentItem());
    field->forceActiveFocus();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return field->hasActiveFocus(); }));
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_EQ(field->property("text").toString(), u" "_s);
    field.reset();

    // A video: its picture on black in the main column. Under load the first frame can
    // come long after playback starts, so the window is grabbed (costly with a software
    // renderer: every 100 ms at most) until the picture is there.
    player.play(items, videoIndex);
    ASSERT_TRUE(
        TestSupport::waitUntil([&] { return player.hasVideo() && player.currentTime() > 0; }));
    QQuickItem *videoArea = item(u"videoArea"_s);
    ASSERT_TRUE(videoArea && videoArea->isVisible());
    QImage videoShot;
    QElapsedTimer sinceGrab;
    const auto pictureShown = [&] {
        if (sinceGrab.isValid() && sinceGrab.elapsed() < 100)
            return false;
        sinceGrab.start();
        videoShot = window->grabWindow();
        // The test pattern fills the middle of the area; the bars beside it stay black.
        return colouredShare(videoShot, pixelsOf(videoShot, videoArea)) > 0.2;
    };
    EXPECT_TRUE(TestSupport::waitUntil(pictureShown)) << "no picture in the video area";
    save(videoShot, u"now-playing-video"_s);

    // Removed from the library while it plays, the video plays on.
    library.removeItem(items[videoIndex]);
    const double before = player.currentTime();
    EXPECT_TRUE(TestSupport::waitUntil([&] { return player.currentTime() > before + 0.3; }));
    EXPECT_EQ(player.currentItem().value_or(MediaItem()).url, items[videoIndex].url);
}

// The audiobooks (an Arabic book with Arabic-Indic chapter numbers, opened, one of its
// chapters playing; a Latin one) and the videos grid, at the smallest window and a large one.
TEST_F(ScreenshotTest, AudiobooksAndVideos)
{
    const QTemporaryDir media(TestSupport::scratchRoot() + u"/books-XXXXXX"_s);
    const QString arabic = media.path() + u"/رحلة إلى مدينة النحاس"_s;
    const QString latin = media.path() + u"/Treasure Island"_s;
    const QString videos = media.path() + u"/Videos"_s;
    for (const QString &dir : {arabic, latin, videos})
        ASSERT_TRUE(QDir().mkpath(dir));
    const QLocale arabicDigits(QLocale::Arabic, QLocale::Egypt);
    MediaFixtures::AudioOptions chapter;
    chapter.seconds = 3;
    chapter.artist = u"راوي الحكايات"_s;
    for (int n = 12; n >= 1; --n) {
        chapter.title = u"الفصل "_s + arabicDigits.toString(n);
        ASSERT_TRUE(MediaFixtures::writeAudio(arabic + u'/' + *chapter.title + u".mp3"_s, chapter));
    }
    chapter.artist = u"Robert Louis Stevenson"_s;
    for (const QString &title : {u"Chapter 1 - The Old Sea-dog"_s, u"Chapter 2 - Black Dog"_s,
                                 u"Chapter 10 - The Voyage"_s}) {
        chapter.title = title;
        ASSERT_TRUE(MediaFixtures::writeAudio(latin + u'/' + title + u".mp3"_s, chapter));
    }
    for (const QString &name : {u"Harbour at Dusk"_s, u"مدينة النحاس"_s, u"Mountain Pass"_s})
        ASSERT_TRUE(
            MediaFixtures::writeVideo(videos + u'/' + name + u".mp4"_s, QSize(320, 180), 4));

    QQuickWindow *window = startApp();
    LibraryManager &library = app->libraryManager();
    for (const QString &dir : {arabic, latin, videos}) {
        library.addFolder(QUrl::fromLocalFile(dir));
        ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
    }
    QQuickItem *content = item(u"content"_s);
    for (const QSize size : {window->minimumSize(), QSize(1400, 900)}) {
        window->resize(size);
        const QString suffix = u"-%1x%2"_s.arg(size.width()).arg(size.height());
        content->setProperty("selectedTab", int(SidebarTab::Audiobooks));
        ASSERT_TRUE(TestSupport::waitUntil([&] { return item(u"audiobookList"_s) != nullptr; }));
        shoot(u"audiobooks"_s + suffix);
        EXPECT_TRUE(textOf(u"audiobookList"_s).contains(u"Treasure Island"_s));
        const QList<Playlist> books = library.playlists();
        const auto book = std::ranges::find_if(
            books, [](auto &p) { return p.isAudiobook && p.items.size() == 12; });
        ASSERT_NE(book, books.end());
        const QString bookId = book->id.toString(QUuid::WithoutBraces);
        QObject *rows = item(u"audiobookList"_s)->property("model").value<QObject *>();
        QMetaObject::invokeMethod(rows, "setExpanded", Q_ARG(QString, bookId), Q_ARG(bool, true));
        app->playerManager().play(library.playlistItems(bookId), 4);
        app->playerManager().pause();
        const QImage opened = shoot(u"audiobook-expanded"_s + suffix);
        // The fifth chapter is the current one: its row is tinted.
        QQuickItem *fifth = item(u"chapterRow_4"_s);
        ASSERT_TRUE(fifth);
        EXPECT_TRUE(textsUnder(fifth).contains(u"الفصل ٥"_s));
        const QRect fifthPixels = pixelsOf(opened, fifth);
        const QColor tint = opened.pixelColor(fifthPixels.center().x(), fifthPixels.top() + 4);
        EXPECT_LT(distance(tint, colors.accent), distance(colors.window, colors.accent))
            << qPrintable(tint.name());

        content->setProperty("selectedTab", int(SidebarTab::Videos));
        ASSERT_TRUE(TestSupport::waitUntil([&] { return item(u"videoGrid"_s) != nullptr; }));
        QStringList shownIds;
        QMetaObject::invokeMethod(item(u"videoGrid"_s)->property("model").value<QObject *>(),
                                  "itemIds", Q_RETURN_ARG(QStringList, shownIds));
        ASSERT_EQ(shownIds.size(), 3);
        app->playerManager().play(library.itemsWithIds(shownIds), 1);
        // Each card shows a picture taken from its video.
        for (int card = 0; card < 3; ++card) {
            EXPECT_TRUE(TestSupport::waitUntil([&] {
                QQuickItem *image = itemUnder(item(u"videoCard_%1"_s.arg(card)), u"videoImage"_s);
                return image && image->isVisible();
            })) << "no picture on card "
                << card;
        }
        shoot(u"videos"_s + suffix);
        EXPECT_TRUE(textOf(u"videoGrid"_s).contains(u"مدينة النحاس"_s));
    }
}

// A stand-in yt-dlp for the online views' pictures: information from a file (after a
// gate opens), streams that never end, and downloads that stop where their address says.
constexpr auto kScriptedTool = R"SH(#!/bin/sh
for a in "$@"; do [ "$prev" = "-o" ] && out_dir=$(dirname "$a"); prev="$a"; done
case " $* " in
*" --dump-json "*) while [ ! -e "$0.gate" ]; do sleep 0.05; done; cat "$0.json" ;;
*" --newline "*)
  title=$(basename "$prev")
  case "$prev" in
  *downloading*) echo "[download] Destination: $out_dir/$title.mp4"
     echo "[download]  42.7% of   12.30MiB at    1.21MiB/s ETA 00:06"; sleep 600 ;;
  *converting*) echo "[download] Destination: $out_dir/$title.webm"
     echo "[download] 100% of    3.10MiB in 00:00:02 at 1.52MiB/s"
     echo "[ExtractAudio] Destination: $out_dir/$title.m4a"; sleep 600 ;;
  *failed*) echo "ERROR: [generic] None: Unable to download webpage: HTTP Error 404: Not Found" >&2; exit 1 ;;
  *) : > "$out_dir/$title.mp4"; echo "[download] Destination: $out_dir/$title.mp4"
     echo "[download] 100% of    8.00MiB in 00:00:01 at 7.90MiB/s" ;;
  esac ;;
*) sleep 600 ;;
esac
)SH";

// The YouTube view (empty, tool missing, fetching, the card, streaming, the description
// open) over a scripted yt-dlp, the Downloads view (empty, then an entry in every status)
// and the settings window.
TEST_F(ScreenshotTest, YouTubeDownloadsAndSettingsInEachState)
{
    const QTemporaryDir scratch(TestSupport::scratchRoot() + u"/online-shots-XXXXXX"_s);
    const QString dir = scratch.path();
    LoopbackMediaServer server(dir + u"/www"_s);
    QString error;
    ASSERT_TRUE(server.start(&error)) << error.toStdString();
    QImage picture(640, 360, QImage::Format_RGB32);
    picture.fill(QColor(0xf6, 0x9d, 0x3c));
    QPainter(&picture).fillRect(QRect(0, 270, 640, 90), QColor(0x10, 0x1a, 0x3a));
    ASSERT_TRUE(picture.save(server.root() + u"/thumb.jpg"_s));

    const QString tool = dir + u"/yt-dlp"_s;
    ASSERT_TRUE(TestSupport::writeFile(tool, kScriptedTool, true));
    ASSERT_TRUE(TestSupport::writeFile(
        tool + u".json"_s,
        u"{\"id\": \"h1\", \"title\": \"Harbour Lights at Dusk \u2013 a Walk Along the Old Pier\", "
        "\"duration\": 3725, \"uploader\": \"Night Walks\", \"thumbnail\": \"%1\", "
        "\"description\": \"Filmed on a calm evening as the lamps of the harbour come on one by "
        "one.\\n"
        "No music, only the water and the gulls.\", \"formats\": []}"_s
            .arg(server.url(u"thumb.jpg"_s))
            .toUtf8()));

    YouTubeToolPaths scripted;
    scripted.ytDlpPaths = {tool};
    scripted.loginShell = dir + u"/no-shell"_s;
    scripted.tempParent = dir;
    YouTubeToolPaths missing = scripted;
    missing.ytDlpPaths = {dir + u"/nothing/yt-dlp"_s};
    YouTubeService service(scripted);
    YouTubeService missingService(missing);
    DownloadManager downloads;
    downloads.setDownloadDirectory(QUrl::fromLocalFile(dir + u"/Lyrabox Downloads"_s));

    startApp(QSize(1180, 760));
    QQuickItem *content = item(u"content"_s);
    // The app's own managers again before the stand-ins go, whatever happens.
    const auto restore = qScopeGuard([&] {
        content->setProperty("youtubeService",
                             QVariant::fromValue<QObject *>(&app->youtubeService()));
        content->setProperty("downloadManager",
                             QVariant::fromValue<QObject *>(&app->downloadManager()));
    });

    content->setProperty("selectedTab", int(SidebarTab::YouTube));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return item(u"youtubeView"_s) != nullptr; }));
    content->setProperty("youtubeService", QVariant::fromValue<QObject *>(&service));
    shoot(u"youtube-empty"_s);
    EXPECT_TRUE(item(u"youtubeEmptyState"_s)->isVisible());
    EXPECT_FALSE(item(u"installHint"_s)->isVisible());

    content->setProperty("youtubeService", QVariant::fromValue<QObject *>(&missingService));
    shoot(u"youtube-tool-missing"_s);
    EXPECT_TRUE(textOf(u"installHint"_s).contains(u"sudo apt install yt-dlp"_s));
    EXPECT_TRUE(textOf(u"toolMissingLabel"_s).contains(u"yt-dlp not found"_s));

    content->setProperty("youtubeService", QVariant::fromValue<QObject *>(&service));
    service.setUrlInput(u"https://www.youtube.com/watch?v=h1"_s);
    service.fetchVideoInfo(service.urlInput());
    shoot(u"youtube-fetching"_s);
    EXPECT_TRUE(item(u"fetchingInfo"_s)->isVisible());
    ASSERT_TRUE(TestSupport::writeFile(tool + u".gate"_s));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return service.videoInfo().has_value(); }));
    QQuickItem *thumbnail = item(u"thumbnail"_s);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return thumbnail->isVisible(); })) << "no thumbnail";
    shoot(u"youtube-card"_s);
    EXPECT_TRUE(textOf(u"videoInfoCard"_s).contains(u"1:02:05"_s));

    service.streamCurrentVideo(true);
    shoot(u"youtube-streaming"_s);
    EXPECT_TRUE(item(u"streamingLine"_s)->isVisible());
    EXPECT_FALSE(item(u"streamAudioButton"_s)->isEnabled());
    QQuickItem *card = item(u"videoInfoCard"_s);
    card->setProperty("descriptionOpen", true);
    shoot(u"youtube-description"_s);
    EXPECT_TRUE(textOf(u"descriptionText"_s).contains(u"gulls"_s));

    // Downloads: empty, then one entry of each status (the first waits: no service yet).
    content->setProperty("downloadManager", QVariant::fromValue<QObject *>(&downloads));
    content->setProperty("selectedTab", int(SidebarTab::Downloads));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return item(u"downloadQueueView"_s) != nullptr; }));
    shoot(u"downloads-empty"_s);
    EXPECT_TRUE(textOf(u"folderBar"_s).contains(u"Open in File Manager"_s));
    downloads.addDownload(u"waiting/Morning Tide"_s, u"Morning Tide"_s, false);
    downloads.setYoutubeService(&service);
    downloads.addDownload(u"downloading/Harbour Lights at Dusk"_s, u"Harbour Lights at Dusk"_s,
                          false);
    downloads.addDownload(u"converting/أمواج الليل"_s, u"أمواج الليل"_s, true);
    downloads.addDownload(u"completed/Old Pier Sounds"_s, u"Old Pier Sounds"_s, true);
    downloads.addDownload(u"failed/Lighthouse Keeper"_s, u"Lighthouse Keeper"_s, false);
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        return downloads.completedCount() == 1 && downloads.activeCount() == 2 &&
               downloads.downloads().at(4).status == DownloadTask::Status::failed &&
               downloads.downloads().at(2).status == DownloadTask::Status::converting;
    }));
    shoot(u"downloads-each-status"_s);
    const QString rows = textOf(u"downloadList"_s);
    for (const QString &expected :
         {u"Morning Tide"_s, u"Waiting..."_s, u"42%"_s, u"95%"_s, u"Converting audio..."_s,
          u"Completed"_s, u"HTTP Error 404"_s, u"أمواج الليل"_s})
        EXPECT_TRUE(rows.contains(expected)) << expected.toStdString();
    EXPECT_TRUE(textOf(u"downloadQueueView"_s).contains(u"5 items · 2 active"_s));

    // The settings window: Ctrl+, makes it once and only raises it while it is open; its
    // four tabs as a user sees them.
    QQuickWindow *window = app->window();
    const auto settingsWindow = [&] {
        return qobject_cast<QQuickWindow *>(window->property("settingsWindow").value<QObject *>());
    };
    const auto pressCtrlComma = [&] {
        window->requestActivate();
        ASSERT_TRUE(TestSupport::waitUntil([&] { return window->isActive(); }));
        QTest::keyClick(window, Qt::Key_Comma, Qt::ControlModifier);
    };
    EXPECT_EQ(settingsWindow(), nullptr);
    pressCtrlComma();
    ASSERT_TRUE(
        TestSupport::waitUntil([&] { return settingsWindow() && settingsWindow()->isExposed(); }));
    QQuickWindow *settings = settingsWindow();
    EXPECT_EQ(settings->size(), QSize(480, 360));
    pressCtrlComma();
    EXPECT_TRUE(TestSupport::waitUntil([&] { return settings->isActive(); }));
    EXPECT_EQ(settingsWindow(), settings);
    EXPECT_EQ(std::ranges::count_if(
                  QGuiApplication::topLevelWindows(),
                  [](QWindow *w) { return w->isVisible() && qobject_cast<QQuickWindow *>(w); }),
              2);
    const QStringList texts = shootSettingsTabs();
    EXPECT_TRUE(texts[0].contains(u"Lyrabox follows your system appearance settings."_s));
    EXPECT_TRUE(texts[1].contains(u"Group RTL titles first when sorting"_s));
    EXPECT_TRUE(texts[3].contains(u"Download Formats"_s));
    settings->close();
    EXPECT_FALSE(settings->isVisible());
}

// Every section, the mini player and the settings window in the run's language, at the
// smallest window: the pictures a reader of the language looks at, and no part of a
// page's header running into another however long the translated texts are.
TEST_F(ScreenshotTest, TranslatedWindow)
{
    const QString language = QLocale().name().left(2);
    const QTemporaryDir media(TestSupport::scratchRoot() + u"/translated-XXXXXX"_s);
    const QString book = media.path() + u"/رحلة إلى مدينة النحاس"_s;
    ASSERT_TRUE(QDir().mkpath(book));
    MediaFixtures::AudioOptions chapter;
    chapter.seconds = 3;
    chapter.artist = u"راوي الحكايات"_s;
    for (const QString &title : {u"الفصل ١"_s, u"الفصل ٢"_s, u"الفصل ٣"_s}) {
        chapter.title = title;
        ASSERT_TRUE(MediaFixtures::writeAudio(book + u'/' + title + u".mp3"_s, chapter));
    }
    const QString video = media.path() + u"/Harbour at Dusk.mp4"_s;
    ASSERT_TRUE(MediaFixtures::writeVideo(video, QSize(320, 180), 3));

    QQuickWindow *window = startApp();
    LibraryManager &library = app->libraryManager();
    library.addFolder(QUrl::fromLocalFile(book));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
    library.addFiles({QUrl::fromLocalFile(video)});
    ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
    ASSERT_EQ(library.playlists().size(), 1);
    const QString bookId = library.playlists().first().id.toString(QUuid::WithoutBraces);
    library.createPlaylist(u"Road Trip"_s, library.allItems(), false);
    app->playerManager().play(library.playlistItems(bookId), 1);
    app->playerManager().pause();
    window->resize(window->minimumSize());

    EXPECT_GT(item(u"sidebar"_s)->mapToScene({0, 0}).x(), window->width() / 2);
    QQuickItem *content = item(u"content"_s);
    for (const SidebarTab::Tab tab :
         {SidebarTab::Library, SidebarTab::Audiobooks, SidebarTab::Videos, SidebarTab::Playlists,
          SidebarTab::YouTube, SidebarTab::Downloads, SidebarTab::NowPlaying}) {
        const QString name = SidebarTab::rawValue(tab).toLower().replace(u' ', u'-');
        content->setProperty("selectedTab", int(tab));
        QQuickItem *section = nullptr;
        ASSERT_TRUE(TestSupport::waitUntil([&] {
            section = item(u"section_"_s + SidebarTab::rawValue(tab))
                          ->property("item")
                          .value<QQuickItem *>();
            return section && section->isVisible();
        })) << name.toStdString();
        if (tab == SidebarTab::Audiobooks) {
            QObject *rows = item(u"audiobookList"_s)->property("model").value<QObject *>();
            QMetaObject::invokeMethod(rows, "setExpanded", Q_ARG(QString, bookId),
                                      Q_ARG(bool, true));
        }
        shoot(language + u'-' + name);
        // The header's parts (title, search field, buttons) side by side, within it.
        QQuickItem *header = itemUnder(section, u"pageHeader"_s);
        if (!header)
            continue;
        QList<QQuickItem *> parts;
        for (QQuickItem *part : header->childItems()) {
            if (part->objectName() == u"headerActions"_s)
                parts += part->childItems();
            else
                parts += part;
        }
        const QRectF bounds = header->mapRectToScene(header->boundingRect()).adjusted(-1, -1, 1, 1);
        QList<QRectF> placed;
        for (const QQuickItem *part : std::as_const(parts)) {
            if (!part->isVisible() || part->width() <= 0)
                continue;
            const QRectF area = part->mapRectToScene(part->boundingRect());
            EXPECT_TRUE(bounds.contains(area)) << name.toStdString();
            for (const QRectF &other : std::as_const(placed))
                EXPECT_FALSE(area.adjusted(1, 0, -1, 0).intersects(other)) << name.toStdString();
            placed += area;
        }
    }

    // The file menu, opened from its title in the menu bar (on the right).
    QObject *fileMenu = window->findChild<QObject *>(u"fileMenu"_s);
    QMetaObject::invokeMethod(fileMenu, "open");
    ASSERT_TRUE(TestSupport::waitUntil([&] { return fileMenu->property("opened").toBool(); }));
    shoot(language + u"-file-menu"_s);
    QMetaObject::invokeMethod(fileMenu, "close");

    QMetaObject::invokeMethod(window, "showSettings");
    shootSettingsTabs(language + u'-');
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    LyraboxApp::prepareGraphics();
    QGuiApplication app(argc, argv);
    Translations::install(app);
    // The app reads its stored preferences; the test's start empty and stay its own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    return RUN_ALL_TESTS();
}
