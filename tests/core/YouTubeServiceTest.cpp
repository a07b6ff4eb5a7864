#include "core/YouTubeService.h"

#include "FakeYtDlp.h"
#include "TestSupport.h"
#include "models/YouTubeVideoInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QUuid>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using TestSupport::permissionsOf;
using TestSupport::readFile;
using TestSupport::waitUntil;
using TestSupport::writeFile;

namespace {

QString readText(const QString &path)
{
    return QString::fromUtf8(readFile(path)).trimmed();
}

class YouTubeServiceTest : public testing::Test
{
protected:
    // True once the service has no run, download or background job left.
    bool idle() const
    {
        return service->findChildren<QObject *>(Qt::FindDirectChildrenOnly).isEmpty();
    }
    void make(const YouTubeToolPaths &paths) { service = std::make_unique<YouTubeService>(paths); }
    // Streams, or downloads audio into `folder`, with the tool running `code`; returns the
    // file it ended with or its error text. Counts progress reports, and any after the end.
    QString fetchFile(const QString &code, const QString &folder = {})
    {
        result.reset();
        const auto done = [this](const YouTubeResult<QUrl> &r) { result = r; };
        const QString address = fake.scenario(u"run"_s, code);
        if (folder.isEmpty())
            service->streamToTempFile(address, false, done);
        else
            service->download(
                address, QUrl::fromLocalFile(folder + u'/'), true,
                [this](double, const QString &) { reports += result ? 100 : 1; }, done);
        EXPECT_TRUE(waitUntil([&] { return result.has_value(); }));
        return !result        ? QString()
               : result->ok() ? result->value().toLocalFile()
                              : result->error().description();
    }

    // Declared before the service, which may call back until it is gone.
    std::optional<YouTubeResult<QUrl>> result;
    int reports = 0;
    FakeYtDlp fake;
    std::unique_ptr<YouTubeService> service = std::make_unique<YouTubeService>(fake.paths());
};

TEST_F(YouTubeServiceTest, FixedSearchTakesTheFirstHitOfEachTableElseAsksTheLoginShell)
{
    const QString root = fake.root();
    for (const char *file : {"b2/yt-dlp", "f2/ffmpeg", "f3/ffmpeg", "f1/other"})
        writeFile(root + u'/' + QLatin1StringView(file), "#!/bin/sh\n", true);
    YouTubeToolPaths paths = fake.paths();
    paths.ffmpegDirectories = {root + u"/f1"_s, root + u"/f2"_s, root + u"/f3"_s};
    paths.ytDlpPaths = {root + u"/b1/yt-dlp"_s, fake.toolPath(), root + u"/b2/yt-dlp"_s};
    make(paths);
    EXPECT_EQ(service->ytDlpPath(), fake.toolPath());
    EXPECT_EQ(service->ffmpegDir(), root + u"/f2"_s);

    // The login shell is asked only when no fixed path holds.
    paths.ytDlpPaths = {root + u"/nowhere/yt-dlp"_s};
    paths.loginShell = root + u"/shell"_s;
    writeFile(paths.loginShell,
              u"#!/bin/sh\n[ \"$1 $2 $3\" = '-l -c which yt-dlp' ] && echo '  %1'\n"_s
                  .arg(fake.toolPath())
                  .toUtf8(),
              true);
    make(paths);
    ASSERT_TRUE(waitUntil([&] { return idle(); }));
    EXPECT_EQ(service->ytDlpPath(), fake.toolPath());
}

TEST_F(YouTubeServiceTest, AMissingToolIsReportedAndNothingRuns)
{
    YouTubeToolPaths paths = fake.paths();
    paths.ytDlpPaths.clear();
    make(paths);
    ASSERT_TRUE(waitUntil([&] { return idle(); }));
    EXPECT_FALSE(service->isYtDlpInstalled());
    service->fetchVideoInfo(u"https://youtu.be/x"_s);
    EXPECT_EQ(service->errorMessageText(),
              u"yt-dlp is not installed. Install it with: sudo apt install yt-dlp"_s);
    for (const QString &folder : {QString(), fake.root()})
        EXPECT_EQ(fetchFile(u":"_s, folder),
                  u"yt-dlp is not installed. Install with: sudo apt install yt-dlp"_s);
    EXPECT_FALSE(service->isStreaming() || service->isLoadingInfo() ||
                 QFileInfo::exists(fake.root() + u"/args.txt"_s));

    // A tool removed after it was found fails to launch, and says so.
    make(fake.paths());
    QFile::remove(fake.toolPath());
    service->fetchVideoInfo(u"https://youtu.be/x"_s);
    ASSERT_TRUE(waitUntil([&] { return !service->isLoadingInfo(); }));
    EXPECT_TRUE(service->errorMessageText().startsWith(
        "Failed to fetch video info: Command failed: Failed to launch: "_L1));
}

// Shows the title or the error, leaves no files, and only the latest fetch counts.
TEST_F(YouTubeServiceTest, FetchReportsTheOutcomeOfTheLatestRun)
{
    const std::pair<const char *, QString> cases[] = {
        {"printf '%s' '{\"title\": \"Clip\", \"duration\": 3}'; echo noise >&2", u"Clip"_s},
        {"echo 'ERROR: no such video' >&2; exit 1", u"Command failed: ERROR: no such video\n"_s},
        {"echo '{}'; exit 2", u"Command failed: "_s},
        {"echo partial >&2; kill -9 $$", u"Command failed: partial\n"_s},
        {"printf '\\377\\376' >&2; exit 1", u"Command failed: Unknown error"_s},
        {"echo '[{\"title\": \"x\"}]'", u"Failed to parse video information"_s}};
    for (const auto &[code, outcome] : cases) {
        service->setErrorMessageText(u"old error"_s);
        service->fetchVideoInfo(fake.scenario(u"case"_s, QString::fromUtf8(code)));
        EXPECT_FALSE(service->errorMessage());
        ASSERT_TRUE(waitUntil([&] { return !service->isLoadingInfo(); }));
        EXPECT_EQ(service->videoInfo()
                      ? service->videoInfo()->title
                      : service->errorMessageText().remove("Failed to fetch video info: "_L1),
                  outcome)
            << code;
        EXPECT_EQ(fake.strayTempFiles(), QStringList());
    }
    service->fetchVideoInfo(fake.scenario(
        u"slow"_s,
        u"while [ ! -e \"$here/go\" ]; do sleep 0.02; done; echo '{\"title\": \"Old\"}'"_s));
    service->fetchVideoInfo(fake.scenario(u"fast"_s, u"echo '{\"title\": \"New\"}'"_s));
    ASSERT_TRUE(waitUntil([&] { return service->videoInfo().has_value(); }));
    fake.open(u"go"_s);
    ASSERT_TRUE(waitUntil([&] { return idle(); }));
    EXPECT_TRUE(service->videoInfo()->title == u"New"_s && !service->isLoadingInfo());
}

// Every call passes the ffmpeg found, runs with our search path, and ends with "--",
// address, so that pasted text starting like an option stays an address.
TEST_F(YouTubeServiceTest, ArgumentListsForEachAction)
{
    enum Call { info, stream, download };
    const QString audio =
        u"-x --audio-format m4a --audio-quality 0 --no-playlist --no-warnings -o @"_s;
    const std::tuple<Call, bool, QString> cases[] = {
        {info, false, u"--dump-json --no-download --no-warnings --no-playlist"_s},
        {stream, false,
         u"-f bestvideo[ext=mp4][height<=1080]+bestaudio[ext=m4a]/best[ext=mp4]/best "
         "--no-playlist --no-warnings --merge-output-format mp4 -o @"_s},
        {stream, true, audio},
        {download, false,
         u"-f bestvideo[ext=mp4]+bestaudio[ext=m4a]/best[ext=mp4]/best --no-playlist "
         "--no-warnings --merge-output-format mp4 --remux-video mp4 -o @ --newline --progress"_s},
        {download, true, audio + u" --newline --progress"_s}};
    const QString ffmpegDir = fake.root() + u"/ffmpeg dir"_s,
                  folder = fake.root() + u"/100% music"_s, address = fake.scenario(u"-o"_s, u":"_s);
    writeFile(ffmpegDir + u"/ffmpeg"_s, "#!/bin/sh\n", true);
    for (const bool ffmpegFound : {false, true}) {
        YouTubeToolPaths paths = fake.paths();
        if (ffmpegFound)
            paths.ffmpegDirectories = {ffmpegDir};
        make(paths);
        for (const auto &[call, audioOnly, arguments] : cases) {
            SCOPED_TRACE(testing::Message() << call << audioOnly << ffmpegFound);
            if (call == info)
                service->fetchVideoInfo(address);
            else if (call == stream)
                service->streamToTempFile(address, audioOnly, [](const auto &) {});
            else
                service->download(address, QUrl::fromLocalFile(folder), audioOnly, {},
                                  [](const auto &) {});
            const QString outputTemplate =
                call == download ? fake.root() + u"/100%% music/%(title)s.%(ext)s"_s
                                 : service->streamingDirectory() + u"/%(title).60s.%(ext)s"_s;
            ASSERT_TRUE(waitUntil([&] { return idle(); }));
            QStringList expected;
            if (ffmpegFound)
                expected << u"--ffmpeg-location"_s << ffmpegDir;
            for (const QString &argument : arguments.split(u' '))
                expected << (argument == u"@"_s ? outputTemplate : argument);
            EXPECT_EQ(fake.lastArguments(), expected << u"--"_s << address);
            EXPECT_TRUE(fake.lastPath().startsWith("/opt/homebrew/bin:/usr/local/bin:"_L1));
        }
    }
}

TEST_F(YouTubeServiceTest, StreamReplacesThePreviousStreamInItsPrivateDirectory)
{
    const QString dir = service->streamingDirectory();
    ASSERT_TRUE(dir.startsWith(service->privateDirectory() + u'/'));
    for (const char *name : {"/old.mp4", "/.hidden", "/old-sub/inner"})
        writeFile(dir + QLatin1StringView(name));
    // A link inside must go as a link: what it points at is not ours to delete.
    const QString outside = fake.root() + u"/precious.txt"_s;
    writeFile(outside);
    ASSERT_TRUE(QFile::link(outside, dir + u"/link"_s));
    QStringList statuses;
    QObject::connect(service.get(), &YouTubeService::streamingStatusChanged,
                     [&] { statuses << service->streamingStatus(); });

    EXPECT_EQ(fetchFile(u"ls -A \"$out_dir\" > \"$here/seen.txt\"; : > \"$out_dir/Clip.mp4\""_s),
              dir + u"/Clip.mp4"_s);
    EXPECT_EQ(readText(fake.root() + u"/seen.txt"_s), QString());
    EXPECT_TRUE(QFileInfo::exists(outside));
    EXPECT_EQ(statuses,
              (QStringList{u"Preparing video..."_s, u"Downloading video..."_s, QString()}));
    EXPECT_EQ(permissionsOf(service->privateDirectory()), 0700);

    // A name held by something else (here a link to another folder) is never used.
    const QString usual = service->privateDirectory(), victim = fake.root() + u"/victim"_s;
    service.reset();
    QDir(usual).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(victim) && QFile::link(victim, usual));
    make(fake.paths());
    EXPECT_TRUE(service->privateDirectory().startsWith(usual + u'-'));
    EXPECT_TRUE(QDir(victim).isEmpty());
    // A directory of ours left open to others is closed again.
    QFile::remove(usual);
    ASSERT_EQ(::mkdir(QFile::encodeName(usual).constData(), 0755), 0);
    EXPECT_EQ(PrivateTempDir(fake.tempParent()).path(), usual);
    EXPECT_EQ(permissionsOf(usual), 0700);
}

// The stream action hands over its item only once the file is complete.
TEST_F(YouTubeServiceTest, StreamActionPlaysTheFinishedFileOrShowsWhyNot)
{
    QList<MediaItem> played;
    QObject::connect(service.get(), &YouTubeService::streamedItemReady,
                     [&](const MediaItem &item) { played << item; });
    const QString address = fake.scenario(
        u"video"_s, u"echo '{\"title\": \"T\", \"uploader\": \"Someone\", \"duration\": 12}'"_s);
    service->fetchVideoInfo(address);
    ASSERT_TRUE(waitUntil([&] { return service->videoInfo().has_value(); }));
    fake.scenario(u"video"_s, u"echo 'ERROR: gone' >&2; exit 1"_s);
    service->streamCurrentVideo(true);
    ASSERT_TRUE(waitUntil([&] { return service->errorMessage().has_value(); }));
    EXPECT_EQ(service->errorMessageText(), u"Command failed: ERROR: gone\n"_s);
    EXPECT_FALSE(service->isStreaming());

    fake.scenario(u"video"_s,
                  u": > \"$out_dir/Clip.mp4\"; while [ ! -e \"$here/go\" ]; do sleep 0.02; done"_s);
    service->streamCurrentVideo(false);
    waitUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_TRUE(played.isEmpty() && service->isStreaming());
    fake.open(u"go"_s);
    ASSERT_TRUE(waitUntil([&] { return !played.isEmpty(); }));
    EXPECT_FALSE(service->isStreaming());
    const MediaItem &item = played.first();
    EXPECT_EQ(item.url, QUrl::fromLocalFile(service->streamingDirectory() + u"/Clip.mp4"_s));
    EXPECT_EQ(QStringList({item.title, item.artist, item.youtubeURL.value_or(QString())}),
              QStringList({u"T"_s, u"Someone"_s, address}));
    EXPECT_TRUE(item.isVideo && item.duration == 12);
}

// A download ends with the file it produced (after a conversion, the newest one written
// since it started) or with the tool's text, and reports no progress after that.
TEST_F(YouTubeServiceTest, DownloadEndsWithTheFileProducedOrTheToolsText)
{
    const std::tuple<QString, int, QString> cases[] = {
        {uR"SH(echo "[download] Destination: $out_dir/T.webm"
printf '[download]  45.3%% of 1.00MiB at 2.00MiB/s ETA 00:00\n[down'
sleep 0.05
printf 'load] 100%% of 1.00MiB in 00:00:00\n'
echo "[ExtractAudio] Destination: $out_dir/T.m4a"
: > "$out_dir/T.m4a"
echo "Deleting original file $out_dir/T.webm (pass -k to keep)")SH"_s,
         4, u"/T.m4a"_s},
        {u"echo '[download] 5.0%'; echo 'ERROR: HTTP Error 404' >&2; exit 1"_s, 1,
         u"Download failed: ERROR: HTTP Error 404\n"_s},
        {u"echo \"[download] Destination: $out_dir/gone.mp4\""_s, 0,
         u"Downloaded file not found"_s}};
    const QString folder = fake.root() + u"/100% music"_s;
    for (const auto &[code, progressReports, outcome] : cases) {
        QDir(folder).removeRecursively();
        writeFile(folder + u"/older.mp4"_s); // an earlier download
        QFile(folder + u"/older.mp4"_s)
            .setFileTime(QDateTime::currentDateTime().addDays(-1),
                         QFileDevice::FileModificationTime);
        if (outcome == u"Downloaded file not found"_s)
            QThread::msleep(1100); // past the timestamp slack
        reports = 0;
        EXPECT_EQ(fetchFile(code, folder).remove(folder), outcome);
        EXPECT_EQ(reports, progressReports) << outcome.toStdString();
    }
}

TEST_F(YouTubeServiceTest, DestroyedWhileRunningKillsAndReapsTheToolAndItsHelpers)
{
    bool called = false;
    service->download(fake.scenario(u"hang"_s, uR"SH(sleep 60 & echo $! > "$here/helper.pid"
echo $$ > "$here/tool.pid"
exec sleep 60)SH"_s),
                      QUrl::fromLocalFile(fake.root()), false, {},
                      [&](const auto &) { called = true; });
    const QString toolPid = fake.root() + u"/tool.pid"_s;
    ASSERT_TRUE(waitUntil([&] { return !readText(toolPid).isEmpty(); }));
    const QString helper = u"/proc/"_s + readText(fake.root() + u"/helper.pid"_s) + u"/stat"_s;
    service.reset();
    EXPECT_FALSE(QFileInfo::exists(u"/proc/"_s + readText(toolPid))) << "reaped";
    // The helper was killed with its group; init reaps it (a zombie is dead too).
    EXPECT_TRUE(waitUntil(
        [&] {
            return readText(helper).section(u") "_s, -1).startsWith(u'Z') ||
                   !QFileInfo::exists(helper);
        },
        std::chrono::seconds(10)));
    EXPECT_EQ(fake.strayTempFiles(), QStringList());
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}

// Missing or mistyped keys take their defaults.
TEST(YouTubeVideoInfo, ParsesWhatIsUsableAndDefaultsTheRest)
{
    const auto parsed = [](const QByteArray &json) {
        return YouTubeVideoInfo::fromJson(json, u"https://example.test/v"_s).value();
    };
    for (const QByteArray &json :
         {QByteArray("{}"), QByteArray(R"({"id": 7, "title": ["x"], "duration": "212",
             "thumbnail": "not a url", "uploader": null, "description": 3, "formats": [3]})")}) {
        const YouTubeVideoInfo info = parsed(json);
        EXPECT_EQ(QStringList({info.title, info.uploader, info.description, info.url}),
                  QStringList({u"Unknown"_s, {}, {}, u"https://example.test/v"_s}));
        EXPECT_FALSE(QUuid::fromString(info.id).isNull()) << info.id.toStdString();
        EXPECT_TRUE(info.duration == 0 && !info.thumbnail && info.formats.isEmpty());
    }
    const YouTubeVideoInfo info =
        parsed(R"({"duration": 12.5, "thumbnail": "http://127.0.0.1/t.jpg"})");
    EXPECT_TRUE(info.duration == 12.5 && info.thumbnail == QUrl(u"http://127.0.0.1/t.jpg"_s));
    for (const char *bad : {"[1]", "not json", R"({"duration": 1e400})"})
        EXPECT_FALSE(YouTubeVideoInfo::fromJson(bad, {}).ok()) << bad;
    // An untitled stream is named after its file.
    const QUrl file = QUrl::fromLocalFile(u"/p/LyraboxStream/Clip.v2.m4a"_s);
    EXPECT_EQ(YouTubeService::makeStreamedItem(file, {}, true).title, u"Clip.v2"_s);
}

} // namespace
