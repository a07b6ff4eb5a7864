#include "FakeYtDlp.h"
#include "TestSupport.h"
#include "core/DownloadManager.h"
#include "core/YouTubeService.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Status = DownloadTask::Status;
using TestSupport::waitUntil;

namespace {

class DownloadManagerTest : public testing::Test
{
protected:
    DownloadManagerTest()
    {
        QDir().mkpath(folder);
        manager.setDownloadDirectory(QUrl::fromLocalFile(folder));
        manager.setYoutubeService(&service);
    }
    const DownloadTask &entry(qsizetype index) const { return manager.downloads().at(index); }
    // A download that prints `steps`, waiting where a step names a gate ("gate:x"), then
    // saves "<name>.mp4".
    QString gated(const QString &name, const QStringList &steps)
    {
        QString code;
        for (const QString &step : steps)
            code += step.startsWith("gate:"_L1)
                        ? u"while [ ! -e \"$here/%1\" ]; do sleep 0.02; done\n"_s.arg(step.mid(5))
                        : u"echo '%1'\n"_s.arg(step);
        return fake.scenario(name, code + u": > \"$out_dir/%1.mp4\"\n"_s.arg(name));
    }

    FakeYtDlp fake;
    YouTubeService service{fake.paths()};
    DownloadManager manager;
    QString folder = fake.root() + u"/downloads"_s;
};

// Progress is a fraction; once the tool passes 90 % and falls back, it is converting.
// Updates name their entry; the list is announced only when entries come or go.
TEST_F(DownloadManagerTest, StatusFollowsProgressAndNeverFallsBackFromConverting)
{
    QSignalSpy listChanged(&manager, &DownloadManager::downloadsChanged);
    QSignalSpy updated(&manager, &DownloadManager::downloadUpdated);
    manager.addDownload(gated(u"song"_s, {u"[download]  90.0% of 1MiB"_s, u"gate:a"_s,
                                          u"[download]  91.0% of 1MiB"_s, u"gate:b"_s,
                                          u"[download]   5.0% of 1MiB"_s, u"gate:c"_s}),
                        u"Song"_s, false);
    manager.addDownload(gated(u"quick"_s, {}), u"Quick"_s, false);
    EXPECT_EQ(entry(0).statusMessage, u"Starting download..."_s);
    EXPECT_EQ(manager.activeCount(), 2);
    ASSERT_TRUE(waitUntil([&] { return entry(0).progress == 0.9; }));
    EXPECT_EQ(entry(0).status, Status::downloading);
    EXPECT_EQ(entry(0).statusMessage, u"[download]  90.0% of 1MiB"_s);
    fake.open(u"a"_s);
    ASSERT_TRUE(waitUntil([&] { return entry(0).progress == 0.91; }));
    EXPECT_EQ(entry(0).status, Status::converting);
    fake.open(u"b"_s);
    ASSERT_TRUE(waitUntil([&] { return entry(0).progress == 0.05; }));
    EXPECT_EQ(entry(0).status, Status::converting);
    fake.open(u"c"_s);
    ASSERT_TRUE(waitUntil([&] { return manager.completedCount() == 2; }));
    EXPECT_EQ(entry(0).progress, 1.0);
    EXPECT_EQ(entry(0).statusMessage, u"Completed"_s);
    EXPECT_EQ(entry(0).outputURL, QUrl::fromLocalFile(folder + u"/song.mp4"_s));
    EXPECT_EQ(listChanged.count(), 2);
    QSet<int> indexes;
    for (const QList<QVariant> &args : std::as_const(updated))
        indexes.insert(args.at(0).toInt());
    EXPECT_EQ(indexes, (QSet<int>{0, 1}));
}

// Retry restarts a failed entry in place; retry, remove and clear take the entry's id
// as text and ignore what names no entry. A removed entry still saves its file.
TEST_F(DownloadManagerTest, RetryRemoveAndClearWorkOnTheNamedEntriesOnly)
{
    manager.addDownload(gated(u"gone"_s, {u"gate:go"_s}), u"Gone"_s, false);
    manager.addDownload(fake.scenario(u"flaky"_s, uR"SH(
if [ ! -e "$here/failed-once" ]; then : > "$here/failed-once"; echo 'ERROR: busy' >&2; exit 1; fi
: > "$out_dir/flaky.mp4")SH"_s), u"Flaky"_s, true);
    manager.addDownload(fake.scenario(u"failing"_s, u"exit 1"_s), u"Failing"_s, false);
    ASSERT_TRUE(waitUntil([&] { return manager.activeCount() == 1; }));
    EXPECT_EQ(entry(1).statusMessage, u"Download failed: ERROR: busy\n"_s);
    const QUuid id = entry(1).id;
    manager.retryFailed(QUuid::createUuid().toString());
    manager.retryFailed(u"not an id"_s);
    EXPECT_EQ(entry(1).status, Status::failed);
    manager.retryFailed(id.toString(QUuid::WithoutBraces));
    EXPECT_EQ(entry(1).status, Status::downloading);
    ASSERT_TRUE(waitUntil([&] { return entry(1).status == Status::completed; }));
    EXPECT_EQ(entry(1).id, id);
    EXPECT_TRUE(entry(1).isAudioOnly);

    manager.removeDownload(u"junk"_s);
    manager.removeDownload(entry(0).id.toString());
    fake.open(u"go"_s);
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(folder + u"/gone.mp4"_s); }));
    manager.clearCompleted();
    ASSERT_EQ(manager.downloads().size(), 1);
    EXPECT_EQ(entry(0).statusMessage, u"Download failed: "_s);
}

TEST_F(DownloadManagerTest, FolderChangeAppliesToLaterDownloadsOnly)
{
    manager.addDownload(gated(u"one"_s, {u"gate:go"_s}), u"One"_s, false);
    const QString other = fake.root() + u"/other"_s;
    QDir().mkpath(other);
    manager.setDownloadDirectory(QUrl::fromLocalFile(other));
    manager.addDownload(gated(u"two"_s, {u"gate:go"_s}), u"Two"_s, false);
    EXPECT_EQ(service.findChildren<QObject *>().size(), 2) << "both run at once";
    fake.open(u"go"_s);
    ASSERT_TRUE(waitUntil([&] { return manager.completedCount() == 2; }));
    EXPECT_EQ(entry(0).outputURL, QUrl::fromLocalFile(folder + u"/one.mp4"_s));
    EXPECT_EQ(entry(1).outputURL, QUrl::fromLocalFile(other + u"/two.mp4"_s));
}

} // namespace
