// The managers' id-taking operations as the views call them from QML: a list of records
// from the library goes straight into the player, and the enums views compare with are
// readable by name.
#include "FakePlayerBackend.h"
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

// The managers as the views see them: typed properties of named types.
void registerManagers()
{
    static const bool done = [] {
        qmlRegisterUncreatableType<LibraryManager>("LyraboxSurfaceTest", 1, 0, "LibraryManager",
                                                   u"made by the application"_s);
        qmlRegisterUncreatableType<MediaPlayerManager>("LyraboxSurfaceTest", 1, 0,
                                                       "MediaPlayerManager",
                                                       u"made by the application"_s);
        return true;
    }();
    (void)done;
}

class QmlSurfaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerManagers();
        engine.addImportPath(u"qrc:/"_s);
        ASSERT_TRUE(dir.isValid());
    }

    std::unique_ptr<QObject> create(const QByteArray &qml, const QVariantMap &properties = {})
    {
        QQmlComponent component(&engine);
        component.setData(qml, QUrl(u"qrc:/surface-test.qml"_s));
        std::unique_ptr<QObject> object(component.createWithInitialProperties(properties));
        EXPECT_TRUE(object) << component.errorString().toStdString();
        return object;
    }

    QStringList queueTitles() const
    {
        QStringList out;
        for (const MediaItem &item : player.queue())
            out.append(item.title);
        return out;
    }

    QQmlEngine engine;
    QTemporaryDir dir{TestSupport::scratchRoot() + u"/qml-XXXXXX"_s};
    LibraryManager library{[](const QUrl &url, qint64 sortIndex) {
        MediaItem item;
        item.url = url;
        item.title = MediaItem::titleFromURL(url);
        item.sortIndex = sortIndex;
        return item;
    }};
    FakePlayerBackend::State state;
    MediaPlayerManager player{[this] { return std::make_unique<FakePlayerBackend>(state); }};
};

TEST_F(QmlSurfaceTest, RecordsFromTheLibraryPassStraightIntoThePlayer)
{
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

    const auto view = create(R"(
import QtQml
import Lyrabox
import LyraboxSurfaceTest
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
    function count(ids) { return libraryManager.itemsWithIds(ids).length }
}
)",
                             {{u"libraryManager"_s, QVariant::fromValue(&library)},
                              {u"playerManager"_s, QVariant::fromValue(&player)}});
    ASSERT_TRUE(view);

    QStringList order{ids[2], ids[0], ids[1], ids[0]};
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

    QVariant length;
    ASSERT_TRUE(QMetaObject::invokeMethod(view.get(), "count", Q_RETURN_ARG(QVariant, length),
                                          Q_ARG(QVariant, order)));
    EXPECT_EQ(length.toInt(), 4);
}

TEST_F(QmlSurfaceTest, EnumsViewsCompareWithAreReadableByName)
{
    const auto values = create(R"(
import QtQml
import Lyrabox
import LyraboxSurfaceTest
QtObject {
    property int completed: DownloadTask.Status.completed
    property int failed: DownloadTask.Status.failed
    property int repeatOne: MediaPlayerManager.RepeatMode.one
    property int byTitle: LibraryManager.SortOrder.Title
    property int byDate: LibraryManager.DateAdded
}
)");
    ASSERT_TRUE(values);
    EXPECT_EQ(values->property("completed").toInt(), int(DownloadTask::Status::completed));
    EXPECT_EQ(values->property("failed").toInt(), int(DownloadTask::Status::failed));
    EXPECT_EQ(values->property("repeatOne").toInt(), int(MediaPlayerManager::RepeatMode::one));
    EXPECT_EQ(values->property("byTitle").toInt(), int(LibraryManager::SortOrder::Title));
    EXPECT_EQ(values->property("byDate").toInt(), int(LibraryManager::SortOrder::DateAdded));
}

} // namespace
