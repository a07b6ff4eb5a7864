// Playlists written to and read from M3U files through the library, over an inspector
// that takes the title from the file name.
#include "core/PlaylistFile.h"

#include "TestItems.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>
#include <unistd.h>

using namespace Qt::StringLiterals;
using TestItems::titlesOf;
using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

MediaItem inspect(const QUrl &url, qint64 sortIndex)
{
    MediaItem item = TestItems::makeItem(MediaItem::titleFromURL(url), sortIndex);
    item.url = url;
    return item;
}

class PlaylistFileTest : public ::testing::Test
{
protected:
    QString write(const QString &relative, const QByteArray &bytes = {})
    {
        EXPECT_TRUE(writeFile(dir.filePath(relative), bytes));
        return dir.filePath(relative);
    }
    QUrl touch(const QString &relative) { return QUrl::fromLocalFile(write(relative)); }
    static void import(LibraryManager &manager, const QList<QUrl> &urls, bool drop = false)
    {
        drop ? void(manager.handleDrop(urls)) : manager.addFiles(urls);
        ASSERT_TRUE(TestSupport::waitUntil([&] { return manager.runningImports() == 0; }));
    }
    static const Playlist *named(const LibraryManager &manager, const QString &name)
    {
        const auto found = std::ranges::find(manager.playlists(), name, &Playlist::name);
        return found == manager.playlists().end() ? nullptr : &*found;
    }

    QTemporaryDir dir{TestSupport::scratchRoot() + u"/playlists-XXXXXX"_s};
    LibraryManager library{inspect};
    QStringList notices;
    QMetaObject::Connection noticeLog = QObject::connect(
        &library, &LibraryManager::notice, [this](const QString &text) { notices.append(text); });
};

TEST_F(PlaylistFileTest, ExportThenImportGivesBackTheSamePlaylistInItsOrder)
{
    const QList<QUrl> files{touch(u"أغنية ١.mp3"_s), touch(u"שיר, שני.ogg"_s),
                            touch(u"in a folder/with spaces, and commas.flac"_s)};
    import(library, files);
    library.createPlaylist(u"Mix"_s, false);
    const QString id = library.playlists().first().id.toString();
    for (const QUrl &url : {files[2], files[0], files[1], files[0]})
        for (const MediaItem &item : library.allItems())
            if (item.url == url)
                library.addItemToPlaylist(id, item.id.toString());
    const QList<MediaItem> exported = library.playlistItems(id);
    ASSERT_EQ(exported.size(), 4);

    const QString path = dir.filePath(u"ميكس, mix.m3u8"_s);
    ASSERT_TRUE(library.exportPlaylist(id, QUrl::fromLocalFile(path)));

    // Into an empty library, then dropped on the library the files came from: there
    // the playlist holds the existing records and the library gains nothing.
    LibraryManager fresh{inspect};
    import(fresh, {QUrl::fromLocalFile(path)});
    import(library, {QUrl::fromLocalFile(path)}, true);
    ASSERT_TRUE(named(fresh, u"ميكس, mix"_s));
    EXPECT_EQ(titlesOf(named(fresh, u"ميكس, mix"_s)->items), titlesOf(exported));
    EXPECT_EQ(fresh.allItems().size(), 3);
    ASSERT_TRUE(named(library, u"ميكس, mix"_s));
    EXPECT_EQ(named(library, u"ميكس, mix"_s)->items, exported); // same ids
    EXPECT_EQ(library.allItems().size(), 3);
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(PlaylistFileTest, TitlesAndPathsThatWouldBreakTheLineFormatStayOnOneLine)
{
    MediaItem tagged = TestItems::makeItem(u"Two\nLines"_s); // the path has the break too
    tagged.artist = u"Fairuz"_s;
    tagged.duration = 61.6;
    MediaItem unknownLength = TestItems::makeItem(u"odd"_s);
    unknownLength.duration = std::numeric_limits<double>::infinity();
    const QString path = dir.filePath(u"out.m3u8"_s);
    ASSERT_TRUE(PlaylistFile::write(path, {tagged, unknownLength}));
    EXPECT_EQ(readFile(path),
              "#EXTM3U\n#EXTINF:62,Fairuz - Two Lines\nfile:///media/Two%0ALines.mp3\n"
              "#EXTINF:-1,odd\n/media/odd.mp3\n"_ba);
}

TEST_F(PlaylistFileTest, AnOldHandWrittenListImportsWhatItCanAndReportsOncePerFile)
{
    const QUrl cafe = touch(u"music/Café.mp3"_s);
    const QUrl plain = touch(u"music/b.mp3"_s);
    touch(u"music/Side:B.mp3"_s); // a name, not a URL
    touch(u"nested.mp3"_s);
    write(u"music/notes.txt"_s);
    write(u"music/other.m3u"_s, "../nested.mp3\n");
    const QByteArray old =
        "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:12,Someone - Caf\xE9\r\nCaf\xE9.mp3\r\n\r\nSide:B.mp3\r\n"
        "gone.mp3\r\nhttp://example.invalid/a.mp3\r\nrtsp://example.invalid/s\r\n"
        "other.m3u\r\nnotes.txt\r\n"
        "file://localhost" +
        plain.toEncoded().mid(7) + "\r\n../music/b.mp3\r\n";
    const QString oldList = write(u"music/old list.m3u"_s, old);
    const QString goneList = write(u"gone.m3u8"_s, "/nowhere/a.mp3\n");
    const QUrl media = touch(u"loose.opus"_s);

    import(library, {QUrl::fromLocalFile(oldList), QUrl::fromLocalFile(goneList), media}, true);

    ASSERT_TRUE(named(library, u"old list"_s));
    EXPECT_EQ(titlesOf(named(library, u"old list"_s)->items),
              (QStringList{u"Café"_s, u"Side:B"_s, u"b"_s, u"b"_s}));
    EXPECT_EQ(named(library, u"old list"_s)->items.first().url, cafe);
    ASSERT_TRUE(named(library, u"gone"_s));
    EXPECT_TRUE(named(library, u"gone"_s)->items.isEmpty());
    // The nested playlist is not followed; the loose file of the drop is imported.
    QStringList imported = titlesOf(library.allItems());
    imported.sort();
    EXPECT_EQ(imported, (QStringList{u"Café"_s, u"Side:B"_s, u"b"_s, u"loose"_s}));
    notices.sort();
    EXPECT_EQ(notices,
              (QStringList{u"“gone.m3u8”: one entry could not be found and was skipped."_s,
                           u"“old list.m3u”: 5 entries were skipped: missing files, online "
                           "addresses or files that are not media."_s}));
}

TEST_F(PlaylistFileTest, FailuresAreReportedAndLeaveNoFileBehind)
{
    import(library, {touch(u"a.mp3"_s)});
    library.createPlaylist(u"List"_s, false);
    const QString id = library.playlists().first().id.toString();
    write(u"plain.txt"_s, "keep");
    EXPECT_FALSE(
        library.exportPlaylist(id, QUrl::fromLocalFile(dir.filePath(u"plain.txt/x.m3u8"_s))));
    if (geteuid() != 0) { // root writes into read-only folders
        const QString kept = write(u"locked/kept.m3u8"_s, "old");
        QFile::setPermissions(dir.filePath(u"locked"_s), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(library.exportPlaylist(id, QUrl::fromLocalFile(kept)));
        EXPECT_EQ(readFile(kept), "old");
        EXPECT_EQ(QDir(dir.filePath(u"locked"_s)).entryList(QDir::Files),
                  QStringList{u"kept.m3u8"_s});
        QFile::setPermissions(dir.filePath(u"locked"_s),
                              QFile::WriteOwner | QFile::ReadOwner | QFile::ExeOwner);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"a.mp3"_s, u"plain.txt"_s}));
    EXPECT_EQ(readFile(dir.filePath(u"plain.txt"_s)), "keep");

    library.deletePlaylist(id);
    EXPECT_FALSE(library.exportPlaylist(id, QUrl::fromLocalFile(dir.filePath(u"gone.m3u8"_s))));
    EXPECT_FALSE(QFile::exists(dir.filePath(u"gone.m3u8"_s)));

    // Too large to be a playlist (sparse, so cheap): refused without a playlist.
    QFile huge(write(u"huge.m3u"_s));
    ASSERT_TRUE(huge.resize(PlaylistFile::maxFileSize + 1));
    import(library, {QUrl::fromLocalFile(huge.fileName())});
    EXPECT_TRUE(library.playlists().isEmpty());
    ASSERT_EQ(notices.size(), geteuid() != 0 ? 4 : 3);
    EXPECT_TRUE(notices.first().startsWith(u"“x.m3u8” could not be saved: "_s))
        << notices.first().toStdString();
    EXPECT_TRUE(notices.last().startsWith(u"“huge.m3u” could not be read: "_s));
}

} // namespace
