// The library's natural orders follow the stored "group right-to-left titles first".
#include "TestItems.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"
#include "core/Preferences.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using TestItems::titlesOf;

namespace {

class LibraryPreferences : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Preferences settingsWindow{dir.filePath(u"Lyrabox.conf"_s)};
    Preferences libraryCopy{dir.filePath(u"Lyrabox.conf"_s)};
    const QStringList ungrouped{u"Chapter 2"_s, u"Chapter 10"_s, u"الفصل ١"_s, u"الفصل ٢"_s};
    const QStringList grouped{u"الفصل ١"_s, u"الفصل ٢"_s, u"Chapter 2"_s, u"Chapter 10"_s};

    // Imports four files; `batchOrder` false: records without their place in the batch,
    // so that the library orders them by title alone.
    std::unique_ptr<LibraryManager> import(bool batchOrder)
    {
        auto library = std::make_unique<LibraryManager>([batchOrder](const QUrl &url, qint64 index) {
            return TestItems::makeItem(MediaItem::titleFromURL(url), batchOrder ? index : 0);
        });
        library->setPreferences(&libraryCopy);
        QList<QUrl> urls;
        for (const QString &name : {u"الفصل ٢"_s, u"Chapter 10"_s, u"الفصل ١"_s, u"Chapter 2"_s}) {
            const QString path = dir.filePath(name + u".mp3"_s);
            QFile(path).open(QIODevice::WriteOnly);
            urls.append(QUrl::fromLocalFile(path));
        }
        library->addFiles(urls);
        EXPECT_TRUE(TestSupport::waitUntil([&] { return library->runningImports() == 0; }));
        return library;
    }
};

// An import numbers its files in the stored order; a change resorts the library by title.
TEST_F(LibraryPreferences, ImportsAndChangesFollowTheStoredOrder)
{
    settingsWindow.setGroupRTLFirst(false);
    EXPECT_EQ(titlesOf(import(true)->allItems()), ungrouped);
    const auto library = import(false);
    EXPECT_EQ(titlesOf(library->allItems()), ungrouped);
    settingsWindow.setGroupRTLFirst(true);
    EXPECT_EQ(titlesOf(library->allItems()), grouped);
    EXPECT_EQ(titlesOf(library->sortedItems(LibraryManager::SortOrder::Natural)), grouped);
    settingsWindow.setGroupRTLFirst(false);
    EXPECT_EQ(titlesOf(library->allItems()), ungrouped);
    library->createPlaylist(u"All"_s, library->allItems(), false);
    EXPECT_EQ(titlesOf(library->playlists().first().items), ungrouped);
}

} // namespace
