#include "core/DownloadManager.h"

#include "FakeYtDlp.h"
#include "TestSupport.h"
#include "core/DownloadProgressParser.h"
#include "core/YouTubeService.h"
#include "core/YtDlpDownload.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Status = DownloadTask::Status;
using TestSupport::waitUntil;

namespace {

// Each report as "fraction message".
struct Recorder
{
    QStringList reports;
    DownloadProgressParser parser{
        [this](double f, const QString &m) { reports << QString::number(f) + u' ' + m; }};
};

TEST(DownloadProgressParser, LinesCutAnywhereGiveFractionsMessagesAndTheDestination)
{
    // Only the first piece ending in "%" counts; out of range is clamped; numbers that are
    // no percentage give nothing. Carriage returns end lines too; the last line counts
    // without an end.
    const std::tuple<const char *, QStringList, QString> cases[] = {
        {" \t[download]  45.3% of 76.06KiB at 25.11MiB/s ETA 00:00\t ",
         {u"0.453 [download]  45.3% of 76.06KiB at 25.11MiB/s ETA 00:00"_s}, {}},
        {"[download] 10% then 50%\n[download] abc% then 50%",
         {u"0.1 [download] 10% then 50%"_s}, {}},
        {"[download] 250% of 1MiB\n[download] -5%",
         {u"1 [download] 250% of 1MiB"_s, u"0 [download] -5%"_s}, {}},
        {"[download] nan% of 1MiB\n[download] 1e400%\n[info] 45% of something", {}, {}},
        {"[ExtractAudio] Destination: /m/T.m4a\nDeleting original file /m/T.webm (pass -k to keep)",
         {u"0.95 Converting audio..."_s, u"0.95 Converting audio..."_s}, {}},
        {"[download] 10.0% of 1MiB\r[download] 20.0%\r\n",
         {u"0.1 [download] 10.0% of 1MiB"_s, u"0.2 [download] 20.0%"_s}, {}},
        {"[download] Destination: /d/a.mp4\n[download] Destination: /d/\u0645 \"B\" 100%.mp4", {},
         u"/d/\u0645 \"B\" 100%.mp4"_s}};
    for (const auto &[stream, reports, destination] : cases) {
        SCOPED_TRACE(stream);
        const QByteArrayView bytes(stream);
        for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
            Recorder r;
            r.parser.feed(bytes.first(cut));
            r.parser.feed(bytes.sliced(cut));
            r.parser.finish();
            ASSERT_EQ(r.reports, reports) << "cut at " << cut;
            ASSERT_EQ(r.parser.destination().value_or(QString()), destination) << cut;
        }
    }
    // Undecodable and overlong lines are dropped.
    Recorder r;
    r.parser.feed("[download] \xff\xfe 30% broken\n");
    r.parser.feed(QByteArray(DownloadProgressParser::maxLineBytes + 10, 'x'));
    r.parser.feed("[download] 99% of this overlong line\n[download] 12% of it\n");
    EXPECT_EQ(r.reports, QStringList{u"0.12 [download] 12% of it"_s});
}

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
// Downloads run at once, each into the folder chosen when it was added, and at the
// lowest priority (with their helpers), so that the window and the player keep the
// processor while many run.
TEST_F(DownloadManagerTest, StatusFollowsProgressAndNeverFallsBackFromConverting)
{
    manager.addDownload(gated(u"song"_s, {u"[download]  90.0%' at niceness $(nice)'"_s,
                                          u"gate:a"_s, u"[download]  91.0% of 1MiB"_s,
                                          u"gate:b"_s, u"[download]   5.0% of 1MiB"_s,
                                          u"gate:c"_s}),
                        u"Song"_s, false);
    const QString other = fake.root() + u"/other"_s;
    QDir().mkpath(other);
    manager.setDownloadDirectory(QUrl::fromLocalFile(other));
    manager.addDownload(gated(u"quick"_s, {u"gate:a"_s}), u"Quick"_s, false);
    EXPECT_EQ(entry(0).statusMessage, u"Starting download..."_s);
    EXPECT_EQ(manager.activeCount(), 2);
    ASSERT_TRUE(waitUntil([&] { return entry(0).progress == 0.9; }));
    EXPECT_EQ(entry(0).status, Status::downloading);
    EXPECT_EQ(entry(0).statusMessage, u"[download]  90.0% at niceness 19"_s);
    fake.open(u"a"_s);
    ASSERT_TRUE(waitUntil([&] { return entry(0).progress == 0.91; }));
    EXPECT_EQ(entry(0).status, Status::converting);
    fake.open(u"b"_s);
    ASSERT_TRUE(waitUntil([&] { return entry(0).progress == 0.05; }));
    EXPECT_EQ(entry(0).status, Status::converting);
    fake.open(u"c"_s);
    ASSERT_TRUE(waitUntil([&] { return manager.completedCount() == 2; }));
    EXPECT_EQ(entry(0).progress, 1.0);
    EXPECT_EQ(entry(0).outputURL, QUrl::fromLocalFile(folder + u"/song.mp4"_s));
    EXPECT_EQ(entry(1).outputURL, QUrl::fromLocalFile(other + u"/quick.mp4"_s));
}

// Retry restarts a failed entry in place; retry and remove take the entry's id as text and
// ignore what names no entry. Removing a running download and clearing the finished ones
// are driven through the downloads view in tst_onlineviews.
TEST_F(DownloadManagerTest, RetryRestartsTheNamedEntryInPlace)
{
    manager.addDownload(fake.scenario(u"flaky"_s, uR"SH(
if [ ! -e "$here/failed-once" ]; then : > "$here/failed-once"; echo 'ERROR: busy' >&2; exit 1; fi
: > "$out_dir/flaky.mp4")SH"_s),
                        u"Flaky"_s, true);
    ASSERT_TRUE(waitUntil([&] { return entry(0).status == Status::failed; }));
    EXPECT_EQ(entry(0).statusMessage, u"Download failed: ERROR: busy\n"_s);
    const QUuid id = entry(0).id;
    for (const QString &junk : {QUuid::createUuid().toString(), u"not an id"_s}) {
        manager.retryFailed(junk);
        manager.removeDownload(junk);
    }
    EXPECT_EQ(entry(0).status, Status::failed);
    manager.retryFailed(id.toString(QUuid::WithoutBraces));
    EXPECT_EQ(entry(0).status, Status::downloading);
    ASSERT_TRUE(waitUntil([&] { return entry(0).status == Status::completed; }));
    EXPECT_TRUE(entry(0).id == id && entry(0).isAudioOnly && manager.downloads().size() == 1);
}

// What a stopped run removes: the files it wrote, found by the title its destinations
// announce, never a file that was there before or one that is kept.
TEST(YtDlpDownloadFiles, OnlyTheRunsOwnNewFilesAreRemoved)
{
    QTemporaryDir dir;
    const QString f = dir.path();
    const QStringList names = {u"T.mp4"_s, u"T.mp4.part"_s, u"T.f137.mp4.part-Frag3"_s,
                               u"T.f140.m4a"_s, u"T.temp.mp4"_s, u"T.m4a"_s, u"Other.mp4"_s,
                               u"T and more.mp4"_s, u"Tx.mp4"_s, u"Old T.mp4"_s, u"Done.mp4"_s};
    for (const QString &name : names)
        QFile(f + u'/' + name).open(QIODevice::WriteOnly);
    const QSet<QString> before = {u"T.m4a"_s};
    const QSet<QString> keep = {f + u"/Done.mp4"_s};
    const auto removed = [&](const QStringList &destinations) {
        QStringList gone;
        for (const QString &path : YtDlpDownload::filesWrittenBy(f, destinations, before, keep))
            gone << QFileInfo(path).fileName();
        gone.sort();
        return gone.join(u',');
    };
    const QString all = u"T.f137.mp4.part-Frag3,T.f140.m4a,T.mp4,T.mp4.part,T.temp.mp4"_s;
    EXPECT_EQ(removed({f + u"/T.mp4"_s}), all);
    EXPECT_EQ(removed({f + u"/T.f137.mp4"_s, f + u"/T.f140.m4a"_s}), all);
    EXPECT_EQ(removed({}), QString());
    // A destination outside the folder is none of its business.
    EXPECT_EQ(removed({u"/elsewhere/T.mp4"_s}), QString());
    EXPECT_EQ(removed({f + u"/Done.mp4"_s}), QString());
}

} // namespace
