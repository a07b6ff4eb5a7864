// The list models the section views show: which rows they hold, and that every ordinary
// change reaches a view as the smallest change (no reset), checked by QAbstractItemModelTester.
#include "AudiobookRowsModel.h"
#include "ChapterModel.h"
#include "FakePlayerBackend.h"
#include "LibraryListModel.h"
#include "PlaylistItemsModel.h"
#include "PlaylistListModel.h"
#include "TestItems.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using SortOrder = LibraryManager::SortOrder;

namespace {

// Checks every change of `model` for as long as the model lives.
void watch(QAbstractItemModel &model)
{
    new QAbstractItemModelTester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal,
                                 &model);
}

QStringList column(const QAbstractItemModel &model, const QByteArray &role)
{
    const int r = model.roleNames().key(role);
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out.append(model.index(row, 0).data(r).toString());
    return out;
}

// The structural signals of a model, to tell fine changes from resets.
struct ChangeLog
{
    explicit ChangeLog(QAbstractItemModel *m)
        : inserted(m, &QAbstractItemModel::rowsInserted), removed(m, &QAbstractItemModel::rowsRemoved),
          moved(m, &QAbstractItemModel::rowsMoved), reset(m, &QAbstractItemModel::modelReset),
          changed(m, &QAbstractItemModel::dataChanged) {}
    QSignalSpy inserted, removed, moved, reset, changed;
};

class ListModelsTest : public ::testing::Test
{
protected:
    // Imports empty "title_artist.ext" files (a minute per letter of the artist).
    void import(const QStringList &names)
    {
        QList<QUrl> urls;
        for (const QString &name : names) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            urls.append(QUrl::fromLocalFile(file.fileName()));
        }
        library.addFiles(urls);
        ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
        QCoreApplication::processEvents();
    }
    QString idOf(int index) const { return library.allItems().at(index).id.toString(); }

    QTemporaryDir dir{TestSupport::scratchRoot() + u"/models-XXXXXX"_s};
    FakePlayerBackend::State state;
    MediaPlayerManager player{[this] { return std::make_unique<FakePlayerBackend>(state); }};
    LibraryManager library{[](const QUrl &url, qint64 sortIndex) {
        MediaItem item;
        item.url = url;
        const QStringList parts = MediaItem::titleFromURL(url).split(u'_');
        item.title = parts.value(0);
        item.artist = parts.value(1);
        item.sortIndex = sortIndex;
        item.isVideo = MediaItem::isVideoExtension(url.fileName());
        item.duration = 60.0 * item.artist.size();
        return item;
    }};
};

// Each order (the video list keeps the store's), then a search typed into the list
// removes the rows it hides in place and a search cleared elsewhere brings them back.
TEST_F(ListModelsTest, OrdersSearchAndEditsChangeRowsInPlace)
{
    // Store and title order; the length grows with the artist's name.
    import({u"Alpha_zz.mp3"_s, u"Beat one_y.mp3"_s, u"Gamma_xxx.mp4"_s, u"Upbeat_wwww.mp4"_s});
    const QString a = u"Alpha"_s, b = u"Beat one"_s, g = u"Gamma"_s, u = u"Upbeat"_s;
    const struct
    {
        SortOrder order;
        bool videosOnly;
        QStringList all, found;
    } cases[] = {
        {SortOrder::Title, false, {a, b, g, u}, {b, u}},
        {SortOrder::Artist, false, {u, g, b, a}, {u, b}},
        {SortOrder::Duration, false, {b, a, g, u}, {b, u}},
        {SortOrder::Artist, true, {g, u}, {u}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.all.join(u' ').toStdString());
        LibraryListModel model;
        watch(model);
        model.setLibrary(&library);
        model.setSortOrder(c.order);
        model.setVideosOnly(c.videosOnly);
        EXPECT_EQ(column(model, "title"), c.all);
        ChangeLog log(&model);

        model.setSearchText(u"BEAT"_s);
        EXPECT_EQ(column(model, "title"), c.found);
        EXPECT_EQ(model.itemIds(), column(model, "itemId"));
        library.setSearchText(QString());
        EXPECT_EQ(column(model, "title"), c.all);
        EXPECT_EQ(log.reset.count(), 0);
        EXPECT_EQ(log.removed.count() > 0, c.found.size() < c.all.size());
    }

    // A removed item is one removed row; new records fall between the rows and come in
    // as inserted rows, not a reset.
    LibraryListModel model;
    watch(model);
    model.setLibrary(&library);
    model.setSortOrder(SortOrder::Artist);
    ChangeLog log(&model);
    library.removeItem(idOf(2));
    ASSERT_EQ(log.removed.count(), 1);
    EXPECT_EQ(log.removed.first().at(1).toInt(), 1);
    import({u"Delta_yy.mp3"_s});
    EXPECT_EQ(column(model, "title"), (QStringList{u, b, u"Delta"_s, a}));
    EXPECT_EQ(log.reset.count(), 0);

    // A new order is every row out and the new ones in, not a reset: a view keeps its
    // delegates to bind to the new rows.
    log.removed.clear();
    log.inserted.clear();
    model.setSortOrder(SortOrder::Title);
    EXPECT_EQ(column(model, "title"), (QStringList{a, b, u"Delta"_s, u}));
    ASSERT_EQ(log.removed.count(), 1);
    ASSERT_EQ(log.inserted.count(), 1);
    EXPECT_EQ(log.removed.first().at(2).toInt(), 3);
    EXPECT_EQ(log.inserted.first().at(2).toInt(), 3);
    EXPECT_EQ(log.reset.count(), 0);
}

// A playlist's rows follow its edits only; the list of playlists changes only the row
// and the roles an edit touches.
TEST_F(ListModelsTest, PlaylistEditsChangeOnlyTheirRowsAndRoles)
{
    import({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s});
    library.createPlaylist(u"One"_s, false);
    library.createPlaylist(u"Two"_s, true);
    const QString one = library.playlists().at(0).id.toString(QUuid::WithoutBraces);
    const QString two = library.playlists().at(1).id.toString(QUuid::WithoutBraces);
    PlaylistItemsModel items;
    PlaylistListModel all;
    watch(items);
    watch(all);
    items.setLibrary(&library);
    items.setPlaylistId(one);
    all.setLibrary(&library);
    ChangeLog itemsLog(&items), allLog(&all);

    for (int i : {0, 1, 2, 0})
        library.addItemToPlaylist(one, idOf(i));
    library.movePlaylistItem(one, 2, 0);
    library.movePlaylistItem(one, 0, 4);
    library.removeFromPlaylist(one, 1);
    EXPECT_EQ(itemsLog.inserted.count(), 4);
    EXPECT_EQ(itemsLog.moved.count(), 2);
    EXPECT_EQ(itemsLog.removed.count(), 1);
    EXPECT_EQ(column(items, "title"), (QStringList{u"a"_s, u"a"_s, u"c"_s}));
    EXPECT_EQ(column(all, "itemCount"), (QStringList{u"3"_s, u"0"_s}));
    for (const QList<QVariant> &change : allLog.changed) {
        EXPECT_EQ(change.at(0).toModelIndex().row(), 0);
        EXPECT_FALSE(change.at(2).value<QList<int>>().contains(PlaylistListModel::NameRole));
    }

    // The other playlist's rename: its name only, and nothing for the first's rows.
    ChangeLog renamed(&all);
    const int itemSignals = int(itemsLog.inserted.count() + itemsLog.removed.count() + itemsLog.changed.count());
    library.renamePlaylist(two, u"Novel"_s);
    ASSERT_EQ(renamed.changed.count(), 1);
    EXPECT_EQ(renamed.changed.first().at(0).toModelIndex().row(), 1);
    EXPECT_EQ(renamed.changed.first().at(2).value<QList<int>>(), QList<int>{PlaylistListModel::NameRole});
    EXPECT_EQ(itemsLog.inserted.count() + itemsLog.removed.count() + itemsLog.changed.count(), itemSignals);

    library.createPlaylist(u"Another book"_s, true);
    library.deletePlaylist(one);
    EXPECT_EQ(items.count(), 0);
    EXPECT_EQ(column(all, "name"), (QStringList{u"Novel"_s, u"Another book"_s}));
    EXPECT_EQ(itemsLog.reset.count() + allLog.reset.count(), 0);
}

// A book opens into its chapters as rows inserted under it and closes as rows removed;
// the chapters follow its edits; emptied or deleted while open, it leaves no chapter rows.
TEST_F(ListModelsTest, BooksOpenIntoTheirChaptersInPlace)
{
    import({u"c1.mp3"_s, u"c2.mp3"_s, u"c3.mp3"_s, u"solo.mp3"_s});
    library.createPlaylist(u"Book"_s, library.allItems().mid(0, 3), true);
    library.createPlaylist(u"Mix"_s, library.allItems(), false);
    library.createPlaylist(u"Short"_s, library.allItems().mid(3, 1), true);
    const QString book = library.playlists().at(0).id.toString(QUuid::WithoutBraces);
    const QString shortBook = library.playlists().at(2).id.toString(QUuid::WithoutBraces);
    AudiobookRowsModel rows;
    watch(rows);
    rows.setLibrary(&library);
    ChangeLog log(&rows);
    EXPECT_EQ(column(rows, "name"), (QStringList{u"Book"_s, u"Short"_s}));

    rows.setExpanded(book, true);
    ASSERT_EQ(log.inserted.count(), 1);
    EXPECT_EQ(log.inserted.first().at(1).toInt(), 1);
    EXPECT_EQ(log.inserted.first().at(2).toInt(), 3);
    EXPECT_EQ(column(rows, "titleLine"), (QStringList{QString(), u"c1"_s, u"c2"_s, u"c3"_s, QString()}));
    EXPECT_EQ(column(rows, "isLastChapter").indexOf(u"true"_s), 3);
    EXPECT_EQ(rows.bookRow(shortBook), 4);

    // The book's own order is the chapters' order; a chapter removed is one row less.
    library.movePlaylistItem(book, 2, 0);
    EXPECT_EQ(column(rows, "titleLine").mid(1, 3), (QStringList{u"c3"_s, u"c1"_s, u"c2"_s}));
    library.removeFromPlaylist(book, 0);
    EXPECT_EQ(column(rows, "titleLine").mid(1, 2), (QStringList{u"c1"_s, u"c2"_s}));
    EXPECT_EQ(column(rows, "chapterTotal").first(), u"2"_s);

    rows.collapseAll();
    EXPECT_EQ(rows.rowCount(), 2);
    rows.setExpanded(shortBook, true);
    library.removeFromPlaylist(shortBook, 0);
    EXPECT_EQ(rows.rowCount(), 2);
    library.deletePlaylist(shortBook);
    EXPECT_EQ(column(rows, "name"), QStringList{u"Book"_s});
    EXPECT_EQ(log.reset.count(), 0);
}
TEST_F(ListModelsTest, ChapterRowsNameTheirChapterForTheSeek)
{
    const MediaItem book = TestItems::makeItem(
        u"Book"_s, 0, {}, {Chapter(u"One"_s, 0, 60, 0), Chapter(u"Two"_s, 60, 120, 1)});
    player.play(QList<MediaItem>{book}, 0);

    ChapterModel model;
    watch(model);
    model.setPlayer(&player);
    const QString second = model.index(1, 0).data(ChapterModel::ChapterIdRole).toString();
    EXPECT_EQ(second, book.chapters.at(1).id.toString(QUuid::WithoutBraces));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    player.seekToChapter(second);
    EXPECT_EQ(column(model, "isCurrent"), (QStringList{u"false"_s, u"true"_s}));
    EXPECT_EQ(changed.count(), 2); // the row losing the mark and the row gaining it
}

} // namespace
