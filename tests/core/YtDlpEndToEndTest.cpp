// yt-dlp and ffmpeg as installed, fetching from a server on 127.0.0.1 that this test
// starts and fills with media it generates. No address outside 127.0.0.1 is used.
#include "LoopbackMediaServer.h"
#include "TestSupport.h"
#include "core/DownloadManager.h"
#include "core/YouTubeService.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using TestSupport::waitUntil;

namespace {

constexpr std::chrono::seconds kToolTimeout{120};

const QString kLongTitle =
    u"Loopback stream with a title that is clearly longer than sixty characters"_s;

class YtDlpEndToEnd : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<QTemporaryDir>(TestSupport::scratchRoot() + u"/ytdlp-XXXXXX"_s);
        s_server = std::make_unique<LoopbackMediaServer>(s_dir->path() + u"/www"_s);
        QString error;
        if (!s_server->start(&error) || !s_server->makeClip(u"clip.mp4"_s, 2, &error)) {
            s_setupError = error;
            return;
        }
        for (const char *name : {"a.mp4", "b.mp4", "c.mp4"})
            QFile::copy(s_server->root() + u"/clip.mp4"_s,
                        s_server->root() + u'/' + QLatin1StringView(name));
        s_server->writeVideoPage(u"page.html"_s, u"clip.mp4"_s, u"Test Clip / One"_s,
                                 u"A described clip"_s, u"Loop Uploader"_s, u"PT1M5S"_s);
        s_server->writeVideoPage(u"long.html"_s, u"clip.mp4"_s, kLongTitle, u"d"_s, u"u"_s,
                                 u"PT2S"_s);
    }

    static void TearDownTestSuite()
    {
        s_server.reset();
        s_dir.reset();
    }

    void SetUp() override
    {
        if (!s_setupError.isEmpty())
            FAIL() << s_setupError.toStdString();
        if (!QFileInfo(u"/usr/bin/yt-dlp"_s).isFile())
            FAIL() << "yt-dlp is not installed (scripts/install-deps.sh installs it)";
        YouTubeToolPaths paths = YouTubeToolPaths::standard();
        paths.tempParent = m_temp.path();
        service = std::make_unique<YouTubeService>(paths);
        ASSERT_TRUE(service->isYtDlpInstalled());
    }

    void TearDown() override
    {
        // Tool output files never outlive their run.
        if (service) {
            const QStringList left = QDir(service->privateDirectory())
                                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            EXPECT_TRUE(left.isEmpty() || left == QStringList{u"LyraboxStream"_s})
                << left.join(u' ').toStdString();
        }
    }

    QString url(const QString &path) const { return s_server->url(path); }

    YouTubeResult<QUrl> stream(const QString &address, bool audioOnly)
    {
        std::optional<YouTubeResult<QUrl>> result;
        service->streamToTempFile(address, audioOnly, [&](const auto &r) { result = r; });
        waitUntil([&] { return result.has_value(); }, kToolTimeout);
        return result.value_or(YouTubeError::commandFailed(u"timed out"_s));
    }

    YouTubeResult<QUrl> download(const QString &address, const QString &folder, bool audioOnly,
                                 std::vector<double> *fractions = nullptr)
    {
        std::optional<YouTubeResult<QUrl>> result;
        service->download(
            address, QUrl::fromLocalFile(folder), audioOnly,
            [fractions](double f, const QString &) {
                if (fractions)
                    fractions->push_back(f);
            },
            [&](const auto &r) { result = r; });
        waitUntil([&] { return result.has_value(); }, kToolTimeout);
        return result.value_or(YouTubeError::commandFailed(u"timed out"_s));
    }

    QString newFolder(const QString &name) const
    {
        const QString path = m_temp.path() + u'/' + name;
        QDir().mkpath(path);
        return path;
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    static inline std::unique_ptr<LoopbackMediaServer> s_server;
    static inline QString s_setupError;
    QTemporaryDir m_temp{TestSupport::scratchRoot() + u"/ytdlp-case-XXXXXX"_s};
    std::unique_ptr<YouTubeService> service;
};

TEST_F(YtDlpEndToEnd, InformationComesFromTheVideoObjectOfThePage)
{
    service->fetchVideoInfo(url(u"page.html"_s));
    ASSERT_TRUE(waitUntil([&] { return !service->isLoadingInfo(); }, kToolTimeout));
    ASSERT_TRUE(service->videoInfo()) << service->errorMessageText().toStdString();
    const YouTubeVideoInfo &info = *service->videoInfo();
    EXPECT_EQ(info.title, u"Test Clip / One"_s);
    EXPECT_EQ(info.duration, 65);
    EXPECT_EQ(info.thumbnail, QUrl(url(u"thumb.jpg"_s)));
    EXPECT_EQ(info.uploader, u"Loop Uploader"_s);
    EXPECT_EQ(info.description, u"A described clip"_s);
    EXPECT_EQ(info.url, url(u"page.html"_s));
    EXPECT_FALSE(info.formats.isEmpty());

    service->fetchVideoInfo(url(u"missing.html"_s));
    ASSERT_TRUE(waitUntil([&] { return !service->isLoadingInfo(); }, kToolTimeout));
    EXPECT_TRUE(service->errorMessageText().startsWith(
        "Failed to fetch video info: Command failed: ERROR: "_L1));
    EXPECT_TRUE(service->errorMessageText().contains("404"_L1));
}

TEST_F(YtDlpEndToEnd, StreamsVideoThenAudioIntoThePrivateDirectory)
{
    const auto video = stream(url(u"long.html"_s), false);
    ASSERT_TRUE(video.ok()) << video.error().description().toStdString();
    const QFileInfo videoFile(video.value().toLocalFile());
    EXPECT_EQ(videoFile.absolutePath(), service->streamingDirectory());
    EXPECT_EQ(videoFile.suffix(), u"mp4"_s);
    EXPECT_EQ(videoFile.completeBaseName(), kLongTitle.left(60));
    EXPECT_TRUE(videoFile.size() > 0);

    const auto audio = stream(url(u"page.html"_s), true);
    ASSERT_TRUE(audio.ok()) << audio.error().description().toStdString();
    EXPECT_EQ(QFileInfo(audio.value().toLocalFile()).suffix(), u"m4a"_s);
    EXPECT_FALSE(QFileInfo::exists(videoFile.absoluteFilePath()))
        << "the previous stream's file is replaced";
    EXPECT_EQ(QDir(service->streamingDirectory()).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(service->isStreaming());
}

TEST_F(YtDlpEndToEnd, DownloadsVideoOrAudioIntoTheFolderAndFindsTheFile)
{
    for (const bool audioOnly : {false, true}) {
        const QString folder = newFolder(audioOnly ? u"audio"_s : u"video"_s);
        std::vector<double> fractions;
        const auto result = download(url(u"page.html"_s), folder, audioOnly, &fractions);
        ASSERT_TRUE(result.ok()) << result.error().description().toStdString();
        const QFileInfo file(result.value().toLocalFile());
        EXPECT_EQ(file.absolutePath(), folder);
        // The title's slash becomes a look-alike character, never a subfolder.
        EXPECT_TRUE(file.completeBaseName().startsWith("Test Clip "_L1));
        EXPECT_EQ(file.suffix(), audioOnly ? u"m4a"_s : u"mp4"_s);
        EXPECT_GT(file.size(), 0);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1);
        ASSERT_FALSE(fractions.empty());
        EXPECT_TRUE(std::find(fractions.begin(), fractions.end(), 1.0) != fractions.end());
        if (audioOnly) {
            EXPECT_EQ(fractions.back(), 0.95);
        }
    }
}

// Sets PATH for the life of the object.
class SearchPath
{
public:
    explicit SearchPath(const QString &path) : m_old(qgetenv("PATH"))
    {
        qputenv("PATH", path.toLocal8Bit());
    }
    ~SearchPath() { qputenv("PATH", m_old); }
    SearchPath(const SearchPath &) = delete;
    SearchPath &operator=(const SearchPath &) = delete;

private:
    QByteArray m_old;
};

TEST_F(YtDlpEndToEnd, AudioIsConvertedByTheFfmpegFoundOutsideTheSearchPath)
{
    // The search path holds yt-dlp and python3 only; ffmpeg is reachable only through
    // the folder the service found it in.
    const QString bin = newFolder(u"bin"_s);
    const QString found = newFolder(u"found-ffmpeg"_s);
    for (const auto &[dir, name] : {std::pair{bin, u"yt-dlp"_s}, std::pair{bin, u"python3"_s},
                                    std::pair{found, u"ffmpeg"_s}, std::pair{found, u"ffprobe"_s}})
        ASSERT_TRUE(QFile::link(u"/usr/bin/"_s + name, dir + u'/' + name));
    const SearchPath path(bin);
    ASSERT_TRUE(QStandardPaths::findExecutable(u"ffmpeg"_s).isEmpty());

    YouTubeToolPaths paths = YouTubeToolPaths::standard();
    paths.tempParent = m_temp.path();
    paths.ffmpegDirectories = {found};
    service = std::make_unique<YouTubeService>(paths);
    ASSERT_EQ(service->ffmpegDir(), found);

    const auto downloaded = download(url(u"a.mp4"_s), newFolder(u"converted"_s), true);
    ASSERT_TRUE(downloaded.ok()) << downloaded.error().description().toStdString();
    EXPECT_EQ(QFileInfo(downloaded.value().toLocalFile()).fileName(), u"a.m4a"_s);

    const auto streamed = stream(url(u"page.html"_s), true);
    ASSERT_TRUE(streamed.ok()) << streamed.error().description().toStdString();
    EXPECT_EQ(QFileInfo(streamed.value().toLocalFile()).suffix(), u"m4a"_s);
}

TEST_F(YtDlpEndToEnd, BadAddressesAndFoldersFailWithTheToolsText)
{
    const QString folder = newFolder(u"bad"_s);
    const auto missing = download(url(u"nothing-here.mp4"_s), folder, false);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().description().startsWith("Download failed: ERROR: "_L1));
    EXPECT_TRUE(missing.error().description().contains("404"_L1));

    // Pasted text that looks like an option stays an address: nothing is run.
    const QString marker = m_temp.path() + u"/ran"_s;
    for (const QString &address :
         {u"--exec=touch "_s + marker, u"-o/tmp/x --exec touch "_s + marker,
          url(u"page.html"_s) + u" trailing words"_s}) {
        const auto result = download(address, folder, false);
        EXPECT_FALSE(result.ok()) << address.toStdString();
        EXPECT_TRUE(result.error().description().startsWith("Download failed: "_L1));
    }
    EXPECT_FALSE(QFileInfo::exists(marker));

    const QString blocker = m_temp.path() + u"/plain-file"_s;
    QFile(blocker).open(QIODevice::WriteOnly);
    const auto unwritable = download(url(u"a.mp4"_s), blocker + u"/sub"_s, false);
    ASSERT_FALSE(unwritable.ok());
    EXPECT_TRUE(unwritable.error().description().startsWith("Download failed: "_L1))
        << unwritable.error().description().toStdString();
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}

TEST_F(YtDlpEndToEnd, ThreeDownloadsRunAtOnce)
{
    DownloadManager manager;
    manager.setYoutubeService(service.get());
    const QString folder = newFolder(u"three"_s);
    manager.setDownloadDirectory(QUrl::fromLocalFile(folder));
    for (const char *name : {"a.mp4", "b.mp4", "c.mp4"})
        manager.addDownload(url(QString::fromLatin1(name)), QString::fromLatin1(name), false);
    EXPECT_EQ(manager.activeCount(), 3);
    ASSERT_TRUE(waitUntil([&] { return manager.activeCount() == 0; }, kToolTimeout));
    ASSERT_EQ(manager.completedCount(), 3);
    QStringList produced;
    for (const DownloadTask &task : manager.downloads()) {
        ASSERT_TRUE(task.outputURL);
        produced << task.outputURL->fileName();
    }
    produced.sort();
    EXPECT_EQ(produced, (QStringList{u"a.mp4"_s, u"b.mp4"_s, u"c.mp4"_s}));
}

} // namespace
