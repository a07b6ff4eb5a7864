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

TEST(YouTubeVideoInfo, MissingOrMistypedKeysTakeTheirDefaults)
{
    for (const QByteArray &json : {QByteArray("{}"), QByteArray(R"({"id": 7, "title": ["x"],
             "duration": "212", "thumbnail": "not a url", "uploader": null, "description": 3,
             "formats": {"a": 1}})"), QByteArray(R"({"formats": [3], "duration": -4})")}) {
        const YouTubeVideoInfo info = parsed(json);
        EXPECT_EQ(info.title, u"Unknown"_s);
        EXPECT_FALSE(QUuid::fromString(info.id).isNull()) << info.id.toStdString();
        EXPECT_EQ(info.duration, 0);
        EXPECT_FALSE(info.thumbnail);
        EXPECT_TRUE(info.uploader.isEmpty() && info.description.isEmpty() && info.formats.isEmpty());
        EXPECT_EQ(info.url, u"https://example.test/v"_s);
    }
    EXPECT_EQ(parsed(R"({"duration": 12.5})").duration, 12.5);
}

TEST(YouTubeVideoInfo, FormatsKeepOrderAndFallBackPerKey)
{
    const YouTubeVideoInfo info = parsed(R"({"thumbnail": "http://127.0.0.1/t.jpg", "formats": [
        {"format_id": "137", "format_note": "1080p", "format": "137 - 1080p", "filesize": 5000,
         "vcodec": "avc1"},
        {"format": "140 - audio", "filesize": null, "filesize_approx": 1000, "vcodec": "none"},
        {"filesize": 1e300, "filesize_approx": -1, "vcodec": 3}]})");
    EXPECT_EQ(info.thumbnail, QUrl(u"http://127.0.0.1/t.jpg"_s));
    ASSERT_EQ(info.formats.size(), 3);
    QStringList seen;
    for (const auto &format : info.formats)
        seen << format.id + u'|' + format.quality + u'|' + QString::number(format.filesize.value_or(-1))
                    + u'|' + (format.isAudioOnly ? u"audio"_s : u"video"_s);
    EXPECT_EQ(seen, (QStringList{u"137|1080p|5000|video"_s, u"|140 - audio|1000|audio"_s,
                                 u"||-1|audio"_s}));
}

TEST(YouTubeVideoInfo, OutputThatIsNoObjectFails)
{
    EXPECT_EQ(YouTubeVideoInfo::fromJson("[1, 2]", {}).error().description(),
              u"Failed to parse video information"_s);
    for (const QByteArray &bad : {QByteArray("not json"), QByteArray("\xff\xfe{}"),
                                  QByteArray(R"({"duration": Infinity})"),
                                  QByteArray(R"({"duration": 1e400})")}) {
        const auto result = YouTubeVideoInfo::fromJson(bad, {});
        ASSERT_FALSE(result.ok()) << bad.toStdString();
        EXPECT_EQ(result.error().kind(), YouTubeError::Kind::systemError);
    }
}

TEST(YouTubeService, AddressesStreamedItemsAndTheToolsSearchPath)
{
    for (const auto &[address, isYouTube] :
         {std::pair{"https://www.youtube.com/watch?v=abc", true}, {"https://youtu.be/abc", true},
          {"https://www.youtube.com/playlist?list=PL1", true}, {"https://youtube.com/shorts/x", true},
          {"https://music.youtube.com/browse/abc", true}, {"https://www.youtube.com/@channel", false},
          {"https://www.youtube.com/", false}, {"https://youtu.be", false},
          {"https://WWW.YOUTUBE.COM/watch?v=abc", false}, {"https://vimeo.com/watch", false}})
        EXPECT_EQ(YouTubeService::isYouTubeURL(QString::fromUtf8(address)), isYouTube) << address;

    YouTubeVideoInfo info;
    info.title = u"Talk"_s;
    info.uploader = u"Someone"_s;
    info.duration = 65;
    info.url = u"https://youtu.be/abc"_s;
    const QUrl file = QUrl::fromLocalFile(u"/p/LyraboxStream/Clip.v2.m4a"_s);
    const MediaItem audio = YouTubeService::makeStreamedItem(file, info, true);
    EXPECT_EQ(QStringList({audio.url.toLocalFile(), audio.title, audio.artist, audio.youtubeURL.value_or(QString())}),
              QStringList({file.toLocalFile(), u"Talk"_s, u"Someone"_s, info.url}));
    EXPECT_EQ(audio.duration, 65);
    EXPECT_FALSE(audio.isVideo);
    info.title.clear(); // untitled: the file's name
    const MediaItem video = YouTubeService::makeStreamedItem(file, info, false);
    EXPECT_EQ(video.title, u"Clip.v2"_s);
    EXPECT_TRUE(video.isVideo);

    QProcessEnvironment inherited;
    inherited.insert(u"PATH"_s, u"/a:/b"_s);
    inherited.insert(u"LANG"_s, u"C.UTF-8"_s);
    const QProcessEnvironment env = YouTubeService::runnerEnvironment(inherited);
    EXPECT_EQ(env.value(u"PATH"_s), u"/opt/homebrew/bin:/usr/local/bin:/a:/b"_s);
    EXPECT_EQ(env.value(u"LANG"_s), u"C.UTF-8"_s);
    EXPECT_EQ(YouTubeService::runnerEnvironment({}).value(u"PATH"_s),
              u"/opt/homebrew/bin:/usr/local/bin:/usr/bin:/bin"_s);
}

} // namespace
