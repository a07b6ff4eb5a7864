// Records and chapters from a scripted asset: the rules that real files cannot easily
// produce (failed loads, NaN lengths, several entries under one key, unnamed chapters).
#include "core/MediaItemFactory.h"

#include "models/MediaAsset.h"
#include "util/ChapterExtractor.h"

#include <QBuffer>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Entry = MediaAsset::MetadataEntry;
using Key = MediaAsset::CommonKey;
using Group = MediaAsset::ChapterGroup;

class FakeAsset : public MediaAsset
{
public:
    std::optional<double> duration = 600.5;
    std::optional<QList<Entry>> metadata = QList<Entry>{};
    std::optional<QStringList> locales = QStringList{};
    std::optional<QList<Group>> groups = QList<Group>{};

    std::optional<double> loadDuration() const override { return duration; }
    std::optional<QList<Entry>> loadCommonMetadata() const override { return metadata; }
    std::optional<QStringList> loadChapterLocales() const override { return locales; }
    std::optional<QList<Group>> loadChapterGroups(const QStringList &) const override
    {
        return groups;
    }
    bool hasVideoTrack() const override { return false; }
};

QByteArray png(int width)
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

// "index title start-end" of each chapter extracted.
QStringList chaptersOf(const FakeAsset &asset)
{
    QStringList seen;
    for (const Chapter &c : ChapterExtractor::extractChapters(asset, bookUrl, {u"en"_s}))
        seen << u"%1 %2 %3-%4"_s.arg(c.index).arg(c.title).arg(c.startTime).arg(c.endTime);
    return seen;
}

TEST(MediaItemFactory, MetadataWalkKeepsTheLastUsableEntryPerKey)
{
    FakeAsset asset;
    const auto text = [](Key key, std::optional<QString> value) {
        return Entry{key, std::move(value), std::nullopt};
    };
    asset.metadata = QList<Entry>{
        text(Key::Title, u"First"_s),    text(Key::Title, u"Second"_s),
        text(Key::Title, u""_s),         text(Key::Title, std::nullopt),
        text(Key::Artist, u"Band"_s),    text(Key::Artist, u""_s),
        text(Key::AlbumName, u"Kept"_s), text(Key::AlbumName, std::nullopt),
        // Artwork: the last picture that decodes.
        {Key::Artwork, {}, png(9)}, {Key::Artwork, {}, png(3)}, {Key::Artwork, {}, "no picture"},
        {Key::Artwork, {}, std::nullopt}, {Key::Artwork, {}, QByteArray()}};
    const MediaItem item = MediaItemFactory::fromURL(bookUrl, 7, asset);
    EXPECT_EQ(item.title, u"Second"_s) << "empty or missing titles never replace one";
    EXPECT_EQ(item.artist, u""_s) << "an empty artist is a value";
    EXPECT_TRUE(item.album == u"Kept"_s && item.sortIndex == 7);
    EXPECT_EQ(item.artwork, png(3));
    EXPECT_EQ(item.fileSize, 0) << "a file that is not there has no size";

    asset.metadata = QList<Entry>{text(Key::Title, u""_s), {Key::Artwork, {}, "\x89PNG garbage"}};
    EXPECT_EQ(MediaItemFactory::fromURL(bookUrl, 0, asset).title, u"Book.Part.2"_s);
    EXPECT_FALSE(MediaItemFactory::fromURL(bookUrl, 0, asset).hasArtwork());
}

// Unnamed chapters are numbered by their place in the file and sorted by start; the
// whole file is one chapter when nothing else can be found, if it has a length.
TEST(ChapterExtraction, GroupsBecomeChaptersElseTheWholeFileIsOne)
{
    FakeAsset asset;
    asset.groups = QList<Group>{{120, 60, {std::nullopt, u""_s, u"Third in time"_s, u"x"_s}},
                                {0, 60, {}},
                                {60, 60, {u""_s}},
                                {0, 30, {u"Same start, later index"_s}}};
    EXPECT_EQ(chaptersOf(asset),
              (QStringList{u"1 Chapter 2 0-60"_s, u"3 Same start, later index 0-30"_s,
                           u"2 Chapter 3 60-120"_s, u"0 Third in time 120-180"_s}));

    const QStringList wholeFile{u"0 Book.Part.2 0-600.5"_s};
    asset.locales = std::nullopt;
    EXPECT_EQ(chaptersOf(asset), wholeFile) << "locales cannot be loaded";
    asset.locales = QStringList{u"fr"_s};
    asset.groups = std::nullopt;
    EXPECT_EQ(chaptersOf(asset), wholeFile) << "groups cannot be loaded";
    asset.groups = QList<Group>{};
    EXPECT_EQ(chaptersOf(asset), wholeFile) << "no groups in the file's language";
    for (const std::optional<double> none : {std::optional<double>(), {0.0}, {std::nan("")}}) {
        asset.duration = none;
        EXPECT_EQ(chaptersOf(asset), QStringList());
    }
}

} // namespace
