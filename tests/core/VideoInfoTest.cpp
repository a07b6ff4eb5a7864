#include "core/YouTubeService.h"
#include "models/YouTubeVideoInfo.h"

#include <QUuid>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

YouTubeVideoInfo parsed(const QByteArray &json)
{
    const auto result = YouTubeVideoInfo::fromJson(json, u"https://example.test/v"_s);
    EXPECT_TRUE(result.ok()) << json.toStdString();
    return result.ok() ? result.value() : YouTubeVideoInfo{};
}

// Missing or mistyped keys take their defaults; formats fall back per key.
TEST(YouTubeVideoInfo, ParsesWhatIsUsableAndDefaultsTheRest)
{
    for (const QByteArray &json : {QByteArray("{}"), QByteArray(R"({"id": 7, "title": ["x"], "duration": "212",
             "thumbnail": "not a url", "uploader": null, "description": 3, "formats": {"a": 1}})"),
                                   QByteArray(R"({"formats": [3], "duration": -4})")}) {
        const YouTubeVideoInfo info = parsed(json);
        EXPECT_EQ(QStringList({info.title, info.uploader, info.description, info.url}),
                  QStringList({u"Unknown"_s, {}, {}, u"https://example.test/v"_s}));
        EXPECT_FALSE(QUuid::fromString(info.id).isNull()) << info.id.toStdString();
        EXPECT_TRUE(info.duration == 0 && !info.thumbnail && info.formats.isEmpty());
    }
    const YouTubeVideoInfo info = parsed(R"({"duration": 12.5, "thumbnail": "http://127.0.0.1/t.jpg", "formats": [
        {"format_id": "137", "format_note": "1080p", "format": "137 - 1080p", "filesize": 5000, "vcodec": "avc1"},
        {"format": "140 - audio", "filesize": null, "filesize_approx": 1000, "vcodec": "none"},
        {"filesize": 1e300, "filesize_approx": -1, "vcodec": 3}]})");
    EXPECT_EQ(info.duration, 12.5);
    EXPECT_EQ(info.thumbnail, QUrl(u"http://127.0.0.1/t.jpg"_s));
    QStringList seen;
    for (const auto &f : info.formats)
        seen << u"%1|%2|%3|%4"_s.arg(f.id, f.quality).arg(f.filesize.value_or(-1)).arg(f.isAudioOnly);
    EXPECT_EQ(seen, (QStringList{u"137|1080p|5000|0"_s, u"|140 - audio|1000|1"_s, u"||-1|1"_s}));
}

TEST(YouTubeVideoInfo, OutputThatIsNoObjectFails)
{
    EXPECT_EQ(YouTubeVideoInfo::fromJson("[1, 2]", {}).error().description(),
              u"Failed to parse video information"_s);
    for (const char *bad : {"not json", "\xff\xfe{}", R"({"duration": Infinity})", R"({"duration": 1e400})"}) {
        const auto result = YouTubeVideoInfo::fromJson(bad, {});
        ASSERT_FALSE(result.ok()) << bad;
        EXPECT_EQ(result.error().kind(), YouTubeError::Kind::systemError);
    }
}

TEST(YouTubeService, AddressesStreamedItemsAndTheToolsEnvironment)
{
    for (const auto &[address, isYouTube] :
         {std::pair{"https://www.youtube.com/watch?v=abc", true}, {"https://youtu.be/abc", true},
          {"https://www.youtube.com/playlist?list=PL1", true}, {"https://youtube.com/shorts/x", true},
          {"https://music.youtube.com/browse/abc", true}, {"https://www.youtube.com/@channel", false},
          {"https://www.youtube.com/", false}, {"https://youtu.be", false},
          {"https://WWW.YOUTUBE.COM/watch?v=abc", false}, {"https://vimeo.com/watch", false}})
        EXPECT_EQ(YouTubeService::isYouTubeURL(QString::fromUtf8(address)), isYouTube) << address;

    YouTubeVideoInfo info;
    info.url = u"https://youtu.be/abc"_s;
    info.duration = 65;
    const QUrl file = QUrl::fromLocalFile(u"/p/LyraboxStream/Clip.v2.m4a"_s);
    const MediaItem audio = YouTubeService::makeStreamedItem(file, info, true);
    EXPECT_EQ(audio.title, u"Clip.v2"_s) << "untitled: the file's name";
    EXPECT_TRUE(audio.url == file && audio.duration == 65 && !audio.isVideo);
    EXPECT_EQ(audio.youtubeURL, info.url);

    QProcessEnvironment inherited;
    inherited.insert(u"PATH"_s, u"/a:/b"_s);
    inherited.insert(u"LANG"_s, u"C.UTF-8"_s);
    const QProcessEnvironment env = YouTubeService::runnerEnvironment(inherited);
    EXPECT_EQ(env.value(u"PATH"_s), u"/opt/homebrew/bin:/usr/local/bin:/a:/b"_s);
    EXPECT_EQ(env.value(u"LANG"_s), u"C.UTF-8"_s);
    EXPECT_EQ(YouTubeService::runnerEnvironment({}).value(u"PATH"_s), u"/opt/homebrew/bin:/usr/local/bin:/usr/bin:/bin"_s);
}

} // namespace
