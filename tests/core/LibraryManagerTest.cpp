// Imports, playlists, search and sorting of the library over an inspector that reads
// everything from the file name.
#include "TestItems.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using TestItems::titlesOf;

namespace {

// "title_artist_album.ext" gives the tags; the length is the title's length. Counts its
// calls and notes any made on the main thread.
struct FakeInspector
{
    std::shared_ptr<std::atomic<int>> calls = std::make_shared<std::atomic<int>>(0);
    std::shared_ptr<std::atomic<bool>> ranOnMain = std::make_shared<std::atomic<bool>>(false);
    int delayMs = 0;

    LibraryManager::ItemFactory factory() const
    {
        return [*this](const QUrl &url, qint64 sortIndex) {
            ++*calls;
            if (QThread::currentThread() == QCoreApplication::instance()->thread())
                *ranOnMain = true;
            QThread::msleep(delayMs);
            const QStringList tags = MediaItem::titleFromURL(url).split(u'_');
            MediaItem item;
            item.url = url;
            item.sortIndex = sortIndex;
            item.title = tags.value(0);
            item.artist = tags.value(1);
            item.album = tags.value(2);
            item.isVideo = MediaItem::isVideoExtension(url.fileName());
            item.duration = item.title.size();
            return item;
        };
    }
};

class LibraryManagerTest : public ::testing::Test
{
protected:
    QString touch(const QString &relative)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    QUrl url(const QString &relative) { return QUrl::fromLocalFile(dir.filePath(relative)); }
    QUrl touchUrl(const QString &relative) { return QUrl::fromLocalFile(touch(relative)); }

    static bool waitIdle(const LibraryManager &manager)
    {
        return TestSupport::waitUntil([&] { return manager.runningImports() == 0; });
    }
    void importFiles(const QList<QUrl> &urls)
    {
        library.addFiles(urls);
        ASSERT_TRUE(waitIdle(library));
    }
    void importFolder(const QString &relative)
    {
        library.addFolder(url(relative));
        ASSERT_TRUE(waitIdle(library));
    }
    const Playlist *playlistNamed(const QString &name) const
    {
        for (const Playlist &p : library.playlists())
            if (p.name == name)
                return &p;
        return nullptr;
    }
    QString idOf(const QString &title) const
    {
        for (const MediaItem &item : library.allItems())
            if (item.title == title)
                return item.id.toString(QUuid::WithoutBraces);
        return QString();
    }

    QTemporaryDir dir{TestSupport::scratchRoot() + u"/library-XXXXXX"_s};
    FakeInspector inspector;
    LibraryManager library{inspector.factory()};
};

TEST_F(LibraryManagerTest, MediaFilesAreNumberedInNaturalOrderAndAppearOneByOne)
{
    QStringList appended;
    QList<double> progress;
    QObject::connect(&library, &LibraryManager::itemAppended,
                     [&](const MediaItem &item) { appended.append(item.title); });
    QObject::connect(&library, &LibraryManager::loadingProgressChanged,
                     [&] { progress.append(library.loadingProgress()); });

    library.addFiles({touchUrl(u"Chapter 10.mp3"_s), touchUrl(u"Chapter 2.MP3"_s),
                      touchUrl(u"Chapter 1.mp3"_s), touchUrl(u"notes.txt"_s),
                      touchUrl(u"noext"_s), url(u"gone.mp3"_s),
                      QUrl(u"https://example.invalid/a.mp3"_s)});
    EXPECT_TRUE(library.isLoading());
    ASSERT_TRUE(waitIdle(library));

    EXPECT_EQ(appended, (QStringList{u"Chapter 1"_s, u"Chapter 2"_s, u"Chapter 10"_s}));
    EXPECT_EQ(titlesOf(library.allItems()), appended);
    QList<qint64> indexes;
    for (const MediaItem &item : library.allItems())
        indexes.append(item.sortIndex);
    EXPECT_EQ(indexes, (QList<qint64>{1, 2, 3}));
    EXPECT_FALSE(library.isLoading());
    EXPECT_EQ(library.loadingProgress(), 1.0);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_FALSE(*inspector.ranOnMain);
}

TEST_F(LibraryManagerTest, KnownLocationsAreImportedOnceAndKeepTheirPositionsUnused)
{
    const QUrl b = touchUrl(u"b.mp3"_s);
    importFiles({b});
    const QUuid firstId = library.allItems().first().id;

    const QUrl a = touchUrl(u"a.mp3"_s);
    const QUrl c = touchUrl(u"c.mp3"_s);
    importFiles({c, b, a});
    ASSERT_EQ(library.allItems().size(), 3);
    for (const MediaItem &item : library.allItems()) {
        if (item.url == a)
            EXPECT_EQ(item.sortIndex, 1);
        else if (item.url == c)
            EXPECT_EQ(item.sortIndex, 3);
        else
            EXPECT_EQ(item.id, firstId);
    }

    // One location named three ways in one call is imported once.
    const QUrl d = touchUrl(u"d.mp3"_s);
    importFiles({d, d, QUrl::fromLocalFile(dir.path() + u"//d.mp3"_s)});
    EXPECT_EQ(library.allItems().size(), 4);
    EXPECT_EQ(*inspector.calls, 4);

    // A removed location can be imported again.
    library.removeItem(idOf(u"d"_s));
    importFiles({d});
    EXPECT_EQ(library.allItems().size(), 4);
}

TEST_F(LibraryManagerTest, FolderBecomesAPlaylistOnlyWithTwoOrMoreItems)
{
    touch(u"Single/one.mp3"_s);
    importFolder(u"Single"_s);
    importFolder(u"does-not-exist"_s);
    EXPECT_EQ(library.allItems().size(), 1);
    EXPECT_TRUE(library.playlists().isEmpty());

    touch(u"Book/Part 10.m4b"_s);
    touch(u"Book/Part 2.m4b"_s);
    importFolder(u"Book"_s);
    const Playlist *book = playlistNamed(u"Book"_s);
    ASSERT_NE(book, nullptr);
    EXPECT_TRUE(book->isAudiobook);
    EXPECT_EQ(titlesOf(book->items), (QStringList{u"Part 2"_s, u"Part 10"_s}));

    touch(u"Mixed/a.mp3"_s);
    touch(u"Mixed/b.mp4"_s);
    importFolder(u"Mixed"_s);
    ASSERT_NE(playlistNamed(u"Mixed"_s), nullptr);
    EXPECT_FALSE(playlistNamed(u"Mixed"_s)->isAudiobook);

    // Importing again adds no items but a second playlist of the same content.
    importFolder(u"Book"_s);
    EXPECT_EQ(library.allItems().size(), 5);
    EXPECT_EQ(library.playlists().size(), 3);
    EXPECT_EQ(library.playlists().last().items.size(), 2);
}

TEST_F(LibraryManagerTest, FolderPlaylistHoldsVisibleSubfoldersButNotSiblingsWithLongerNames)
{
    touch(u"Books/Book 10/x.mp3"_s);
    touch(u"Books/Book 10/y.mp3"_s);
    importFolder(u"Books/Book 10"_s);

    touch(u"Books/Book 1/a.mp3"_s);
    touch(u"Books/Book 1/Disc 2/b.mp3"_s);
    touch(u"Books/Book 1/.hidden.mp3"_s);
    touch(u"Books/Book 1/.secret/c.mp3"_s);
    touch(u"Books/Book 1/cover.jpg"_s);
    importFolder(u"Books/Book 1"_s);

    const Playlist *book1 = playlistNamed(u"Book 1"_s);
    ASSERT_NE(book1, nullptr);
    EXPECT_EQ(titlesOf(book1->items), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_EQ(library.allItems().size(), 4);
}

TEST_F(LibraryManagerTest, ScanSurvivesLinkLoopsAndUndecodableNames)
{
    touch(u"Loop/a.mp3"_s);
    touch(u"Loop/b.mp3"_s);
    ASSERT_EQ(::symlink(".", QFile::encodeName(dir.filePath(u"Loop/again"_s)).constData()), 0);
    ASSERT_EQ(::symlink("../Loop", QFile::encodeName(dir.filePath(u"Loop/up.mp3"_s)).constData()),
              0);
    // A name whose bytes are not UTF-8: no QString path would name this file.
    const QByteArray raw = QFile::encodeName(dir.filePath(u"Loop/"_s)) + "bad\xff\xfe.mp3";
    const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);

    importFolder(u"Loop"_s);
    for (const MediaItem &item : library.allItems())
        EXPECT_TRUE(QFileInfo::exists(item.url.toLocalFile())) << item.url.toString().toStdString();
    QStringList names = titlesOf(library.allItems());
    names.sort();
    // The link named like a media file is listed (as is any such entry), never followed.
    EXPECT_EQ(names, (QStringList{u"a"_s, u"b"_s, u"up"_s}));
}

TEST_F(LibraryManagerTest, DropImportsFoldersFirstThenFilesInOneBatch)
{
    touch(u"Album/1.mp3"_s);
    touch(u"Album/2.mp3"_s);
    const QUrl loose1 = touchUrl(u"z loose.mp3"_s);
    const QUrl loose2 = touchUrl(u"a loose.mp3"_s);

    EXPECT_FALSE(library.handleDrop({}));
    EXPECT_FALSE(library.handleDrop({QUrl(u"https://example.invalid/x.mp3"_s), QUrl()}));
    EXPECT_EQ(library.runningImports(), 0);

    bool finished = false;
    QObject::connect(&library, &LibraryManager::importsFinished, [&] { finished = true; });
    EXPECT_TRUE(library.handleDrop({loose1, url(u"Album"_s), loose2}));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return finished; }));

    ASSERT_EQ(library.playlists().size(), 1);
    QHash<QString, qint64> index;
    for (const MediaItem &item : library.allItems())
        index.insert(item.title, item.sortIndex);
    // The loose files were one batch of two, numbered in natural order.
    EXPECT_EQ(index.value(u"a loose"_s), 1);
    EXPECT_EQ(index.value(u"z loose"_s), 2);
    EXPECT_EQ(index.value(u"1"_s), 1);
}

TEST_F(LibraryManagerTest, SearchMatchesTitleArtistOrAlbumWithoutFoldingDiacritics)
{
    importFiles({touchUrl(u"Heartbeat_x_y.mp3"_s), touchUrl(u"Yesterday_The Beatles_Help.mp3"_s),
                 touchUrl(u"Café_Trio_Live.mp4"_s), touchUrl(u"Other_Band_Album two.mp3"_s)});

    const QList<std::pair<QString, QStringList>> searches = {
        {u"BEAT"_s, {u"Heartbeat"_s, u"Yesterday"_s}},
        {u"cafe"_s, {}},
        {u"CAFÉ"_s, {u"Café"_s}},
        {u" "_s, {u"Other"_s, u"Yesterday"_s}}, // spaces are searched for, not trimmed
        {u"o\u0000"_s, {}},
        {u"e_t"_s, {}}, // never matches across two fields
    };
    for (const auto &[text, expected] : searches) {
        library.setSearchText(text);
        EXPECT_EQ(titlesOf(library.filteredItems()), expected) << text.toStdString();
    }
    library.setSearchText(u"caf"_s);
    EXPECT_EQ(titlesOf(library.videoItems()), QStringList{u"Café"_s});

    // Removing an item refreshes the search.
    library.setSearchText(u"beat"_s);
    library.removeItem(library.filteredItems().first());
    EXPECT_EQ(titlesOf(library.filteredItems()), QStringList{u"Yesterday"_s});
    library.setSearchText(QString());
    EXPECT_EQ(library.filteredItems().size(), 3);
}

TEST_F(LibraryManagerTest, SortOrdersAreStableAndDateAddedKeepsStoreOrder)
{
    importFiles({touchUrl(u"bb.mp3"_s), touchUrl(u"a.mp3"_s), touchUrl(u"ccc.mp3"_s),
                 touchUrl(u"dd.mp4"_s)});
    // The length of each item is its title's length.
    EXPECT_EQ(titlesOf(library.sortedItems(LibraryManager::SortOrder::Duration)),
              (QStringList{u"a"_s, u"bb"_s, u"dd"_s, u"ccc"_s}));
    EXPECT_EQ(titlesOf(library.sortedItems(LibraryManager::SortOrder::DateAdded)),
              titlesOf(library.allItems()));
    EXPECT_EQ(titlesOf(library.sortedItems(LibraryManager::SortOrder::Title)),
              (QStringList{u"a"_s, u"bb"_s, u"ccc"_s, u"dd"_s}));
}

TEST_F(LibraryManagerTest, PlaylistEditsByIdIgnoreUnknownIdsAndPositions)
{
    importFiles({touchUrl(u"a.mp3"_s), touchUrl(u"b.mp3"_s), touchUrl(u"c.mp3"_s)});
    library.createPlaylist(u"Walk"_s, true);
    ASSERT_EQ(library.playlists().size(), 1);
    const QString walk = library.playlists().first().id.toString(QUuid::WithoutBraces);

    QSignalSpy changed(&library, &LibraryManager::playlistsChanged);
    for (const QString &title : {u"a"_s, u"b"_s, u"c"_s, u"a"_s})
        library.addItemToPlaylist(walk, idOf(title));
    library.addItemToPlaylist(walk, QUuid::createUuid().toString()); // unknown item
    library.addItemToPlaylist(QUuid::createUuid().toString(), idOf(u"a"_s)); // unknown list
    EXPECT_EQ(titlesOf(library.playlistItems(walk)), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"a"_s}));
    EXPECT_EQ(changed.count(), 4);

    library.movePlaylistItem(walk, 0, 3); // before the second "a"
    EXPECT_EQ(titlesOf(library.playlistItems(walk)), (QStringList{u"b"_s, u"c"_s, u"a"_s, u"a"_s}));
    library.movePlaylistItem(walk, 3, 0);
    changed.clear();
    for (const auto &[from, to] : {std::pair{1, 1}, {1, 2}, {4, 0}, {0, 5}, {-1, 0}})
        library.movePlaylistItem(walk, from, to);
    library.removeFromPlaylist(walk, 4);
    library.removeFromPlaylist(walk, -1);
    library.renamePlaylist(walk, u"Walk"_s);
    EXPECT_EQ(changed.count(), 0);

    library.removeFromPlaylist(walk, 1);
    EXPECT_EQ(titlesOf(library.playlistItems(walk)), (QStringList{u"a"_s, u"c"_s, u"a"_s}));
    library.renamePlaylist(u"{"_s + walk + u"}"_s, u"Evening walk"_s);
    EXPECT_EQ(library.playlists().first().name, u"Evening walk"_s);

    // Removing an item from the library takes every copy out of every playlist, and an
    // emptied playlist stays.
    library.removeItem(idOf(u"a"_s));
    library.removeItem(idOf(u"c"_s));
    EXPECT_TRUE(library.playlistItems(walk).isEmpty());
    EXPECT_EQ(library.playlists().size(), 1);

    library.deletePlaylist(walk);
    EXPECT_TRUE(library.playlists().isEmpty());
}

TEST_F(LibraryManagerTest, NewPlaylistsAreInNaturalOrderAndItemsResolveByIdInAskedOrder)
{
    importFiles({touchUrl(u"Part 10.mp3"_s), touchUrl(u"Part 2.mp3"_s), touchUrl(u"Part 1.mp3"_s)});
    QList<MediaItem> items = library.allItems();
    std::reverse(items.begin(), items.end());
    for (MediaItem &item : items)
        item.sortIndex = 0; // only titles decide
    library.createPlaylist(QString(), items, false);
    ASSERT_EQ(library.playlists().size(), 1);
    EXPECT_EQ(titlesOf(library.playlists()[0].items),
              (QStringList{u"Part 1"_s, u"Part 2"_s, u"Part 10"_s}));

    // A record only a playlist holds (a streamed item added to it) resolves to that copy.
    const MediaItem streamed = TestItems::makeItem(u"streamed"_s);
    library.addItemToPlaylist(library.playlists().first(), streamed);
    const QString part10 = idOf(u"Part 10"_s);
    const QList<MediaItem> found = library.itemsWithIds(
        {part10, idOf(u"Part 1"_s), QUuid::createUuid().toString(), u"{"_s + part10 + u"}"_s,
         u"junk"_s, QString(), streamed.id.toString(QUuid::WithoutBraces)});
    EXPECT_EQ(titlesOf(found),
              (QStringList{u"Part 10"_s, u"Part 1"_s, u"Part 10"_s, u"streamed"_s}));

    // Still right after the library changes under the lookup.
    const QString part1 = idOf(u"Part 1"_s);
    library.removeItem(part1);
    importFiles({touchUrl(u"d.mp3"_s)});
    EXPECT_EQ(titlesOf(library.itemsWithIds({part1, part10, idOf(u"d"_s)})),
              (QStringList{u"Part 10"_s, u"d"_s}));
}

TEST_F(LibraryManagerTest, ManagerDestroyedDuringImportStopsQuietly)
{
    QList<QUrl> urls;
    for (int i = 0; i < 200; ++i)
        urls.append(touchUrl(u"f%1.mp3"_s.arg(i)));
    FakeInspector slow; // the whole batch would take two fifths of a second
    slow.delayMs = 2;
    {
        LibraryManager shortLived(slow.factory());
        shortLived.addFiles(urls);
        QCoreApplication::processEvents();
    }
    // Pending deliveries must find the manager gone rather than touch freed memory, and
    // inspection stops instead of running through the batch.
    TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(300));
    const int seen = *slow.calls;
    EXPECT_LT(seen, 100);
    TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(100));
    EXPECT_EQ(*slow.calls, seen);
}

// A folder import still running while a drop's loose files finish: the library keeps
// loading until both are done, and says so once.
TEST_F(LibraryManagerTest, OverlappingImportsKeepLoadingUntilTheLastEnds)
{
    FakeInspector slow;
    slow.delayMs = 10;
    LibraryManager manager(slow.factory());
    for (int i = 0; i < 30; ++i)
        touch(u"Slow/part %1.mp3"_s.arg(i));

    int appendedWhileIdle = 0, loadingEnded = 0, finished = 0;
    QObject::connect(&manager, &LibraryManager::itemAppended,
                     [&] { appendedWhileIdle += !manager.isLoading(); });
    QObject::connect(&manager, &LibraryManager::isLoadingChanged,
                     [&] { loadingEnded += !manager.isLoading(); });
    QObject::connect(&manager, &LibraryManager::importsFinished, [&] { ++finished; });

    manager.addFolder(url(u"Slow"_s));
    ASSERT_TRUE(manager.handleDrop({touchUrl(u"loose.mp3"_s)}));
    ASSERT_TRUE(waitIdle(manager));
    EXPECT_EQ(manager.allItems().size(), 31);
    EXPECT_EQ(appendedWhileIdle, 0);
    EXPECT_EQ(loadingEnded, 1);
    EXPECT_EQ(finished, 1);
}

TEST_F(LibraryManagerTest, TenThousandFileFolder)
{
    for (int i = 1; i <= 10000; ++i)
        touch(u"Big/track %1.mp3"_s.arg(i));
    importFolder(u"Big"_s);
    ASSERT_EQ(library.allItems().size(), 10000);
    EXPECT_EQ(library.allItems().last().title, u"track 10000"_s);
    ASSERT_EQ(library.playlists().size(), 1);
    EXPECT_EQ(library.playlists().first().items.size(), 10000);

    QStringList ids;
    for (const MediaItem &item : library.allItems())
        ids.prepend(item.id.toString());
    const QList<MediaItem> found = library.itemsWithIds(ids);
    ASSERT_EQ(found.size(), 10000);
    EXPECT_EQ(found.first().title, u"track 10000"_s);
    EXPECT_EQ(found.last().title, u"track 1"_s);
}

} // namespace
