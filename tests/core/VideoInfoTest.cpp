#include "core/YouTubeService.h"
#include "models/YouTubeVideoInfo.h"

#include <QUuid>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

YouTubeVideoInfo parsed(const QByteArray &json)
{
    const auto result = YouTubeVideoInfo::fromJson(json, u"https://example.test/v"_s);
    if (!result.ok())
        ADD_FAILURE() << result.error().description().toStdString();
    return result.ok() ? result.value() : YouTubeVideoInfo{};
}

TEST(YouTubeVideoInfo, MissingOrMistypedKeysTakeTheirDefaults)
{
    const std::pair<QByteArray, QString> cases[] = {
        {R"({"title": "Only"})", u"Only"_s},
        {"{}", u"Unknown"_s},
        {R"({"id": 7, "title": ["x"], "duration": "212", "thumbnail": "not a url",
             "uploader": null, "description": 3, "formats": {"a": 1}})",
         u"Unknown"_s},
        {R"({"formats": [{"format_id": "a"}, 3], "duration": -4})", u"Unknown"_s},
    };
    for (const auto &[json, title] : cases) {
        SCOPED_TRACE(json.toStdString());
        const YouTubeVideoInfo info = parsed(json);
        EXPECT_EQ(info.title, title);
        EXPECT_FALSE(QUuid::fromString(info.id).isNull()) << info.id.toStdString();
        EXPECT_EQ(info.duration, 0);
        EXPECT_FALSE(info.thumbnail);
        EXPECT_TRUE(info.uploader.isEmpty());
        EXPECT_TRUE(info.description.isEmpty());
        EXPECT_TRUE(info.formats.isEmpty());
        EXPECT_EQ(info.url, u"https://example.test/v"_s);
    }
    EXPECT_EQ(parsed(R"({"duration": 12.5})").duration, 12.5);
}

TEST(YouTubeVideoInfo, FormatsKeepOrderAndFallBackPerKey)
{
    const YouTubeVideoInfo info = parsed(R"({"thumbnail": "http://127.0.0.1/t.jpg", "formats": [
        {"format_id": "137", "ext": "mp4", "format_note": "1080p", "format": "137 - 1080p",
         "filesize": 5000, "vcodec": "avc1"},
        {"format_id": "140", "ext": "m4a", "format": "140 - audio", "filesize": null,
         "filesize_approx": 1000, "vcodec": "none"},
        {"format_id": "x", "filesize": 12.5, "vcodec": 3},
        {"filesize": 1e300, "filesize_approx": -1}
    ]})");
    EXPECT_EQ(info.thumbnail, QUrl(u"http://127.0.0.1/t.jpg"_s));
    ASSERT_EQ(info.formats.size(), 4);
    EXPECT_EQ(info.formats[0].id, u"137"_s);
    EXPECT_EQ(info.formats[0].quality, u"1080p"_s);
    EXPECT_EQ(info.formats[0].filesize, 5000);
    EXPECT_FALSE(info.formats[0].isAudioOnly);
    EXPECT_EQ(info.formats[1].quality, u"140 - audio"_s);
    EXPECT_EQ(info.formats[1].filesize, 1000);
    EXPECT_TRUE(info.formats[1].isAudioOnly);
    EXPECT_FALSE(info.formats[2].filesize);
    EXPECT_TRUE(info.formats[2].isAudioOnly);
    EXPECT_TRUE(info.formats[3].quality.isEmpty());
    EXPECT_FALSE(info.formats[3].filesize);
}

TEST(YouTubeVideoInfo, OutputThatIsNoObjectFails)
{
    const auto array = YouTubeVideoInfo::fromJson("[1, 2]", {});
    ASSERT_FALSE(array.ok());
    EXPECT_EQ(array.error().description(), u"Failed to parse video information"_s);

    for (const QByteArray &bad : {QByteArray("not json"), QByteArray(""),
                                  QByteArray("\xff\xfe{\"title\": \"x\"}"),
                                  QByteArray(R"({"duration": Infinity})"),
                                  QByteArray(R"({"duration": 1e400})")}) {
        const auto result = YouTubeVideoInfo::fromJson(bad, {});
        ASSERT_FALSE(result.ok()) << bad.toStdString();
        EXPECT_EQ(result.error().kind(), YouTubeError::Kind::systemError);
        EXPECT_FALSE(result.error().description().isEmpty());
    }
}

struct AddressCase
{
    const char *text;
    bool isYouTube;
};

class YouTubeAddress : public testing::TestWithParam<AddressCase>
{
};

TEST_P(YouTubeAddress, Recognised)
{
    EXPECT_EQ(YouTubeService::isYouTubeURL(QString::fromUtf8(GetParam().text)),
              GetParam().isYouTube);
}

INSTANTIATE_TEST_SUITE_P(
    YouTubeService, YouTubeAddress,
    testing::Values(AddressCase{"https://www.youtube.com/watch?v=abc", true},
                    AddressCase{"https://youtu.be/abc", true},
                    AddressCase{"https://www.youtube.com/playlist?list=PL1", true},
                    AddressCase{"https://youtube.com/shorts/xyz", true},
                    AddressCase{"https://music.youtube.com/browse/abc", true},
                    AddressCase{"https://www.youtube.com/@channel", false},
                    AddressCase{"https://www.youtube.com/", false},
                    AddressCase{"https://youtu.be", false},
                    AddressCase{"https://WWW.YOUTUBE.COM/watch?v=abc", false},
                    AddressCase{"https://vimeo.com/watch", false}));

TEST(YouTubeService, StreamedItemTakesTheVideosFieldsAndTheFileNameWhenUntitled)
{
    YouTubeVideoInfo info;
    info.title = u"Talk"_s;
    info.uploader = u"Someone"_s;
    info.duration = 65;
    info.url = u"https://youtu.be/abc"_s;
    const QUrl file = QUrl::fromLocalFile(u"/p/LyraboxStream/Clip.v2.m4a"_s);

    const MediaItem audio = YouTubeService::makeStreamedItem(file, info, true);
    EXPECT_EQ(audio.url, file);
    EXPECT_EQ(audio.title, u"Talk"_s);
    EXPECT_EQ(audio.artist, u"Someone"_s);
    EXPECT_EQ(audio.duration, 65);
    EXPECT_FALSE(audio.isVideo);
    EXPECT_EQ(audio.youtubeURL, info.url);

    info.title.clear();
    const MediaItem video = YouTubeService::makeStreamedItem(file, info, false);
    EXPECT_EQ(video.title, u"Clip.v2"_s);
    EXPECT_TRUE(video.isVideo);
    EXPECT_NE(video.id, audio.id);
}

TEST(YouTubeService, RunnerPathPutsHomebrewDirectoriesFirst)
{
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
