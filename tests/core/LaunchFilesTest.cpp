// Files given on the command line: which arguments become imports, and what plays once
// the library holds them.
#include "PlayerTestFixture.h"
#include "TestSupport.h"
#include "core/LaunchFiles.h"
#include "core/LibraryManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

class LaunchFilesTest : public PlayerTest
{
protected:
    void SetUp() override
    {
        for (const QString &name : {u"b.mp3"_s, u"a.mp3"_s, u"Book/2.mp3"_s, u"Book/10.mp3"_s,
                                    u"Book/1.mp3"_s, u"notes.txt"_s})
            ASSERT_TRUE(TestSupport::writeFile(path(name)));
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void openAndWait(const QStringList &arguments)
    {
        const LaunchFiles::Parsed parsed = LaunchFiles::parse(arguments, dir.path());
        LaunchFiles::open(library, player, parsed.urls);
        ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir{TestSupport::scratchRoot() + u"/launch-XXXXXX"_s};
    LibraryManager library{[](const QUrl &url, qint64 sortIndex) {
        MediaItem item = TestItems::makeItem(
            QFileInfo(url.toLocalFile()).dir().dirName() + u'/' + MediaItem::titleFromURL(url),
            sortIndex);
        item.url = url;
        return item;
    }};
};

// Relative paths, absolute paths and file: URIs name files; anything else is skipped
// and reported, never handed on (a remote address, an option, a missing file).
TEST_F(LaunchFilesTest, ArgumentsNameExistingLocalFilesOnly)
{
    const LaunchFiles::Parsed parsed = LaunchFiles::parse(
        {u"b.mp3"_s, path(u"Book"_s), QUrl::fromLocalFile(path(u"a.mp3"_s)).toString(),
         u"https://example.com/x.mp3"_s, u"--play"_s, u"gone.mp3"_s, u"file:///nowhere/x.mp3"_s,
         QString()},
        dir.path());
    EXPECT_EQ(parsed.urls, (QList<QUrl>{QUrl::fromLocalFile(path(u"b.mp3"_s)),
                                        QUrl::fromLocalFile(path(u"Book"_s)),
                                        QUrl::fromLocalFile(path(u"a.mp3"_s))}));
    EXPECT_EQ(parsed.skipped, (QStringList{u"https://example.com/x.mp3"_s, u"--play"_s,
                                           u"gone.mp3"_s, u"file:///nowhere/x.mp3"_s}));
}

// What was given plays in library order from the first thing given: a folder from its
// first chapter; files already in the library play again without a second record.
TEST_F(LaunchFilesTest, PlaysWhatWasGivenFromTheFirstOne)
{
    const QString book = QDir(dir.path()).dirName();
    openAndWait({u"Book"_s});
    EXPECT_EQ(queueText(), u"Book/1Book/2Book/10"_s);
    EXPECT_EQ(currentTitle(), u"Book/1"_s);

    openAndWait({u"b.mp3"_s, u"Book/10.mp3"_s, u"a.mp3"_s});
    EXPECT_EQ(library.allItems().size(), 5);
    EXPECT_EQ(currentTitle(), book + u"/b"_s);
    EXPECT_EQ(player.queue().size(), 3);

    // Nothing playable: the player is left alone.
    openAndWait({u"notes.txt"_s});
    EXPECT_EQ(currentTitle(), book + u"/b"_s);
}

} // namespace
