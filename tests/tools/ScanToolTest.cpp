// lyrabox-scan end to end: real files (made with ffmpeg), real inspection, the JSON
// a user or script reads.
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

struct ScanResult
{
    int exitCode = -1;
    QJsonObject library;
};

ScanResult runScan(const QStringList &args)
{
    QProcess scan;
    scan.start(QStringLiteral(LYRABOX_SCAN_PATH), args);
    EXPECT_TRUE(scan.waitForFinished(60000));
    ScanResult result;
    result.exitCode = scan.exitStatus() == QProcess::NormalExit ? scan.exitCode() : -1;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(scan.readAllStandardOutput(), &error);
    if (result.exitCode == 0) {
        EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    }
    result.library = doc.object();
    return result;
}

QStringList titlesOf(const QJsonArray &items)
{
    QStringList titles;
    for (const QJsonValue &item : items)
        titles.append(item[u"title"_s].toString());
    return titles;
}

class ScanToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(MediaFixtures::ffmpegAvailable());
    }
    QString path(const QString &relative)
    {
        const QString p = dir.filePath(relative);
        QDir().mkpath(QFileInfo(p).absolutePath());
        return p;
    }
    QTemporaryDir dir{TestSupport::scratchRoot() + u"/scan-XXXXXX"_s};
};

TEST_F(ScanToolTest, ArabicBookPlaysInReadingOrderAndBadFilesDegrade)
{
    // Chapter files untagged, so titles come from the names; numbers in Arabic-Indic
    // digits, written out of order, with one above ten to defeat text order.
    MediaFixtures::AudioOptions untagged;
    untagged.seconds = 1.0;
    const QString source = MediaFixtures::cachedAudio(u"tone.mp3"_s, untagged);
    ASSERT_FALSE(source.isEmpty());
    for (const QString &n : {u"١٠"_s, u"٢"_s, u"١"_s, u"١١"_s})
        ASSERT_TRUE(QFile::copy(source, path(u"كتاب/الفصل "_s + n + u".mp3"_s)));

    MediaFixtures::AudioOptions tagged;
    tagged.title = u"Tagged Title"_s;
    tagged.artist = u"Someone"_s;
    tagged.cover = MediaFixtures::Picture{};
    tagged.chapters = {{u"One"_s, 0, 1}, {u"Two"_s, 1, 2}};
    ASSERT_TRUE(MediaFixtures::writeAudio(path(u"Loose/tagged.m4b"_s), tagged));
    ASSERT_TRUE(MediaFixtures::writeRandomBytes(path(u"Loose/noise.flac"_s), 4096));
    ASSERT_TRUE(MediaFixtures::writeEmpty(path(u"Loose/empty.mp3"_s)));
    ASSERT_TRUE(MediaFixtures::writeTruncatedCopy(source, path(u"Loose/cut.mp3"_s), 300));
    ASSERT_TRUE(MediaFixtures::writeVideo(path(u"Loose/clip.mp4"_s)));
    ASSERT_TRUE(MediaFixtures::writeEmpty(path(u"Loose/quote \" and\nnewline.mp3"_s)));

    const ScanResult result =
        runScan({dir.filePath(u"كتاب"_s), dir.filePath(u"Loose"_s), dir.filePath(u"missing"_s)});
    ASSERT_EQ(result.exitCode, 0);
    const QJsonArray items = result.library[u"items"_s].toArray();
    ASSERT_EQ(items.size(), 10);

    const QJsonArray playlists = result.library[u"playlists"_s].toArray();
    ASSERT_EQ(playlists.size(), 2); // one per folder with two or more items
    const QJsonObject book = playlists[0].toObject();
    EXPECT_EQ(book[u"name"_s].toString(), u"كتاب"_s);
    EXPECT_TRUE(book[u"isAudiobook"_s].toBool());
    QStringList bookFiles;
    for (const QJsonValue &url : book[u"items"_s].toArray())
        bookFiles.append(QUrl(url.toString()).fileName());
    EXPECT_EQ(bookFiles, (QStringList{u"الفصل ١.mp3"_s, u"الفصل ٢.mp3"_s, u"الفصل ١٠.mp3"_s,
                                      u"الفصل ١١.mp3"_s}));
    EXPECT_FALSE(playlists[1].toObject()[u"isAudiobook"_s].toBool()); // holds the video

    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        const QString file = QUrl(item[u"url"_s].toString()).toLocalFile();
        EXPECT_TRUE(QFileInfo::exists(file)) << file.toStdString();
        const QString name = QFileInfo(file).fileName();
        if (name == u"tagged.m4b") {
            EXPECT_EQ(item[u"title"_s].toString(), u"Tagged Title"_s);
            EXPECT_EQ(item[u"artist"_s].toString(), u"Someone"_s);
            EXPECT_TRUE(item[u"hasArtwork"_s].toBool());
            EXPECT_EQ(titlesOf(item[u"chapters"_s].toArray()), (QStringList{u"One"_s, u"Two"_s}));
        } else if (name == u"clip.mp4") {
            EXPECT_TRUE(item[u"isVideo"_s].toBool());
        } else if (name == u"empty.mp3" || name == u"noise.flac") {
            EXPECT_EQ(item[u"duration"_s].toDouble(), 0.0) << name.toStdString();
            EXPECT_TRUE(item[u"chapters"_s].toArray().isEmpty());
            EXPECT_EQ(item[u"title"_s].toString(), QFileInfo(name).completeBaseName());
        } else if (name.startsWith(u"quote")) {
            EXPECT_EQ(item[u"title"_s].toString(), u"quote \" and\nnewline"_s);
        }
    }
}

TEST_F(ScanToolTest, UnusableArgumentsFailAndEmptyFoldersGiveAnEmptyLibrary)
{
    EXPECT_EQ(runScan({}).exitCode, 2);
    QDir().mkpath(dir.filePath(u"empty"_s));
    const ScanResult empty = runScan({dir.filePath(u"empty"_s), dir.filePath(u"nothing-here"_s)});
    ASSERT_EQ(empty.exitCode, 0);
    EXPECT_TRUE(empty.library[u"items"_s].toArray().isEmpty());
    EXPECT_TRUE(empty.library[u"playlists"_s].toArray().isEmpty());
}

} // namespace
