// lyrabox-scan end to end: generated files, real inspection, the JSON a script reads.
#include "MediaFixtures.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The exit code and the library printed (empty unless it parsed).
std::pair<int, QJsonObject> runScan(const QStringList &args)
{
    QProcess scan;
    scan.start(QStringLiteral(LYRABOX_SCAN_PATH), args);
    EXPECT_TRUE(scan.waitForFinished(60000));
    return {scan.exitStatus() == QProcess::NormalExit ? scan.exitCode() : -1,
            QJsonDocument::fromJson(scan.readAllStandardOutput()).object()};
}

TEST(ScanTool, ArabicBookPlaysInReadingOrderAndBadFilesDegrade)
{
    EXPECT_EQ(runScan({}).first, 2) << "no folder to scan";
    const QTemporaryDir dir(TestSupport::scratchRoot() + u"/scan-XXXXXX"_s);
    const auto path = [&](const QString &relative) { return dir.filePath(relative); };
    for (const QString &folder : {u"كتاب"_s, u"Loose"_s, u"empty"_s})
        ASSERT_TRUE(QDir().mkpath(path(folder)));
    // Untagged chapter files in Arabic-Indic digits, one above ten to defeat text order.
    const QString source = MediaFixtures::cachedTone(1);
    ASSERT_FALSE(source.isEmpty()) << qPrintable(MediaFixtures::lastError());
    for (const QString &n : {u"١٠"_s, u"٢"_s, u"١"_s, u"١١"_s})
        ASSERT_TRUE(QFile::copy(source, path(u"كتاب/الفصل "_s + n + u".mp3"_s)));

    MediaFixtures::AudioOptions tagged;
    tagged.title = u"Tagged Title"_s;
    tagged.cover = MediaFixtures::Picture{};
    tagged.chapters = {{u"One"_s, 0, 1}, {u"Two"_s, 1, 2}};
    ASSERT_TRUE(MediaFixtures::writeAudio(path(u"Loose/tagged.m4b"_s), tagged));
    ASSERT_TRUE(MediaFixtures::writeNoise(path(u"Loose/noise.flac"_s), 4096));
    ASSERT_TRUE(MediaFixtures::writeVideo(path(u"Loose/clip.mp4"_s)));

    const auto [exitCode, library] =
        runScan({path(u"كتاب"_s), path(u"Loose"_s), path(u"missing"_s), path(u"empty"_s)});
    ASSERT_EQ(exitCode, 0);
    const QJsonArray playlists = library[u"playlists"_s].toArray();
    ASSERT_EQ(playlists.size(), 2); // one per folder with two or more items
    EXPECT_EQ(playlists[0][u"name"_s].toString(), u"كتاب"_s);
    EXPECT_TRUE(playlists[0][u"isAudiobook"_s].toBool());
    QStringList order;
    for (const QJsonValue &url : playlists[0][u"items"_s].toArray())
        order.append(QUrl(url.toString()).fileName());
    EXPECT_EQ(order, (QStringList{u"الفصل ١.mp3"_s, u"الفصل ٢.mp3"_s, u"الفصل ١٠.mp3"_s,
                                  u"الفصل ١١.mp3"_s}));
    EXPECT_FALSE(playlists[1][u"isAudiobook"_s].toBool()); // holds the video

    // What inspection reads is checked in av_media_asset_test; here, that it is printed.
    QHash<QString, QJsonObject> byName;
    for (const QJsonValue &item : library[u"items"_s].toArray())
        byName.insert(QUrl(item[u"url"_s].toString()).fileName(), item.toObject());
    ASSERT_EQ(byName.size(), 7);
    const QJsonObject book = byName[u"tagged.m4b"_s];
    EXPECT_TRUE(book[u"title"_s] == u"Tagged Title"_s && book[u"hasArtwork"_s].toBool() &&
                book[u"chapters"_s].toArray().size() == 2 &&
                byName[u"clip.mp4"_s][u"isVideo"_s].toBool());
}

} // namespace
