#include "FakeYtDlp.h"
#include "TestSupport.h"
#include "core/YouTubeService.h"

#include <QDir>
#include <QFile>
#include <QFutureWatcher>
#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using TestSupport::waitUntil;

namespace {

// True once the service has no run, download or background job left.
bool isIdle(const YouTubeService &service)
{
    return service.findChildren<QObject *>(Qt::FindDirectChildrenOnly).isEmpty();
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

// Reaped processes have no /proc entry; a zombie keeps one until its parent waits.
bool processGone(const QString &pid)
{
    return !pid.isEmpty() && !QFileInfo::exists(u"/proc/"_s + pid);
}

// Dead, though perhaps not yet reaped by whoever adopted it.
bool processDead(const QString &pid)
{
    if (processGone(pid))
        return true;
    const QString stat = readText(u"/proc/"_s + pid + u"/stat"_s);
    const qsizetype close = stat.lastIndexOf(u')');
    return close > 0 && stat.mid(close + 2, 1) == "Z"_L1;
}

template <typename T>
std::optional<YouTubeResult<T>> waitForResult(std::optional<YouTubeResult<T>> &slot)
{
    waitUntil([&] { return slot.has_value(); });
    return slot;
}

class YouTubeServiceTest : public testing::Test
{
protected:
    FakeYtDlp fake;
};

// ---- Tool search ---------------------------------------------------------------

TEST_F(YouTubeServiceTest, FixedSearchTakesTheFirstHitOfEachTable)
{
    const QString root = fake.root();
    for (const char *dir : {"b1", "b2", "f2", "f3"})
        writeExecutable(root + u'/' + QLatin1StringView(dir) + u"/tool"_s, "#!/bin/sh\n");
    writeExecutable(root + u"/b2/yt-dlp"_s, "#!/bin/sh\n");
    writeExecutable(root + u"/f2/ffmpeg"_s, "#!/bin/sh\n");
    writeExecutable(root + u"/f3/ffmpeg"_s, "#!/bin/sh\n");

    YouTubeToolPaths paths = fake.paths();
    paths.ffmpegDirectories = {root + u"/f1"_s, root + u"/f2"_s, root + u"/f3"_s};
    paths.ytDlpPaths = {root + u"/b1/yt-dlp"_s, fake.toolPath(), root + u"/b2/yt-dlp"_s};
    YouTubeService service(paths);
    EXPECT_TRUE(service.isYtDlpInstalled());
    EXPECT_EQ(service.ytDlpPath(), fake.toolPath());
    EXPECT_EQ(service.ffmpegDir(), root + u"/f2"_s);
}

struct ShellCase
{
    const char *name;
    const char *shellScript; // %1 is a path that exists
    bool found;
};

class LoginShellSearch : public YouTubeServiceTest, public testing::WithParamInterface<ShellCase>
{
};

TEST_P(LoginShellSearch, IsUsedOnlyWhenNoFixedPathHolds)
{
    YouTubeToolPaths paths = fake.paths();
    paths.ytDlpPaths = {fake.root() + u"/nowhere/yt-dlp"_s};
    if (GetParam().shellScript) {
        paths.loginShell = fake.root() + u"/shell"_s;
        writeExecutable(paths.loginShell,
                        QString::fromUtf8(GetParam().shellScript).arg(fake.toolPath()).toUtf8());
    }
    YouTubeService service(paths);
    ASSERT_TRUE(waitUntil([&] { return isIdle(service); }));
    EXPECT_EQ(service.isYtDlpInstalled(), GetParam().found);
    EXPECT_EQ(service.ytDlpPath(), GetParam().found ? fake.toolPath() : QString());
}

INSTANTIATE_TEST_SUITE_P(
    YouTubeService, LoginShellSearch,
    testing::Values(
        ShellCase{"answers", "#!/bin/sh\n[ \"$1 $2 $3\" = '-l -c which yt-dlp' ] && echo '  %1'\n",
                  true},
        ShellCase{"answersAMissingPath", "#!/bin/sh\necho /no/such/yt-dlp\n", false},
        ShellCase{"cannotStart", nullptr, false}),
    [](const auto &p) { return std::string(p.param.name); });

TEST_F(YouTubeServiceTest, AToolRemovedAfterItWasFoundStaysFoundAndFailsToLaunch)
{
    YouTubeService service(fake.paths());
    QFile::remove(fake.toolPath());
    service.findYtDlp();
    EXPECT_TRUE(service.isYtDlpInstalled());
    EXPECT_EQ(service.ytDlpPath(), fake.toolPath());

    service.fetchVideoInfo(u"https://youtu.be/x"_s);
    ASSERT_TRUE(waitUntil([&] { return !service.isLoadingInfo(); }));
    EXPECT_TRUE(service.errorMessageText().startsWith(
        "Failed to fetch video info: Command failed: Failed to launch: "_L1))
        << service.errorMessageText().toStdString();
    EXPECT_TRUE(fake.strayTempFiles().isEmpty()) << fake.strayTempFiles().join(u' ').toStdString();
}

TEST_F(YouTubeServiceTest, WithoutTheToolNothingRuns)
{
    YouTubeToolPaths paths = fake.paths();
    paths.ytDlpPaths.clear();
    YouTubeService service(paths);
    ASSERT_TRUE(waitUntil([&] { return isIdle(service); }));

    service.fetchVideoInfo(u"https://youtu.be/x"_s);
    EXPECT_EQ(service.errorMessageText(),
              u"yt-dlp is not installed. Install it with: brew install yt-dlp"_s);
    EXPECT_FALSE(service.isLoadingInfo());

    std::optional<YouTubeResult<QUrl>> streamed, downloaded;
    service.streamToTempFile(u"x"_s, false, [&](const auto &r) { streamed = r; });
    service.download(u"x"_s, QUrl::fromLocalFile(fake.root()), true, {},
                     [&](const auto &r) { downloaded = r; });
    for (auto *slot : {&streamed, &downloaded}) {
        const auto result = waitForResult(*slot);
        ASSERT_TRUE(result && !result->ok());
        EXPECT_EQ(result->error().description(),
                  u"yt-dlp is not installed. Install with: brew install yt-dlp"_s);
    }
    EXPECT_FALSE(service.isStreaming());
    EXPECT_FALSE(QFileInfo::exists(fake.root() + u"/args.txt"_s));
}

// ---- Video information ----------------------------------------------------------

struct FetchCase
{
    const char *name;
    const char *scenario;
    const char *title;        // expected title, or nullptr when the fetch fails
    const char *errorMessage; // the expected message after "Failed to fetch video info: "
};

class FetchInfo : public YouTubeServiceTest, public testing::WithParamInterface<FetchCase>
{
};

TEST_P(FetchInfo, ReportsTheOutcomeAndLeavesNoFiles)
{
    YouTubeService service(fake.paths());
    QSignalSpy loading(&service, &YouTubeService::isLoadingInfoChanged);
    service.setErrorMessageText(u"old error"_s);
    service.fetchVideoInfo(fake.scenario(u"case"_s, QString::fromUtf8(GetParam().scenario)));
    EXPECT_TRUE(service.isLoadingInfo());
    EXPECT_FALSE(service.errorMessage());
    ASSERT_TRUE(waitUntil([&] { return !service.isLoadingInfo(); }));
    EXPECT_EQ(loading.count(), 2);

    if (GetParam().title) {
        ASSERT_TRUE(service.videoInfo());
        EXPECT_EQ(service.videoInfo()->title, QString::fromUtf8(GetParam().title));
        EXPECT_FALSE(service.errorMessage());
    } else {
        EXPECT_FALSE(service.videoInfo());
        EXPECT_EQ(service.errorMessageText(),
                  u"Failed to fetch video info: "_s + QString::fromUtf8(GetParam().errorMessage));
    }
    EXPECT_TRUE(fake.strayTempFiles().isEmpty()) << fake.strayTempFiles().join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    YouTubeService, FetchInfo,
    testing::Values(
        FetchCase{"json", "printf '%s' '{\"title\": \"Clip\", \"duration\": 3}'; echo noise >&2",
                  "Clip", nullptr},
        FetchCase{"failsWithText", "echo 'ERROR: no such video' >&2; exit 1", nullptr,
                  "Command failed: ERROR: no such video\n"},
        FetchCase{"failsSilently", "echo '{}'; exit 2", nullptr, "Command failed: "},
        FetchCase{"killedBySignal", "echo partial >&2; kill -9 $$", nullptr,
                  "Command failed: partial\n"},
        FetchCase{"undecodableError", "printf '\\377\\376' >&2; exit 1", nullptr,
                  "Command failed: Unknown error"},
        FetchCase{"topLevelArray", "echo '[{\"title\": \"x\"}]'", nullptr,
                  "Failed to parse video information"}),
    [](const auto &p) { return std::string(p.param.name); });

TEST_F(YouTubeServiceTest, OnlyTheLatestFetchIsShown)
{
    YouTubeService service(fake.paths());
    service.fetchVideoInfo(fake.scenario(
        u"slow"_s, u"while [ ! -e \"$here/go\" ]; do sleep 0.02; done; echo '{\"title\": \"Old\"}'"_s));
    service.fetchVideoInfo(fake.scenario(u"fast"_s, u"echo '{\"title\": \"New\"}'"_s));
    ASSERT_TRUE(waitUntil([&] { return service.videoInfo().has_value(); }));
    EXPECT_EQ(service.videoInfo()->title, u"New"_s);
    fake.open(u"go"_s);
    ASSERT_TRUE(waitUntil([&] { return isIdle(service); }));
    EXPECT_EQ(service.videoInfo()->title, u"New"_s);
    EXPECT_FALSE(service.isLoadingInfo());
}

// ---- Argument lists ---------------------------------------------------------------

enum class Call { info, stream, download };

struct ArgumentsCase
{
    const char *name;
    Call call;
    bool audioOnly;
    // Between the ffmpeg location and "--", address; "@" stands for the "-o" template.
    std::vector<const char *> expected;
};

class ArgumentLists : public YouTubeServiceTest,
                      public testing::WithParamInterface<std::tuple<ArgumentsCase, bool>>
{
};

// Every call gives yt-dlp the ffmpeg found (conversions and merges need it when it is
// not on the search path), runs with our search path, and ends with "--", address.
TEST_P(ArgumentLists, AreTheToolsCallForEachAction)
{
    const auto &[call, ffmpegFound] = GetParam();
    YouTubeToolPaths paths = fake.paths();
    const QString ffmpegDir = fake.root() + u"/ffmpeg dir"_s;
    writeExecutable(ffmpegDir + u"/ffmpeg"_s, "#!/bin/sh\n");
    if (ffmpegFound)
        paths.ffmpegDirectories = {ffmpegDir};
    YouTubeService service(paths);

    const QString address = fake.scenario(u"record"_s, u":"_s);
    const QString folder = fake.root() + u"/100% music"_s;
    QDir().mkpath(folder);
    QString outputTemplate;
    switch (call.call) {
    case Call::info:
        service.fetchVideoInfo(address);
        break;
    case Call::stream:
        service.streamToTempFile(address, call.audioOnly, [](const auto &) {});
        outputTemplate = service.streamingDirectory() + u"/%(title).60s.%(ext)s"_s;
        break;
    case Call::download:
        service.download(address, QUrl::fromLocalFile(folder), call.audioOnly, {},
                         [](const auto &) {});
        outputTemplate = fake.root() + u"/100%% music/%(title)s.%(ext)s"_s;
        break;
    }
    ASSERT_TRUE(waitUntil([&] { return isIdle(service); }));

    QStringList expected;
    if (ffmpegFound)
        expected << u"--ffmpeg-location"_s << ffmpegDir;
    for (const char *argument : call.expected)
        expected << (std::string_view(argument) == "@" ? outputTemplate
                                                       : QString::fromUtf8(argument));
    expected << u"--"_s << address;
    EXPECT_EQ(fake.lastArguments(), expected);
    EXPECT_TRUE(fake.lastPath().startsWith("/opt/homebrew/bin:/usr/local/bin:"_L1))
        << fake.lastPath().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    YouTubeService, ArgumentLists,
    testing::Combine(
        testing::Values(
            ArgumentsCase{"info", Call::info, false,
                          {"--dump-json", "--no-download", "--no-warnings", "--no-playlist"}},
            ArgumentsCase{"streamVideo", Call::stream, false,
                          {"-f",
                           "bestvideo[ext=mp4][height<=1080]+bestaudio[ext=m4a]/best[ext=mp4]/best",
                           "--no-playlist", "--no-warnings", "--merge-output-format", "mp4", "-o",
                           "@"}},
            ArgumentsCase{"streamAudio", Call::stream, true,
                          {"-x", "--audio-format", "m4a", "--audio-quality", "0", "--no-playlist",
                           "--no-warnings", "-o", "@"}},
            ArgumentsCase{"downloadVideo", Call::download, false,
                          {"-f", "bestvideo[ext=mp4]+bestaudio[ext=m4a]/best[ext=mp4]/best",
                           "--no-playlist", "--no-warnings", "-o", "@", "--newline",
                           "--progress"}},
            ArgumentsCase{"downloadAudio", Call::download, true,
                          {"-x", "--audio-format", "m4a", "--audio-quality", "0", "--no-playlist",
                           "--no-warnings", "-o", "@", "--newline", "--progress"}}),
        testing::Bool()),
    [](const auto &p) {
        return std::string(std::get<0>(p.param).name)
               + (std::get<1>(p.param) ? "_withFfmpeg" : "_withoutFfmpeg");
    });

// ---- Streaming ------------------------------------------------------------------

class Streaming : public YouTubeServiceTest, public testing::WithParamInterface<bool>
{
};

TEST_P(Streaming, ReplacesThePreviousStreamAndReturnsTheNewFile)
{
    const bool audioOnly = GetParam();
    YouTubeService service(fake.paths());
    const QString dir = service.streamingDirectory();
    ASSERT_TRUE(dir.startsWith(service.privateDirectory() + u'/'));
    ASSERT_TRUE(QDir().mkpath(dir + u"/old-sub"_s));
    for (const char *name : {"/old.mp4", "/.hidden", "/old-sub/inner"})
        QFile(dir + QLatin1StringView(name)).open(QIODevice::WriteOnly);
    // A link inside must go as a link: what it points at is not ours to delete.
    const QString outside = fake.root() + u"/precious.txt"_s;
    QFile(outside).open(QIODevice::WriteOnly);
    ASSERT_EQ(::symlink(QFile::encodeName(outside).constData(),
                        QFile::encodeName(dir + u"/link"_s).constData()),
              0);

    QStringList statuses;
    QObject::connect(&service, &YouTubeService::streamingStatusChanged,
                     [&] { statuses << service.streamingStatus(); });
    const QString address = fake.scenario(
        u"stream"_s, u"ls -A \"$out_dir\" > \"$here/seen.txt\"; : > \"$out_dir/Clip.mp4\""_s);
    std::optional<YouTubeResult<QUrl>> streamed;
    service.streamToTempFile(address, audioOnly, [&](const auto &r) { streamed = r; });
    EXPECT_TRUE(service.isStreaming());
    const auto result = waitForResult(streamed);
    ASSERT_TRUE(result && result->ok()) << result->error().description().toStdString();

    EXPECT_EQ(result->value(), QUrl::fromLocalFile(dir + u"/Clip.mp4"_s));
    EXPECT_TRUE(readText(fake.root() + u"/seen.txt"_s).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(outside));
    EXPECT_FALSE(service.isStreaming());
    const QString kind = audioOnly ? u"audio"_s : u"video"_s;
    EXPECT_EQ(statuses, (QStringList{u"Preparing "_s + kind + u"..."_s,
                                     u"Downloading "_s + kind + u"..."_s, QString()}));

    struct stat info;
    ASSERT_EQ(::lstat(QFile::encodeName(service.privateDirectory()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::geteuid());
}

INSTANTIATE_TEST_SUITE_P(YouTubeService, Streaming, testing::Bool(),
                         [](const auto &p) { return p.param ? "audio" : "video"; });

TEST_F(YouTubeServiceTest, StreamActionShowsWhyNothingPlays)
{
    YouTubeService service(fake.paths());
    int played = 0;
    QObject::connect(&service, &YouTubeService::streamedItemReady, [&] { ++played; });
    const QString address = fake.scenario(u"video"_s, u"echo '{\"title\": \"T\"}'"_s);
    service.fetchVideoInfo(address);
    ASSERT_TRUE(waitUntil([&] { return service.videoInfo().has_value(); }));

    // The tool succeeds but writes nothing; then it fails.
    for (const auto &[code, message] :
         {std::pair{u":"_s, u"Downloaded file not found"_s},
          std::pair{u"echo 'ERROR: gone' >&2; exit 1"_s, u"Command failed: ERROR: gone\n"_s}}) {
        QFile::remove(address);
        fake.scenario(u"video"_s, code);
        service.clearErrorMessage();
        service.streamCurrentVideo(true);
        ASSERT_TRUE(waitUntil([&] { return service.errorMessage().has_value(); }));
        EXPECT_EQ(service.errorMessageText(), message);
        EXPECT_FALSE(service.isStreaming());
        EXPECT_TRUE(service.videoInfo());
    }
    EXPECT_EQ(played, 0);
    EXPECT_TRUE(fake.strayTempFiles().isEmpty());
}

TEST_F(YouTubeServiceTest, PrivateDirectoryNeverUsesANameHeldBySomethingElse)
{
    const QString usual = fake.tempParent() + u"/lyrabox-"_s + QString::number(::geteuid());
    const QString victim = fake.root() + u"/victim"_s;
    ASSERT_TRUE(QDir().mkpath(victim));
    QFile(victim + u"/keep.txt"_s).open(QIODevice::WriteOnly);
    ASSERT_EQ(::symlink(QFile::encodeName(victim).constData(), QFile::encodeName(usual).constData()),
              0);

    YouTubeService service(fake.paths());
    const QString dir = service.privateDirectory();
    EXPECT_NE(dir, usual);
    EXPECT_TRUE(dir.startsWith(usual + u'-')) << dir.toStdString();
    std::optional<YouTubeResult<QUrl>> streamed;
    service.streamToTempFile(fake.scenario(u"s"_s, u": > \"$out_dir/a.mp4\""_s), true,
                             [&](const auto &r) { streamed = r; });
    ASSERT_TRUE(waitForResult(streamed)->ok());
    EXPECT_TRUE(QFileInfo::exists(victim + u"/keep.txt"_s));
    EXPECT_FALSE(QFileInfo::exists(victim + u"/LyraboxStream"_s));

    // A directory of ours left open to others is closed again.
    QFile::remove(usual);
    ASSERT_EQ(::mkdir(QFile::encodeName(usual).constData(), 0755), 0);
    PrivateTempDir reused(fake.tempParent());
    EXPECT_EQ(reused.path(), usual);
    struct stat info;
    ASSERT_EQ(::lstat(QFile::encodeName(usual).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // One owned by another user is never used (only root can stage that here).
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(usual).constData(), 65534, 65534), 0);
        PrivateTempDir other(fake.tempParent());
        EXPECT_NE(other.path(), usual);
    }
}

// ---- Downloads ------------------------------------------------------------------

// A download ends with the file it produced (after a conversion or a merge, the newest
// visible file of the folder written since it started; never an earlier download's) or
// with the tool's text, and reports no progress after that.
struct DownloadCase
{
    const char *name;
    const char *scenario;
    bool audioOnly;
    int progressReports;
    const char *file;  // the expected file, or nullptr when it fails with:
    const char *error;
    // The earlier download is left to age past the timestamp slack first.
    bool earlierFileAged = false;
};

class Download : public YouTubeServiceTest, public testing::WithParamInterface<DownloadCase>
{
};

TEST_P(Download, EndsWithTheFileProducedOrTheToolsText)
{
    const DownloadCase &c = GetParam();
    YouTubeService service(fake.paths());
    const QString folder = fake.root() + u"/100% music"_s;
    QDir().mkpath(folder);
    { // an earlier download, older than what this one produces
        QFile older(folder + u"/older.mp4"_s);
        older.open(QIODevice::WriteOnly);
        older.setFileTime(QDateTime::currentDateTime().addDays(-1),
                          QFileDevice::FileModificationTime);
    }
    if (c.earlierFileAged)
        QThread::msleep(1100);

    std::optional<YouTubeResult<QUrl>> result;
    int progressReports = 0;
    service.download(
        fake.scenario(u"d"_s, QString::fromUtf8(c.scenario)), QUrl::fromLocalFile(folder + u'/'),
        c.audioOnly,
        [&](double, const QString &) {
            EXPECT_FALSE(result) << "progress after completion";
            ++progressReports;
        },
        [&](const YouTubeResult<QUrl> &r) { result = r; });
    ASSERT_TRUE(waitForResult(result));
    EXPECT_EQ(progressReports, c.progressReports);
    if (c.file) {
        ASSERT_TRUE(result->ok()) << result->error().description().toStdString();
        EXPECT_EQ(result->value(), QUrl::fromLocalFile(folder + u'/' + QString::fromUtf8(c.file)));
    } else {
        ASSERT_FALSE(result->ok());
        EXPECT_EQ(result->error().description(), QString::fromUtf8(c.error));
    }
}

INSTANTIATE_TEST_SUITE_P(
    YouTubeService, Download,
    testing::Values(
        DownloadCase{"convertedAudio", R"SH(
echo "[download] Destination: $out_dir/T.webm"
printf '[download]  45.3%% of 1.00MiB at 2.00MiB/s ETA 00:00\n[down'
sleep 0.05
printf 'load] 100%% of 1.00MiB in 00:00:00\n'
echo "[ExtractAudio] Destination: $out_dir/T.m4a"
: > "$out_dir/T.m4a"
echo "Deleting original file $out_dir/T.webm (pass -k to keep)")SH",
                     true, 4, "T.m4a", nullptr},
        DownloadCase{"mergedVideo", R"SH(
echo "[download] Destination: $out_dir/T.f137.mp4"
echo "[download] Destination: $out_dir/T.f140.m4a"
echo "[Merger] Merging formats into \"$out_dir/T.mp4\""
: > "$out_dir/T.mp4"; : > "$out_dir/.T.hidden")SH",
                     false, 0, "T.mp4", nullptr},
        DownloadCase{"toolText",
                     "echo '[download]  5.0%'; echo 'ERROR: HTTP Error 404' >&2; exit 1", false,
                     1, nullptr, "Download failed: ERROR: HTTP Error 404\n"},
        DownloadCase{"noText", "exit 1", false, 0, nullptr, "Download failed: "},
        DownloadCase{"undecodableText", "printf '\\377\\376' >&2; exit 1", false, 0, nullptr,
                     "Download failed: Unknown error"},
        DownloadCase{"nothingProduced", "echo \"[download] Destination: $out_dir/gone.mp4\"",
                     false, 0, nullptr, "Downloaded file not found", true}),
    [](const auto &p) { return std::string(p.param.name); });

// ---- Teardown -------------------------------------------------------------------

class DestroyedWhileRunning : public YouTubeServiceTest, public testing::WithParamInterface<bool>
{
};

TEST_P(DestroyedWhileRunning, KillsAndReapsTheToolAndItsHelpers)
{
    const QString address = fake.scenario(u"hang"_s, uR"SH(
sleep 60 & echo $! > "$here/helper.pid"
echo $$ > "$here/tool.pid"
exec sleep 60
)SH"_s);
    auto service = std::make_unique<YouTubeService>(fake.paths());
    bool called = false;
    if (GetParam()) {
        service->download(address, QUrl::fromLocalFile(fake.root()), false, {},
                          [&](const auto &) { called = true; });
    } else {
        service->fetchVideoInfo(address);
    }
    const QString toolPid = fake.root() + u"/tool.pid"_s;
    ASSERT_TRUE(waitUntil([&] { return !readText(toolPid).isEmpty(); }));
    const QString helper = readText(fake.root() + u"/helper.pid"_s);

    service.reset();
    EXPECT_TRUE(processGone(readText(toolPid)));
    // The helper was killed with its group; init reaps it.
    EXPECT_TRUE(waitUntil([&] { return processDead(helper); }, std::chrono::seconds(10)));
    EXPECT_TRUE(fake.strayTempFiles().isEmpty()) << fake.strayTempFiles().join(u' ').toStdString();
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}

INSTANTIATE_TEST_SUITE_P(YouTubeService, DestroyedWhileRunning, testing::Bool(),
                         [](const auto &p) { return p.param ? "download" : "info"; });

} // namespace
