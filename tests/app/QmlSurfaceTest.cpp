// The managers' id-taking operations as the views call them from QML: a list of records
// from the library goes straight into the player, and the enums views compare with are
// readable by name.
#include "FakePlayerBackend.h"
#include "TestItems.h"
#include "TestSupport.h"
#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>
#include <memory>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

using namespace Qt::StringLiterals;

namespace {

TEST(QmlSurfaceTest, RecordsFromTheLibraryPassStraightIntoThePlayer)
{
    QTemporaryDir dir{TestSupport::scratchRoot() + u"/qml-XXXXXX"_s};
    LibraryManager library{[](const QUrl &url, qint64 sortIndex) {
        return TestItems::makeItem(MediaItem::titleFromURL(url), sortIndex);
    }};
    FakePlayerBackend::State state;
    MediaPlayerManager player{[&state] { return std::make_unique<FakePlayerBackend>(state); }};
    QList<QUrl> urls;
    for (const QString &name : {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        urls.append(QUrl::fromLocalFile(file.fileName()));
    }
    library.addFiles(urls);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; }));
    QStringList ids;
    for (const MediaItem &item : library.allItems())
        ids.append(item.id.toString(QUuid::WithoutBraces));

    QQmlEngine engine;
    engine.addImportPath(u"qrc:/"_s);
    QQmlComponent component(&engine);
    component.setData(R"(
import QtQml
import Lyrabox
QtObject {
    id: root
    required property LibraryManager libraryManager
    required property MediaPlayerManager playerManager
    property LibraryListModel shown: LibraryListModel {
        library: root.libraryManager
        sortOrder: LibraryManager.SortOrder.Title
        searchText: "b"
    }
    function playShown(row) { playerManager.play(libraryManager.itemsWithIds(shown.itemIds()), row) }
    function playAll(ids, row) { playerManager.play(libraryManager.itemsWithIds(ids), row) }
    function enqueue(id) { playerManager.addToQueue(libraryManager.itemsWithIds([id])) }
    property var enums: [DownloadTask.Status.completed, DownloadTask.Status.failed,
                         MediaPlayerManager.RepeatMode.one, LibraryManager.DateAdded]
}
)",
                      QUrl(u"qrc:/surface-test.qml"_s));
    const std::unique_ptr<QObject> view(component.createWithInitialProperties(
        {{u"libraryManager"_s, QVariant::fromValue(&library)},
         {u"playerManager"_s, QVariant::fromValue(&player)}}));
    ASSERT_TRUE(view) << component.errorString().toStdString();
    const auto queueTitles = [&] { return TestItems::titlesOf(player.queue()); };

    const QVariant order = QStringList{ids[2], ids[0], ids[1], ids[0]};
    ASSERT_TRUE(QMetaObject::invokeMethod(view.get(), "playAll", Q_ARG(QVariant, order),
                                          Q_ARG(QVariant, 1)));
    EXPECT_EQ(queueTitles(), (QStringList{u"c"_s, u"a"_s, u"b"_s, u"a"_s}));
    EXPECT_EQ(player.currentIndex(), 1);
    ASSERT_TRUE(player.currentItem());
    EXPECT_EQ(player.currentItem()->title, u"a"_s);
    ASSERT_TRUE(QMetaObject::invokeMethod(view.get(), "enqueue", Q_ARG(QVariant, ids[1])));
    EXPECT_EQ(queueTitles(), (QStringList{u"c"_s, u"a"_s, u"b"_s, u"a"_s, u"b"_s}));

    // "Play" on a row of the library list: the rows it shows, from that row.
    ASSERT_TRUE(QMetaObject::invokeMethod(view.get(), "playShown", Q_ARG(QVariant, 0)));
    EXPECT_EQ(queueTitles(), QStringList{u"b"_s});
    EXPECT_EQ(library.searchText(), u"b"_s);

    EXPECT_EQ(view->property("enums").toList(),
              (QVariantList{int(DownloadTask::Status::completed), int(DownloadTask::Status::failed),
                            int(MediaPlayerManager::RepeatMode::one),
                            int(LibraryManager::SortOrder::DateAdded)}));
}

} // namespace
