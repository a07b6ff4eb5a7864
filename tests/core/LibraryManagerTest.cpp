// Imports, playlists, search and sorting over an inspector reading the file name.
#include "core/LibraryManager.h"

#include "TestItems.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using TestItems::titlesOf;
using TestSupport::waitUntil;

namespace {

// "title_artist_album.ext" gives the tags. Counts its calls, never on the main thread.
LibraryManager::ItemFactory fakeInspector(std::shared_ptr<std::atomic<int>> calls, int delayMs = 0)
{
    return [=](const QUrl &url, qint64 sortIndex) {
        ++*calls;
        EXPECT_NE(QThread::currentThread(), QCoreApplication::instance()->thread());
        QThread::msleep(delayMs);
        const QStringList tags = MediaItem::titleFromURL(url).split(u'_');
        MediaItem item = TestItems::makeItem(tags.value(0), sortIndex, tags.value(2));
        item.url = url;
        item.artist = tags.value(1);
        item.isVideo = MediaItem::isVideoExtension(url.fileName());
        return item;
    };
}

class LibraryManagerTest : public ::testing::Test
{
protected:
    QUrl url(const QString &relative) const { return QUrl::fromLocalFile(dir.filePath(relative)); }
    QUrl touch(const QString &relative) const
    {
        EXPECT_TRUE(TestSupport::writeFile(dir.filePath(relative)));
        return url(relative);
    }
    void touch(std::initializer_list<QString> names) const
    {
        for (const QString &name : names)
            touch(name);
    }
    void settle() { ASSERT_TRUE(waitUntil([&] { return library.runningImports() == 0; })); }
    void importFiles(const QList<QUrl> &urls) { library.addFiles(urls); settle(); }
    void importFolder(const QString &relative) { library.addFolder(url(relative)); settle(); }
    QStringList playlist(int i) const { return titlesOf(library.playlists().value(i).items); }
    // "title#position" of every item, sorted.
    QStringList numbered() const
    {
        QStringList out;
        for (const MediaItem &item : library.allItems())
            out << item.title + u'#' + QString::number(item.sortIndex);
        out.sort();
        return out;
    }
    QString idOf(const QString &title) const
    {
        for (const MediaItem &item : library.allItems())
            if (item.title == title)
                return item.id.toString(QUuid::WithoutBraces);
        return QString();
    }

    QTemporaryDir dir{TestSupport::scratchRoot() + u"/library-XXXXXX"_s};
    std::shared_ptr<std::atomic<int>> calls = std::make_shared<std::atomic<int>>(0);
    LibraryManager library{fakeInspector(calls)};
};

TEST_F(LibraryManagerTest, MediaFilesAreNumberedInNaturalOrderAndImportedOnce)
{
    QStringList appended;
    QList<double> progress;
    QObject::connect(&library, &LibraryManager::itemAppended,
                     [&](const MediaItem &item) { appended.append(item.title); });
    QObject::connect(&library, &LibraryManager::loadingProgressChanged,
                     [&] { progress.append(library.loadingProgress()); });
    const QUrl ch10 = touch(u"Chapter 10.mp3"_s);
    importFiles({ch10, touch(u"Chapter 2.MP3"_s), touch(u"Chapter 1.mp3"_s), touch(u"notes.txt"_s),
                 touch(u"noext"_s), url(u"gone.mp3"_s), QUrl(u"https://example.invalid/a.mp3"_s)});
    EXPECT_EQ(appended, (QStringList{u"Chapter 1"_s, u"Chapter 2"_s, u"Chapter 10"_s}));
    EXPECT_EQ(titlesOf(library.allItems()), appended);
    EXPECT_TRUE(progress.last() == 1.0 && std::is_sorted(progress.begin(), progress.end()));

    // Known locations, however named, keep their records; new ones are numbered around them.
    const QUrl d = touch(u"d.mp3"_s);
    const QUuid kept = library.allItems().last().id;
    importFiles({d, ch10, touch(u"a.mp3"_s)});
    importFiles(
        {touch(u"e.mp3"_s), url(u"e.mp3"_s), QUrl::fromLocalFile(dir.path() + u"//e.mp3"_s)});
    EXPECT_EQ(numbered(), (QStringList{u"Chapter 1#1"_s, u"Chapter 10#3"_s, u"Chapter 2#2"_s,
                                       u"a#1"_s, u"d#3"_s, u"e#1"_s}));
    EXPECT_EQ(idOf(u"Chapter 10"_s), kept.toString(QUuid::WithoutBraces));
    EXPECT_EQ(*calls, 6);

    // A removed location can be imported again.
    library.removeItem(idOf(u"d"_s));
    importFiles({d});
    EXPECT_EQ(library.allItems().size(), 6);
}

TEST_F(LibraryManagerTest, FolderBecomesAPlaylistOnlyWithTwoOrMoreVisibleItems)
{
    touch({u"Single/one.mp3"_s, u"Single/cover.jpg"_s, u"Single/.hidden.mp3"_s});
    importFolder(u"Single"_s);
    importFolder(u"does-not-exist"_s);
    EXPECT_EQ(titlesOf(library.allItems()), QStringList{u"one"_s});
    EXPECT_TRUE(library.playlists().isEmpty());

    // Subfolders count unless hidden; a sibling with a longer name stays out.
    touch({u"Books/Book 10/x.mp3"_s, u"Books/Book 1/Part 10.m4b"_s,
           u"Books/Book 1/Disc 2/Part 2.m4b"_s, u"Books/Book 1/.secret/c.mp3"_s});
    importFolder(u"Books/Book 1"_s);
    ASSERT_EQ(library.playlists().size(), 1);
    EXPECT_TRUE(library.playlists()[0].name == u"Book 1"_s && library.playlists()[0].isAudiobook);
    EXPECT_EQ(playlist(0), (QStringList{u"Part 2"_s, u"Part 10"_s}));
    touch({u"Mixed/a.mp3"_s, u"Mixed/b.mp4"_s});
    importFolder(u"Mixed"_s);
    EXPECT_FALSE(library.playlists().value(1).isAudiobook);
    // Importing again adds no items but a second playlist of the same content.
    importFolder(u"Books/Book 1"_s);
    EXPECT_EQ(library.allItems().size(), 5);
    EXPECT_EQ(playlist(2), playlist(0));
}

TEST_F(LibraryManagerTest, ScanSurvivesLinkLoopsAndUndecodableNames)
{
    touch(u"Loop/a.mp3"_s);
    ASSERT_EQ(::symlink(".", QFile::encodeName(dir.filePath(u"Loop/again"_s)).constData()), 0);
    ASSERT_EQ(::symlink("../Loop", QFile::encodeName(dir.filePath(u"Loop/up.mp3"_s)).constData()),
              0);
    // A name whose bytes are not UTF-8: no QString path would name this file.
    const QByteArray raw = QFile::encodeName(dir.filePath(u"Loop/"_s)) + "bad\xff\xfe.mp3";
    ::close(::open(raw.constData(), O_CREAT | O_WRONLY, 0644));

    importFolder(u"Loop"_s);
    // The link named like a media file is listed (as is any such entry), never followed.
    EXPECT_EQ(numbered(), (QStringList{u"a#1"_s, u"up#2"_s}));
    for (const MediaItem &item : library.allItems())
        EXPECT_TRUE(QFileInfo::exists(item.url.toLocalFile())) << item.url.toString().toStdString();
}

TEST_F(LibraryManagerTest, DropImportsFoldersFirstThenFilesInOneBatch)
{
    touch({u"Album/1.mp3"_s, u"Album/2.mp3"_s});
    EXPECT_FALSE(library.handleDrop({QUrl(u"https://example.invalid/x.mp3"_s), QUrl()}));
    EXPECT_EQ(library.runningImports(), 0);

    QSignalSpy finished(&library, &LibraryManager::importsFinished);
    EXPECT_TRUE(
        library.handleDrop({touch(u"z loose.mp3"_s), url(u"Album"_s), touch(u"a loose.mp3"_s)}));
    ASSERT_TRUE(waitUntil([&] { return finished.count() > 0; }));
    EXPECT_EQ(library.playlists().size(), 1);
    EXPECT_EQ(numbered(), (QStringList{u"1#1"_s, u"2#2"_s, u"a loose#1"_s, u"z loose#2"_s}));
}

// Title, artist or album, each on its own; no folding of diacritics or trimming.
TEST_F(LibraryManagerTest, SearchMatchesEachFieldAsWritten)
{
    importFiles({touch(u"Heartbeat_x_y.mp3"_s), touch(u"Yesterday_The Beatles_Help.mp3"_s),
                 touch(u"Café_Trio_Live.mp4"_s), touch(u"Other_Band_Album two.mp3"_s)});
    for (const auto &[text, expected] :
         {std::pair{u"BEAT"_s, u"Heartbeat Yesterday"_s}, {u"cafe"_s, QString()},
          {u"CAFÉ"_s, u"Café"_s}, {u" "_s, u"Other Yesterday"_s}, {u"e_t"_s, QString()}}) {
        library.setSearchText(text);
        EXPECT_EQ(titlesOf(library.filteredItems()).join(u' '), expected) << text.toStdString();
    }
    library.setSearchText(u"beat"_s);
    library.removeItem(library.filteredItems().first()); // refreshes the search
    EXPECT_EQ(titlesOf(library.filteredItems()), QStringList{u"Yesterday"_s});
}

// Unknown ids and positions change nothing and tell no one; removing an item from the
// library takes every copy out of every playlist, and an emptied playlist stays.
TEST_F(LibraryManagerTest, PlaylistEditsIgnoreUnknownIdsAndPositions)
{
    importFiles({touch(u"a.mp3"_s), touch(u"b.mp3"_s)});
    library.createPlaylist(u"Walk"_s, true);
    const QString walk = library.playlists().value(0).id.toString(QUuid::WithoutBraces);
    for (const QString &title : {u"a"_s, u"b"_s, u"a"_s})
        library.addItemToPlaylist(walk, idOf(title));
    QSignalSpy changed(&library, &LibraryManager::playlistsChanged);
    library.addItemToPlaylist(walk, QUuid::createUuid().toString());
    library.addItemToPlaylist(QUuid::createUuid().toString(), idOf(u"a"_s));
    for (const auto &[from, to] : {std::pair{1, 1}, {1, 2}, {3, 0}, {0, 4}, {-1, 0}})
        library.movePlaylistItem(walk, from, to);
    for (int position : {3, -1})
        library.removeFromPlaylist(walk, position);
    library.renamePlaylist(walk, u"Walk"_s);
    EXPECT_EQ(changed.count(), 0);
    library.renamePlaylist(u"{"_s + walk + u"}"_s, u"Evening walk"_s);
    EXPECT_EQ(library.playlists().first().name, u"Evening walk"_s);
    library.removeItem(idOf(u"a"_s));
    EXPECT_EQ(titlesOf(library.playlistItems(walk)), QStringList{u"b"_s});
    library.removeItem(idOf(u"b"_s));
    EXPECT_EQ(library.playlists().size(), 1);
}

TEST_F(LibraryManagerTest, NewPlaylistsAreInNaturalOrderAndItemsResolveByIdInAskedOrder)
{
    importFiles({touch(u"Part 10.mp3"_s), touch(u"Part 2.mp3"_s), touch(u"Part 1.mp3"_s)});
    QList<MediaItem> items = library.allItems();
    std::reverse(items.begin(), items.end());
    for (MediaItem &item : items)
        item.sortIndex = 0; // only titles decide
    library.createPlaylist(QString(), items, false);
    EXPECT_EQ(playlist(0), (QStringList{u"Part 1"_s, u"Part 2"_s, u"Part 10"_s}));

    // A record only a playlist holds (a streamed item added to it) resolves to that copy.
    const MediaItem streamed = TestItems::makeItem(u"streamed"_s);
    library.addItemToPlaylist(library.playlists().first(), streamed);
    const QString part10 = idOf(u"Part 10"_s), part1 = idOf(u"Part 1"_s);
    EXPECT_EQ(titlesOf(library.itemsWithIds({part10, part1, QUuid::createUuid().toString(),
                                             u"{"_s + part10 + u"}"_s, u"junk"_s, QString(),
                                             streamed.id.toString(QUuid::WithoutBraces)})),
              (QStringList{u"Part 10"_s, u"Part 1"_s, u"Part 10"_s, u"streamed"_s}));
    // Still right after the library changes under the lookup.
    library.removeItem(part1);
    importFiles({touch(u"d.mp3"_s)});
    EXPECT_EQ(titlesOf(library.itemsWithIds({part1, part10, idOf(u"d"_s)})),
              (QStringList{u"Part 10"_s, u"d"_s}));
}

TEST_F(LibraryManagerTest, ManagerDestroyedDuringImportStopsQuietly)
{
    QList<QUrl> urls;
    for (int i = 0; i < 200; ++i)
        urls.append(touch(u"f%1.mp3"_s.arg(i)));
    auto slowCalls = std::make_shared<std::atomic<int>>(0);
    {
        LibraryManager shortLived(fakeInspector(slowCalls, 2)); // 0.4 s for the batch
        shortLived.addFiles(urls);
        QCoreApplication::processEvents();
    }
    // Pending deliveries find the manager gone; inspection stops short of the batch.
    waitUntil([] { return false; }, std::chrono::milliseconds(400));
    EXPECT_LT(*slowCalls, 100);
}

} // namespace
