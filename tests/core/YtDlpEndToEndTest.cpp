// yt-dlp and ffmpeg as installed, fetching from a server on 127.0.0.1 that this test
// starts and fills with media it generates. No address outside 127.0.0.1 is used.
#include "LoopbackMediaServer.h"
#include "TestSupport.h"
#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/Preferences.h"
#include "core/YouTubeService.h"
#include "media/MpvPlayerBackend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

using namespace Qt::StringLiterals;
using TestSupport::waitUntil;

namespace {

constexpr std::chrono::seconds kToolTimeout{120};

class YtDlpEndToEnd : public testing::Test
{
protected:
    // One server and clip for the suite: generating media is slow.
    static void SetUpTestSuite()
    {
        s_www = std::make_unique<QTemporaryDir>(TestSupport::scratchRoot() + u"/www-XXXXXX"_s);
        s_server = std::make_unique<LoopbackMediaServer>(s_www->path());
        if (!s_server->start(&s_error) || !s_server->makeClip(u"a.mp4"_s, 2, &s_error))
            return;
        // A page describing the clip with a JSON-LD VideoObject, as video sites do.
        TestSupport::writeFile(s_www->filePath(u"page.html"_s), uR"(<!DOCTYPE html><html><head>
<meta charset="utf-8"><title>page</title><script type="application/ld+json">{"@context":
"https://schema.org", "@type": "VideoObject", "name": "Test Clip / One", "description":
"A described clip", "thumbnailUrl": "%1thumb.jpg", "duration": "PT1M5S", "contentUrl":
"%1a.mp4", "uploadDate": "2024-01-01", "author": {"@type": "Person", "name": "Loop Uploader"}}
</script></head><body>video</body></html>)"_s.arg(s_server->url({})).toUtf8());
    }
    static void TearDownTestSuite()
    {
        s_server.reset();
        s_www.reset();
    }
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(u"/usr/bin/yt-dlp"_s).isFile()) << "scripts/install-deps.sh has it";
        ASSERT_TRUE(s_error.isEmpty()) << s_error.toStdString();
        YouTubeToolPaths paths = YouTubeToolPaths::standard();
        paths.tempParent = temp.path();
        service = std::make_unique<YouTubeService>(paths);
    }
    void TearDown() override
    {
        // Tool output files never outlive their run.
        const QStringList left =
            QDir(service->privateDirectory()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        EXPECT_TRUE(left.isEmpty() || left == QStringList{u"LyraboxStream"_s})
            << left.join(u' ').toStdString();
    }
    QString url(const QString &path) const { return s_server->url(path); }
    QString folder(const QString &name) const
    {
        QDir().mkpath(temp.filePath(name));
        return temp.filePath(name);
    }
    // Downloads into `into`; the file made or the error text.
    QString fetch(const QString &address, bool audioOnly, const QString &into)
    {
        std::optional<YouTubeResult<QUrl>> result;
        fractions.clear();
        service->download(
            address, QUrl::fromLocalFile(into), audioOnly,
            [this](double f, const QString &) { fractions.push_back(f); },
            [&](const YouTubeResult<QUrl> &r) { result = r; });
        waitUntil([&] { return result.has_value(); }, kToolTimeout);
        return !result        ? u"timed out"_s
               : result->ok() ? result->value().toLocalFile()
                              : result->error().description();
    }

    QTemporaryDir temp{TestSupport::scratchRoot() + u"/ytdlp-XXXXXX"_s};
    static inline std::unique_ptr<QTemporaryDir> s_www;
    static inline std::unique_ptr<LoopbackMediaServer> s_server;
    static inline QString s_error;
    std::unique_ptr<YouTubeService> service;
    std::vector<double> fractions;
};

// Pasted text that looks like an option stays an address: nothing is run.
TEST_F(YtDlpEndToEnd, AddressesThatLookLikeOptionsRunNothing)
{
    const QString marker = temp.filePath(u"ran"_s);
    for (const QString &address :
         {u"--exec=touch "_s + marker, u"-o/tmp/x --exec touch "_s + marker})
        EXPECT_TRUE(fetch(address, false, folder(u"bad"_s)).startsWith("Download failed: "_L1))
            << address.toStdString();
    EXPECT_FALSE(QFileInfo::exists(marker));
}

// What libavformat finds in a file: its demuxer and its streams' codecs, or "" when it
// cannot open it.
QString containerOf(const QString &path)
{
    AVFormatContext *context = nullptr;
    if (avformat_open_input(&context, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return QString();
    QString text = QString::fromLatin1(context->iformat->name);
    if (avformat_find_stream_info(context, nullptr) >= 0) {
        for (unsigned i = 0; i < context->nb_streams; ++i)
            text += u' ' + QString::fromLatin1(avcodec_get_name(context->streams[i]->codecpar->codec_id));
    }
    avformat_close_input(&context);
    return text;
}

// The stored formats decide what a download produces: audio converted to the chosen
// format, video merged or remuxed (re-encoded for WebM) into the chosen container. The
// file lands in the chosen folder, the title's slash a look-alike, never a subfolder.
TEST_F(YtDlpEndToEnd, DownloadsTakeTheStoredFormats)
{
    Preferences preferences;
    const std::tuple<bool, QString, QString> cases[] = {
        {false, u"mkv"_s, u"matroska,webm h264 aac"_s},
        {false, u"webm"_s, u"matroska,webm vp9 opus"_s},
        {false, u"mp4"_s, u"mov,mp4,m4a,3gp,3g2,mj2 h264 aac"_s},
        {true, u"mp3"_s, u"mp3 mp3"_s},
        {true, u"opus"_s, u"ogg opus"_s},
        {true, u"m4a"_s, u"mov,mp4,m4a,3gp,3g2,mj2 aac"_s}};
    for (const auto &[audioOnly, format, contents] : cases) {
        SCOPED_TRACE(format.toStdString());
        if (audioOnly)
            preferences.setDownloadAudioFormat(format);
        else
            preferences.setDownloadVideoFormat(format);
        const QString into = folder(format);
        const QFileInfo file(fetch(url(u"page.html"_s), audioOnly, into));
        EXPECT_EQ(file.absolutePath(), into);
        EXPECT_TRUE(file.completeBaseName().startsWith("Test Clip "_L1)) << file.filePath().toStdString();
        EXPECT_EQ(file.suffix(), format);
        EXPECT_EQ(containerOf(file.filePath()), contents);
        // The file before a conversion does not stay behind.
        EXPECT_EQ(QDir(into).entryList(QDir::Files).size(), 1);
        // The download reaches 100 %; audio then reports its conversion, a plain mp4 none.
        EXPECT_TRUE(std::ranges::find(fractions, 1.0) != fractions.end());
        if (audioOnly || format == u"mp4"_s) {
            EXPECT_EQ(fractions.back(), audioOnly ? 0.95 : 1.0);
        }
    }
}

// What the online views do, through the managers they call: fetch a pasted address (its
// information from the page's video object), stream it into the player, download its
// audio and add the finished file to the library.
TEST_F(YtDlpEndToEnd, FetchStreamDownloadAndAddToLibrary)
{
    MediaPlayerManager player([] {
        MpvPlayerBackend::Options options;
        options.audioOutput = "null";
        options.videoOutput = "null";
        return std::make_unique<MpvPlayerBackend>(options);
    });
    LibraryManager library;
    DownloadManager downloads;
    const QString into = folder(u"downloads"_s);
    downloads.setDownloadDirectory(QUrl::fromLocalFile(into));
    downloads.setYoutubeService(service.get());

    // Pasted with a line break; fetched trimmed.
    service->setUrlInput(url(u"page.html"_s) + u"\n"_s);
    service->fetchVideoInfo(service->urlInput().trimmed());
    ASSERT_TRUE(waitUntil([&] { return !service->isLoadingInfo(); }, kToolTimeout));
    ASSERT_TRUE(service->videoInfo()) << service->errorMessageText().toStdString();
    const YouTubeVideoInfo info = *service->videoInfo();
    EXPECT_EQ(QStringList({info.title, info.uploader, info.description, info.url,
                           info.thumbnailOrEmpty().toString()}),
              QStringList({u"Test Clip / One"_s, u"Loop Uploader"_s, u"A described clip"_s,
                           url(u"page.html"_s), url(u"thumb.jpg"_s)}));
    EXPECT_EQ(info.duration, 65);
    EXPECT_FALSE(info.formats.isEmpty());

    QObject::connect(service.get(), &YouTubeService::streamedItemReady, &player,
                     [&](const MediaItem &item) { player.play(QList<MediaItem>{item}, 0); });
    service->streamCurrentVideo(false);
    EXPECT_TRUE(service->isStreaming());
    ASSERT_TRUE(waitUntil([&] { return player.currentTime() > 0.3; }, kToolTimeout))
        << service->errorMessageText().toStdString();
    EXPECT_FALSE(service->isStreaming());
    EXPECT_EQ(player.currentItem()->title, u"Test Clip / One"_s);
    const QString streamed = player.currentItem()->url.toLocalFile();
    EXPECT_TRUE(streamed.startsWith(service->streamingDirectory() + u"/Test Clip "_s) &&
                streamed.endsWith(".mp4"_L1)) << streamed.toStdString();
    player.stop();

    downloads.addDownload(info.url, info.title, true);
    ASSERT_TRUE(waitUntil([&] { return downloads.completedCount() == 1; }, kToolTimeout))
        << downloads.downloads().at(0).statusMessage.toStdString();
    library.addFiles({*downloads.downloads().at(0).outputURL});
    ASSERT_TRUE(waitUntil([&] { return library.allItems().size() == 1 && !library.isLoading(); },
                          kToolTimeout));
    EXPECT_GT(library.allItems().first().duration, 1.5);
}

} // namespace
