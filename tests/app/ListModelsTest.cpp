// The list models the section views show: which rows they hold, and that every ordinary
// change reaches a view as the smallest change (no reset), checked by
// QAbstractItemModelTester throughout.
#include "ChapterModel.h"
#include "DownloadsModel.h"
#include "FakePlayerBackend.h"
#include "FakeYtDlp.h"
#include "LibraryCounts.h"
#include "LibraryItemsModel.h"
#include "LibraryListModel.h"
#include "MediaRows.h"
#include "PlaylistItemsModel.h"
#include "PlaylistListModel.h"
#include "TestItems.h"
#include "TestSupport.h"
#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/YouTubeService.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Tester = QAbstractItemModelTester;
using SortOrder = LibraryManager::SortOrder;
using TestItems::titlesOf;

namespace {

// Records from the file name "title_artist.ext"; ".mp4" files are videos.
MediaItem itemFromName(const QUrl &url, qint64 sortIndex)
{
    MediaItem item;
    item.url = url;
    const QStringList parts = MediaItem::titleFromURL(url).split(u'_');
    item.title = parts.value(0);
    item.artist = parts.value(1);
    item.sortIndex = sortIndex;
    item.isVideo = MediaItem::isVideoExtension(url.fileName());
    item.duration = 60.0 * item.title.size();
    return item;
}

QStringList column(const QAbstractItemModel &model, const QByteArray &role)
{
    const int r = model.roleNames().key(role);
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out.append(model.index(row, 0).data(r).toString());
    return out;
}

// Counts of structural signals, to tell fine changes from resets.
struct ChangeLog
{
    explicit ChangeLog(QAbstractItemModel *model)
        : inserted(model, &QAbstractItemModel::rowsInserted),
          removed(model, &QAbstractItemModel::rowsRemoved),
          moved(model, &QAbstractItemModel::rowsMoved),
          reset(model, &QAbstractItemModel::modelReset),
          changed(model, &QAbstractItemModel::dataChanged)
    {
    }
    int insertedRows() const
    {
        int rows = 0;
        for (const QList<QVariant> &args : inserted)
            rows += args.at(2).toInt() - args.at(1).toInt() + 1;
        return rows;
    }
    void clear()
    {
        inserted.clear();
        removed.clear();
        moved.clear();
        reset.clear();
        changed.clear();
    }
    QSignalSpy inserted, removed, moved, reset, changed;
};

class ListModelsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QList<QUrl> files(const QStringList &names)
    {
        QList<QUrl> urls;
        for (const QString &name : names) {
            QFile file(dir.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            urls.append(QUrl::fromLocalFile(file.fileName()));
        }
        return urls;
    }
    void import(const QStringList &names)
    {
        library.addFiles(files(names));
        ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
        // Rows gathered in the last turn.
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir{TestSupport::scratchRoot() + u"/models-XXXXXX"_s};
    LibraryManager library{itemFromName};
};

TEST_F(ListModelsTest, AnImportsRecordsArriveAsOneInsertedRangePerTurn)
{
    LibraryListModel model;
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.setSortOrder(SortOrder::DateAdded);
    model.setLibrary(&library);
    ChangeLog log(&model);

    // The main thread is busy while the whole batch is inspected: its records then
    // reach the model in one turn and become one range.
    QStringList names;
    for (int i = 1; i <= 40; ++i)
        names.append(u"song %1.mp3"_s.arg(i));
    library.addFiles(files(names));
    QThread::msleep(500);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
    QCoreApplication::processEvents();

    EXPECT_EQ(log.insertedRows(), 40);
    EXPECT_LT(log.inserted.count(), 5);
    EXPECT_EQ(log.reset.count(), 0);
    EXPECT_EQ(model.count(), 40);
    EXPECT_EQ(column(model, "title"), titlesOf(library.allItems()));
}

TEST_F(ListModelsTest, SearchRemovesAndRestoresRowsInPlace)
{
    import({u"Heartbeat_Band.mp3"_s, u"Yesterday_Beatles.mp3"_s, u"Alpha_Other.mp3"_s,
            u"Beta_Beaters.mp4"_s, u"Gamma_Other.mp3"_s});
    for (SortOrder order : {SortOrder::DateAdded, SortOrder::Title, SortOrder::Natural}) {
        SCOPED_TRACE(int(order));
        LibraryListModel model;
        Tester tester(&model, Tester::FailureReportingMode::Fatal);
        model.setLibrary(&library);
        model.setSortOrder(order);
        const QStringList all = column(model, "title");
        ChangeLog log(&model);
        QSignalSpy searchChanged(&model, &LibraryListModel::searchTextChanged);

        model.setSearchText(u"BEAT"_s);
        EXPECT_EQ(library.searchText(), u"BEAT"_s);
        EXPECT_EQ(searchChanged.count(), 1);
        QStringList expected = all;
        expected.removeIf([](const QString &t) { return t == u"Alpha"_s || t == u"Gamma"_s; });
        EXPECT_EQ(column(model, "title"), expected);
        EXPECT_EQ(model.itemIds(), column(model, "itemId"));

        library.setSearchText(QString()); // from elsewhere: the model follows
        EXPECT_EQ(searchChanged.count(), 2);
        EXPECT_EQ(column(model, "title"), all);
        EXPECT_EQ(log.reset.count(), 0);
        EXPECT_GE(log.removed.count(), 1);
        EXPECT_GE(log.inserted.count(), 1);
    }
}

TEST_F(ListModelsTest, OrdersAndTheVideoListFollowTheLibrary)
{
    import({u"ccc_x.mp3"_s, u"a_z.mp4"_s, u"bb_y.mp3"_s, u"dddd_w.mp4"_s});
    LibraryListModel model;
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.setLibrary(&library);

    const QStringList store = titlesOf(library.allItems());
    model.setSortOrder(SortOrder::DateAdded);
    EXPECT_EQ(column(model, "title"), store);
    model.setSortOrder(SortOrder::Artist);
    EXPECT_EQ(column(model, "title"), (QStringList{u"dddd"_s, u"ccc"_s, u"bb"_s, u"a"_s}));
    model.setSortOrder(SortOrder::Duration);
    EXPECT_EQ(column(model, "title"), (QStringList{u"a"_s, u"bb"_s, u"ccc"_s, u"dddd"_s}));
    EXPECT_EQ(column(model, "formattedDuration"),
              (QStringList{u"1:00"_s, u"2:00"_s, u"3:00"_s, u"4:00"_s}));

    // The videos in store order, whatever order the library list uses.
    model.setVideosOnly(true);
    QStringList videos = store;
    videos.removeIf([](const QString &t) { return t != u"a"_s && t != u"dddd"_s; });
    EXPECT_EQ(column(model, "title"), videos);
    library.setSearchText(u"DD"_s);
    EXPECT_EQ(column(model, "title"), QStringList{u"dddd"_s});
    EXPECT_EQ(column(model, "isVideo"), QStringList{u"true"_s});
}

TEST_F(ListModelsTest, RemovalIsOneRemovedRowAndImportsIntoASortedListCatchUp)
{
    import({u"b.mp3"_s, u"d.mp3"_s, u"f.mp3"_s});
    LibraryListModel model;
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.setLibrary(&library);
    model.setSortOrder(SortOrder::Title);
    ChangeLog log(&model);

    library.removeItem(library.allItems().at(1).id.toString());
    ASSERT_EQ(log.removed.count(), 1);
    EXPECT_EQ(log.removed.first().at(1).toInt(), 1);
    EXPECT_EQ(column(model, "title"), (QStringList{u"b"_s, u"f"_s}));

    // New records fall between the rows: they come in as inserted rows, not a reset.
    import({u"a.mp3"_s, u"c.mp3"_s, u"e.mp3"_s});
    ASSERT_TRUE(TestSupport::waitUntil([&] { return model.count() == 5; }));
    EXPECT_EQ(column(model, "title"), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"e"_s, u"f"_s}));
    EXPECT_EQ(log.reset.count(), 0);
}

TEST_F(ListModelsTest, RowsCarryTheMediaRoles)
{
    import({u"شمس_Artist.mp3"_s});
    LibraryListModel model;
    model.setLibrary(&library);
    const MediaItem &item = library.allItems().first();
    const QModelIndex row = model.index(0, 0);
    EXPECT_TRUE(row.data(MediaRows::TitleIsRTLRole).toBool());
    EXPECT_FALSE(row.data(MediaRows::ArtistIsRTLRole).toBool());
    EXPECT_EQ(row.data(MediaRows::ItemIdRole).toString(), item.id.toString(QUuid::WithoutBraces));
    EXPECT_EQ(row.data(MediaRows::ChapterCountRole).toInt(), 0);
    EXPECT_TRUE(row.data(MediaRows::ArtworkSourceRole).toUrl().isEmpty());
}

TEST_F(ListModelsTest, PlaylistRowsFollowEditsOfTheirPlaylistOnly)
{
    import({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s});
    const auto idOf = [&](int i) { return library.allItems().at(i).id.toString(); };
    library.createPlaylist(u"One"_s, false);
    library.createPlaylist(u"Two"_s, true);
    const QString one = library.playlists().at(0).id.toString(QUuid::WithoutBraces);
    const QString two = library.playlists().at(1).id.toString(QUuid::WithoutBraces);

    PlaylistItemsModel model;
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.setLibrary(&library);
    model.setPlaylistId(one);
    ChangeLog log(&model);

    for (int i : {0, 1, 2, 0})
        library.addItemToPlaylist(one, idOf(i));
    EXPECT_EQ(log.inserted.count(), 4);
    EXPECT_EQ(column(model, "title"), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"a"_s}));

    library.movePlaylistItem(one, 2, 0);
    library.movePlaylistItem(one, 0, 4);
    EXPECT_EQ(log.moved.count(), 2);
    EXPECT_EQ(column(model, "title"), (QStringList{u"a"_s, u"b"_s, u"a"_s, u"c"_s}));
    library.removeFromPlaylist(one, 1);
    EXPECT_EQ(log.removed.count(), 1);
    QStringList stored;
    for (const MediaItem &item : library.playlists().at(0).items)
        stored.append(item.id.toString(QUuid::WithoutBraces));
    EXPECT_EQ(model.itemIds(), stored);
    EXPECT_EQ(column(model, "title"), (QStringList{u"a"_s, u"a"_s, u"c"_s}));

    // Another playlist's edits and this one's name tell nothing.
    log.clear();
    library.addItemToPlaylist(two, idOf(1));
    library.renamePlaylist(one, u"Renamed"_s);
    EXPECT_EQ(log.inserted.count() + log.removed.count() + log.changed.count(), 0);

    library.deletePlaylist(one);
    EXPECT_EQ(model.count(), 0);
    EXPECT_EQ(log.reset.count(), 0);
}

TEST_F(ListModelsTest, PlaylistListChangesOnlyTheRolesAnEditTouches)
{
    import({u"a.mp3"_s, u"bb.mp3"_s});
    library.createPlaylist(u"Mix"_s, false);
    library.createPlaylist(u"Book"_s, true);
    const QString mix = library.playlists().at(0).id.toString();
    const QString book = library.playlists().at(1).id.toString();

    PlaylistListModel all;
    PlaylistListModel books;
    Tester tester(&all, Tester::FailureReportingMode::Fatal);
    Tester booksTester(&books, Tester::FailureReportingMode::Fatal);
    all.setLibrary(&library);
    books.setLibrary(&library);
    books.setAudiobooksOnly(true);
    EXPECT_EQ(column(books, "name"), QStringList{u"Book"_s});
    ChangeLog log(&all);

    library.renamePlaylist(book, u"Novel"_s);
    ASSERT_EQ(log.changed.count(), 1);
    EXPECT_EQ(log.changed.first().at(0).toModelIndex().row(), 1);
    EXPECT_EQ(log.changed.first().at(2).value<QList<int>>(), QList<int>{PlaylistListModel::NameRole});

    log.clear();
    library.addItemToPlaylist(mix, library.allItems().at(1).id.toString());
    ASSERT_EQ(log.changed.count(), 1);
    EXPECT_EQ(log.changed.first().at(0).toModelIndex().row(), 0);
    EXPECT_TRUE(log.changed.first().at(2).value<QList<int>>().contains(PlaylistListModel::ItemCountRole));
    EXPECT_EQ(column(all, "itemCount"), (QStringList{u"1"_s, u"0"_s}));
    EXPECT_EQ(all.index(0, 0).data(PlaylistListModel::FormattedTotalDurationRole).toString(),
              library.playlists().at(0).formattedTotalDuration());

    library.createPlaylist(u"Another book"_s, true);
    library.deletePlaylist(mix);
    EXPECT_EQ(column(all, "name"), (QStringList{u"Novel"_s, u"Another book"_s}));
    EXPECT_EQ(column(books, "name"), (QStringList{u"Novel"_s, u"Another book"_s}));
    EXPECT_EQ(log.reset.count(), 0);
}

TEST(DownloadsModelTest, AProgressLineChangesOnlyItsRowsProgressAndMessage)
{
    FakeYtDlp fake;
    YouTubeService service(fake.paths());
    DownloadManager manager;
    const QString folder = fake.root() + u"/downloads"_s;
    QDir().mkpath(folder);
    manager.setDownloadDirectory(QUrl::fromLocalFile(folder));
    manager.setYoutubeService(&service);

    DownloadsModel model;
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.setManager(&manager);
    const QString gated = fake.scenario(u"gated"_s, uR"SH(
echo '[download]  10.0% of 1MiB'
while [ ! -e "$here/a" ]; do sleep 0.02; done
echo '[download]  20.0% of 1MiB'
while [ ! -e "$here/b" ]; do sleep 0.02; done
: > "$out_dir/x.mp4"; echo "[download] Destination: $out_dir/x.mp4")SH"_s);
    manager.addDownload(fake.scenario(u"fails"_s, u"exit 1"_s), u"Other"_s, true);
    manager.addDownload(gated, u"Gated"_s, false);
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        return model.index(1, 0).data(DownloadsModel::ProgressRole).toDouble() == 0.1;
    }));
    ASSERT_TRUE(TestSupport::waitUntil(
        [&] { return manager.downloads().at(0).status == DownloadTask::Status::failed; }));

    ChangeLog log(&model);
    fake.open(u"a"_s);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return log.changed.count() > 0; }));
    const QList<QVariant> change = log.changed.first();
    EXPECT_EQ(change.at(0).toModelIndex().row(), 1);
    EXPECT_EQ(change.at(1).toModelIndex().row(), 1);
    QList<int> roles = change.at(2).value<QList<int>>();
    std::sort(roles.begin(), roles.end());
    EXPECT_EQ(roles, (QList<int>{DownloadsModel::StatusMessageRole, DownloadsModel::ProgressRole}));
    EXPECT_EQ(model.index(1, 0).data(DownloadsModel::StatusMessageRole).toString(),
              u"[download]  20.0% of 1MiB"_s);

    fake.open(u"b"_s);
    ASSERT_TRUE(TestSupport::waitUntil([&] {
        return model.index(1, 0).data(DownloadsModel::StatusRole).toInt()
               == int(DownloadTask::Status::completed);
    }));
    EXPECT_EQ(model.index(1, 0).data(DownloadsModel::OutputUrlRole).toUrl(),
              QUrl::fromLocalFile(folder + u"/x.mp4"_s));
    EXPECT_EQ(log.inserted.count() + log.removed.count() + log.reset.count(), 0);

    manager.removeDownload(model.index(0, 0).data(DownloadsModel::TaskIdRole).toString());
    EXPECT_EQ(log.removed.count(), 1);
    EXPECT_EQ(column(model, "title"), QStringList{u"Gated"_s});
}

TEST(ChapterModelTest, RowsNameTheirChapterForTheSeek)
{
    FakePlayerBackend::State state;
    MediaPlayerManager player([&state] { return std::make_unique<FakePlayerBackend>(state); });
    MediaItem book;
    book.title = u"Book"_s;
    book.url = QUrl::fromLocalFile(u"/media/book.m4b"_s);
    book.chapters = {Chapter(u"One"_s, 0, 60, 0), Chapter(u"Two"_s, 60, 120, 1)};
    player.play(QList<MediaItem>{book}, 0);

    ChapterModel model;
    Tester tester(&model, Tester::FailureReportingMode::Fatal);
    model.setPlayer(&player);
    const QString second = model.index(1, 0).data(ChapterModel::ChapterIdRole).toString();
    EXPECT_EQ(second, book.chapters.at(1).id.toString(QUuid::WithoutBraces));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    player.seekToChapter(second);
    EXPECT_TRUE(model.index(1, 0).data(ChapterModel::IsCurrentRole).toBool());
    EXPECT_FALSE(model.index(0, 0).data(ChapterModel::IsCurrentRole).toBool());
    EXPECT_EQ(changed.count(), 2); // the row losing the mark and the row gaining it
}

TEST_F(ListModelsTest, ImportedItemsArriveAsInsertedRowsAndAResortResets)
{
    LibraryItemsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setLibrary(&library);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    import({u"b 2.mp3"_s, u"b 10.mp3"_s, u"b 1.mp3"_s});
    EXPECT_EQ(inserted.count(), 3);
    // One batch arrives in natural order already: the closing re-sort changes nothing.
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(column(model, "title"), (QStringList{u"b 1"_s, u"b 2"_s, u"b 10"_s}));

    // A second batch interleaves with the first (first files, then second files...)
    // when the library re-sorts: the rows are rebuilt once.
    import({u"a 2.mp3"_s, u"a 1.mp3"_s});
    EXPECT_EQ(inserted.count(), 5);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(column(model, "title"),
              (QStringList{u"a 1"_s, u"b 1"_s, u"a 2"_s, u"b 2"_s, u"b 10"_s}));
}

TEST_F(ListModelsTest, RemovingAnItemRemovesOneRow)
{
    import({u"x 1.mp3"_s, u"x 2.mp3"_s, u"x 3.mp3"_s});
    LibraryItemsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setLibrary(&library);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    library.removeItem(library.allItems().at(1));
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.first().at(1).toInt(), 1);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(column(model, "title"), (QStringList{u"x 1"_s, u"x 3"_s}));
}

TEST_F(ListModelsTest, PlaylistRowsFollowCreationAndDeletion)
{
    PlaylistListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setLibrary(&library);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    library.createPlaylist(u"Road"_s, {}, false);
    library.createPlaylist(u"كتاب"_s, {}, true);
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(column(model, "name"), (QStringList{u"Road"_s, u"كتاب"_s}));
    EXPECT_EQ(model.index(1, 0).data(model.roleNames().key("isAudiobook")).toBool(), true);

    library.deletePlaylist(library.playlists().first());
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(column(model, "name"), (QStringList{u"كتاب"_s}));
}

TEST_F(ListModelsTest, BadgeCountsFollowTheSearchForVideosOnly)
{
    LibraryCounts counts;
    counts.setLibrary(&library);
    import({u"song.mp3"_s, u"talk.m4a"_s, u"clip.mp4"_s});
    EXPECT_TRUE(TestSupport::waitUntil([&] { return counts.itemCount() == 3; }));
    EXPECT_EQ(counts.videoCount(), 1);

    library.setSearchText(u"song"_s);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return counts.videoCount() == 0; }));
    EXPECT_EQ(counts.itemCount(), 3);
}

} // namespace
