// MediaItemFactory::fromURL and chapter extraction against a scripted asset: the rules that real files
// cannot easily produce (failed loads, NaN lengths, several entries under one key,
// chapter languages).
#include "TestItems.h"
#include "models/MediaAsset.h"
#include "core/MediaItemFactory.h"
#include "models/MediaItem.h"
#include "util/ChapterExtractor.h"

#include <QBuffer>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

using Entry = MediaAsset::MetadataEntry;
using Key = MediaAsset::CommonKey;
using Group = MediaAsset::ChapterGroup;

class FakeAsset : public MediaAsset
{
public:
    std::optional<double> duration = 10.0;
    std::optional<QList<Entry>> metadata = QList<Entry>{};
    std::optional<QStringList> locales = QStringList{};
    std::optional<QList<Group>> groups = QList<Group>{};
    bool video = false;
    // The language lists loadChapterGroups was asked with, in call order.
    mutable QList<QStringList> groupRequests;

    std::optional<double> loadDuration() const override { return duration; }
    std::optional<QList<Entry>> loadCommonMetadata() const override { return metadata; }
    std::optional<QStringList> loadChapterLocales() const override { return locales; }
    std::optional<QList<Group>> loadChapterGroups(const QStringList &preferred) const override
    {
        groupRequests.append(preferred);
        return groups;
    }
    bool hasVideoTrack() const override { return video; }
};

Entry text(Key key, std::optional<QString> value)
{
    return {key, std::move(value), std::nullopt};
}

Entry picture(std::optional<QByteArray> bytes)
{
    return {Key::Artwork, std::nullopt, std::move(bytes)};
}

QByteArray pngOfWidth(int width)
{
    QImage image(width, 4, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

const QUrl bookUrl = QUrl::fromLocalFile(u"/nonexistent/Audio/Book.Part.2.m4b"_s);

QStringList titles(const QList<Chapter> &chapters)
{
    return TestItems::titlesOf(chapters);
}

} // namespace

TEST(FromUrlWithAsset, MetadataWalkKeepsTheLastUsableEntryPerKey)
{
    FakeAsset asset;
    asset.metadata = QList<Entry>{
        text(Key::Title, u"First"_s),    text(Key::Title, u"Second"_s),
        text(Key::Title, u""_s),         text(Key::Title, std::nullopt),
        text(Key::Artist, u"Band"_s),    text(Key::Artist, u""_s),
        text(Key::AlbumName, u"Kept"_s), text(Key::AlbumName, std::nullopt),
    };
    const MediaItem item = MediaItemFactory::fromURL(bookUrl, 7, asset);
    EXPECT_EQ(item.title, u"Second"_s) << "empty or missing titles never replace one";
    EXPECT_EQ(item.artist, u""_s) << "an empty artist is a value";
    EXPECT_EQ(item.album, u"Kept"_s);
    EXPECT_EQ(item.sortIndex, 7);
    EXPECT_FALSE(item.isVideo);
    EXPECT_EQ(item.fileSize, 0) << "a file that is not there has no size";

    asset.metadata = QList<Entry>{text(Key::Title, u""_s)};
    EXPECT_EQ(MediaItemFactory::fromURL(bookUrl, 0, asset).title, u"Book.Part.2"_s);
}

TEST(FromUrlWithAsset, ArtworkIsTheLastEntryThatDecodes)
{
    const QByteArray wide = pngOfWidth(9);
    const QByteArray narrow = pngOfWidth(3);
    FakeAsset asset;
    asset.metadata =
        QList<Entry>{picture(wide), picture(narrow), picture(QByteArray("not a picture")),
                     picture(std::nullopt), picture(QByteArray())};
    const MediaItem item = MediaItemFactory::fromURL(bookUrl, 0, asset);
    EXPECT_EQ(item.artwork, narrow);

    asset.metadata = QList<Entry>{picture(QByteArray("\x89PNG garbage"))};
    EXPECT_FALSE(MediaItemFactory::fromURL(bookUrl, 0, asset).hasArtwork());
}

TEST(FromUrlWithAsset, FailedLoadsDegradeTheRecordStepByStep)
{
    FakeAsset asset;
    asset.metadata = QList<Entry>{text(Key::Title, u"Tagged"_s)};
    asset.groups = QList<Group>{{0, 5, {u"Intro"_s}}};

    asset.duration = std::nullopt;
    MediaItem item = MediaItemFactory::fromURL(bookUrl, 0, asset);
    EXPECT_EQ(item.title, u"Book.Part.2"_s);
    EXPECT_EQ(item.duration, 0);
    EXPECT_TRUE(item.chapters.isEmpty());

    asset.duration = 42.5;
    asset.metadata = std::nullopt;
    item = MediaItemFactory::fromURL(bookUrl, 0, asset);
    EXPECT_EQ(item.title, u"Book.Part.2"_s);
    EXPECT_EQ(item.duration, 42.5);
    EXPECT_TRUE(item.chapters.isEmpty()) << "no chapters once the metadata load fails";

    asset.metadata = QList<Entry>{};
    asset.groups = QList<Group>{};
    asset.duration = std::numeric_limits<double>::quiet_NaN();
    item = MediaItemFactory::fromURL(bookUrl, 0, asset);
    EXPECT_EQ(item.duration, 0);
    EXPECT_TRUE(item.chapters.isEmpty()) << "no whole-file chapter without a length";
}

TEST(ChapterExtraction, GroupsBecomeChaptersSortedByStartKeepingFileIndexes)
{
    FakeAsset asset;
    asset.groups = QList<Group>{
        {120, 60, {std::nullopt, u""_s, u"Third in time"_s, u"ignored"_s}},
        {0, 60, {}},
        {60, 60, {u""_s}},
        {0, 30, {u"Same start, later index"_s}},
    };
    const QList<Chapter> chapters = ChapterExtractor::extractChapters(asset, bookUrl, {u"en"_s});
    ASSERT_EQ(chapters.size(), 4);
    EXPECT_EQ(titles(chapters), (QStringList{u"Chapter 2"_s, u"Same start, later index"_s,
                                             u"Chapter 3"_s, u"Third in time"_s}));
    EXPECT_EQ(chapters[0].index, 1);
    EXPECT_EQ(chapters[1].index, 3);
    EXPECT_EQ(chapters[2].index, 2);
    EXPECT_EQ(chapters[3].index, 0);
    EXPECT_EQ(chapters[3].startTime, 120);
    EXPECT_EQ(chapters[3].endTime, 180);
    EXPECT_NE(chapters[0].id, chapters[1].id);
}

TEST(ChapterExtraction, TheFilesChapterLanguagesWinOverTheUsersOnes)
{
    FakeAsset asset;
    asset.groups = QList<Group>{{0, 10, {u"Opening"_s}}};
    const QStringList preferred{u"ar-EG"_s, u"en"_s};
    EXPECT_EQ(titles(ChapterExtractor::extractChapters(asset, bookUrl, preferred)),
              QStringList{u"Opening"_s});
    asset.locales = QStringList{u"fr"_s, u"en"_s};
    ChapterExtractor::extractChapters(asset, bookUrl, preferred);
    EXPECT_EQ(asset.groupRequests, (QList<QStringList>{preferred, QStringList{u"fr"_s}}));
}

TEST(ChapterExtraction, WholeFileChapterOnlyWhenNothingElseIsFound)
{
    FakeAsset asset;
    asset.duration = 600.5;
    const auto expectWholeFile = [&](const char *why) {
        const QList<Chapter> chapters = ChapterExtractor::extractChapters(asset, bookUrl, {});
        ASSERT_EQ(chapters.size(), 1) << why;
        EXPECT_EQ(chapters[0].title, u"Book.Part.2"_s) << why;
        EXPECT_EQ(chapters[0].startTime, 0) << why;
        EXPECT_EQ(chapters[0].endTime, 600.5) << why;
        EXPECT_EQ(chapters[0].index, 0) << why;
    };
    expectWholeFile("no groups");

    // Languages listed but no groups for the first one: the user's languages are not
    // tried, since the file does name its languages.
    asset.locales = QStringList{u"en"_s};
    asset.groupRequests.clear();
    expectWholeFile("empty groups for the file's language");
    EXPECT_EQ(asset.groupRequests.size(), 1);

    asset.locales = std::nullopt;
    asset.groups = QList<Group>{{0, 10, {u"Unreachable"_s}}};
    asset.groupRequests.clear();
    expectWholeFile("locales cannot be loaded");
    EXPECT_TRUE(asset.groupRequests.isEmpty());

    asset.locales = QStringList{};
    asset.groups = std::nullopt;
    expectWholeFile("groups cannot be loaded");

    for (std::optional<double> none : {std::optional<double>(), std::optional<double>(0.0),
                                       std::optional<double>(std::nan(""))}) {
        asset.duration = none;
        EXPECT_TRUE(ChapterExtractor::extractChapters(asset, bookUrl, {}).isEmpty());
    }
}
