// The item and URL orders of SmartSorter, and agreement of the key-based sorters with
// the pairwise reference on random corpora.
#include "util/SmartSorter.h"

#include "SortTestSupport.h"
#include "util/NaturalSortKeys.h"

#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace SortTestSupport;

namespace {

QList<QUuid> idsOf(const QList<MediaItem> &items)
{
    QList<QUuid> ids;
    for (const MediaItem &m : items)
        ids.append(m.id);
    return ids;
}

struct ItemCase
{
    const char *name;
    QList<MediaItem> input;
    QStringList expected;
};

class ItemOrder : public ::testing::TestWithParam<ItemCase>
{
};

TEST_P(ItemOrder, FollowsBatchRulesThenTitles)
{
    EXPECT_EQ(titlesOf(SmartSorter::sortMediaItems(GetParam().input)), GetParam().expected);
    EXPECT_EQ(titlesOf(SmartSorter::Pairwise::sortMediaItems(GetParam().input)),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ItemOrder,
    ::testing::Values(ItemCase{"OneBatchByIndexWhateverTheTitles",
                               {item(u"Alpha"_s, 3), item(u"Zulu"_s, 1), item(u"Mike"_s, 2)},
                               {u"Zulu"_s, u"Mike"_s, u"Alpha"_s}},
                      ItemCase{"SameAlbumIndexZeroFirst",
                               {item(u"Apple"_s, 5, u"Live"_s), item(u"Zebra"_s, 0, u"Live"_s)},
                               {u"Zebra"_s, u"Apple"_s}},
                      ItemCase{"SameAlbumIndexZeroAfterWhenOtherIsNegative",
                               {item(u"Apple"_s, 0, u"Live"_s), item(u"Zebra"_s, -1, u"Live"_s)},
                               {u"Zebra"_s, u"Apple"_s}},
                      ItemCase{"DifferentAlbumsByTitle",
                               {item(u"Zebra"_s, 0, u"Live"_s), item(u"Apple"_s, 5, u"Studio"_s)},
                               {u"Apple"_s, u"Zebra"_s}},
                      ItemCase{"EmptyAlbumsByTitle",
                               {item(u"Zebra"_s, 0), item(u"Apple"_s, 5)},
                               {u"Apple"_s, u"Zebra"_s}},
                      ItemCase{"AlbumsCompareExactly",
                               {item(u"Zebra"_s, 0, u"live"_s), item(u"Apple"_s, 5, u"Live"_s)},
                               {u"Apple"_s, u"Zebra"_s}},
                      ItemCase{"EqualIndexesByTitleEvenInOneAlbum",
                               {item(u"b"_s, 1, u"A"_s), item(u"a"_s, 1, u"A"_s)},
                               {u"a"_s, u"b"_s}},
                      ItemCase{"BatchesInterleaveByPosition",
                               {item(u"Yb"_s, 2), item(u"Xa"_s, 1), item(u"Xb"_s, 2),
                                item(u"كتاب"_s, 2), item(u"Ya"_s, 1)},
                               {u"Xa"_s, u"Ya"_s, u"كتاب"_s, u"Xb"_s, u"Yb"_s}}),
    SortTestSupport::CaseName());

TEST(SmartSorterStability, EqualTextsKeepTheirInputOrder)
{
    const QList<MediaItem> items = {item(u"abc"_s, 1), item(u"Zed"_s, 1), item(u"ABC"_s, 1),
                                    item(u"Abc"_s, 1), item(u"abc"_s, 1)};
    const QList<QUuid> in = idsOf(items);
    const QList<QUuid> expected = {in[0], in[2], in[3], in[4], in[1]};
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItems(items)), expected);
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItemsByText(items, &MediaItem::title)), expected);

    const QList<QUrl> urls = {QUrl::fromLocalFile(u"/y/Song.flac"_s),
                              QUrl::fromLocalFile(u"/x/song.mp3"_s),
                              QUrl::fromLocalFile(u"/a/Song.ogg"_s)};
    EXPECT_EQ(SmartSorter::sortURLs(urls), urls);
    const QList<QUrl> reversed(urls.rbegin(), urls.rend());
    EXPECT_EQ(SmartSorter::sortURLs(reversed), reversed);
}

TEST(SortURLs, OrdersByFileNameWithoutExtensionIgnoringFolders)
{
    const QUrl side1 = QUrl::fromLocalFile(u"/c/Side 1.flac"_s);
    const QUrl side2 = QUrl::fromLocalFile(u"/a/Side 2.mp3"_s);
    const QUrl side10 = QUrl::fromLocalFile(u"/b/Side 10.mp3"_s);
    const QUrl arabic = QUrl::fromLocalFile(u"/z/الفصل ٣.m4b"_s);
    EXPECT_EQ(SmartSorter::sortURLs({side10, side2, arabic, side1}),
              (QList<QUrl>{arabic, side1, side2, side10}));
    EXPECT_TRUE(SmartSorter::sortURLs({}).isEmpty());
}

TEST(SortByMoving, LeavesOtherSharersOfTheListUntouched)
{
    const QList<MediaItem> original = {item(u"c"_s), item(u"a"_s), item(u"b"_s)};
    QList<MediaItem> shared = original; // shares the items' storage
    const QList<MediaItem> sorted = SmartSorter::sortMediaItems(std::move(shared));
    EXPECT_EQ(titlesOf(sorted), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    EXPECT_EQ(titlesOf(original), (QStringList{u"c"_s, u"a"_s, u"b"_s}));

    QList<MediaItem> own = original;
    own.detach();
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItemsByText(std::move(own), &MediaItem::title)),
              idsOf(sorted));
}

// Key order must be naturalLessThan exactly, pair by pair.
TEST(KeysAgreeWithPairwise, OnEveryPairOfRandomTexts)
{
    RandomTexts random(1);
    const QStringList texts = random.take(300);
    const std::vector<QStringView> views(texts.begin(), texts.end());
    const NaturalSortKeys keys(views);
    int disagreements = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        for (qsizetype j = 0; j < texts.size(); ++j) {
            if ((keys.ref(i) < keys.ref(j)) != naturalLessThan(texts[i], texts[j]) &&
                ++disagreements <= 5)
                ADD_FAILURE() << "keys and naturalLessThan disagree on \"" << texts[i].toStdString()
                              << "\" vs \"" << texts[j].toStdString() << "\"";
        }
    }
    EXPECT_EQ(disagreements, 0);
}

// A library-sized random corpus, large enough for keys to be computed on two threads:
// every sorter must give the pairwise order, including across batches where the item
// rule is not a strict weak ordering and the result depends on every single answer.
TEST(KeysAgreeWithPairwise, OnALargeRandomLibrary)
{
    RandomTexts random(2);
    const int count = int(NaturalSortKeys::kParallelThreshold) + 2000;
    static const QString albums[] = {QString(), QString(), u"Live"_s, u"live"_s, u"ألبوم"_s};
    QList<MediaItem> items;
    QList<QUrl> urls;
    qint64 batchIndex = 0;
    for (int i = 0; i < count; ++i) {
        batchIndex = random.pick(20) == 0 ? 1 : batchIndex + 1;
        MediaItem m = item(random.next(), random.pick(15) == 0 ? 0 : batchIndex,
                           albums[random.pick(std::size(albums))]);
        m.artist = random.next();
        urls.append(QUrl::fromLocalFile(u"/lib/%1/"_s.arg(random.pick(4)) + m.title + u".mp3"_s));
        items.append(m);
    }

    const QList<QUuid> pairwise = idsOf(SmartSorter::Pairwise::sortMediaItems(items));
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItems(items)), pairwise);
    QList<MediaItem> moved = items;
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItems(std::move(moved))), pairwise);
    for (QString MediaItem::*field : {&MediaItem::title, &MediaItem::artist})
        EXPECT_EQ(idsOf(SmartSorter::sortMediaItemsByText(items, field)),
                  idsOf(SmartSorter::Pairwise::sortMediaItemsByText(items, field)));
    EXPECT_EQ(SmartSorter::sortURLs(urls), SmartSorter::Pairwise::sortURLs(urls));
}

} // namespace
