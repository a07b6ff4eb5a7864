// The item and URL orders of SmartSorter, and agreement of the key-based sorters with
// the pairwise reference on random corpora.
#include "SortTestSupport.h"
#include "util/NaturalSortKeys.h"

#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace SortTestSupport;
using TestItems::makeItem;

namespace {

QList<QUuid> idsOf(const QList<MediaItem> &items)
{
    QList<QUuid> ids;
    for (const MediaItem &m : items)
        ids.append(m.id);
    return ids;
}

TEST(SmartSorter, ItemsFollowBatchRulesThenTitles)
{
    const std::pair<QList<MediaItem>, QStringList> cases[] = {
        // One batch by index, whatever the titles.
        {{makeItem(u"Alpha"_s, 3), makeItem(u"Zulu"_s, 1), makeItem(u"Mike"_s, 2)},
         {u"Zulu"_s, u"Mike"_s, u"Alpha"_s}},
        // In one album index 0 goes first, but after a negative index.
        {{makeItem(u"Apple"_s, 5, u"Live"_s), makeItem(u"Zebra"_s, 0, u"Live"_s)},
         {u"Zebra"_s, u"Apple"_s}},
        {{makeItem(u"Apple"_s, 0, u"Live"_s), makeItem(u"Zebra"_s, -1, u"Live"_s)},
         {u"Zebra"_s, u"Apple"_s}},
        // Other (or no, or differently cased) albums, or equal indexes: by title.
        {{makeItem(u"Zebra"_s, 0, u"Live"_s), makeItem(u"Apple"_s, 5, u"Studio"_s)},
         {u"Apple"_s, u"Zebra"_s}},
        {{makeItem(u"Zebra"_s, 0), makeItem(u"Apple"_s, 5)}, {u"Apple"_s, u"Zebra"_s}},
        {{makeItem(u"Zebra"_s, 0, u"live"_s), makeItem(u"Apple"_s, 5, u"Live"_s)},
         {u"Apple"_s, u"Zebra"_s}},
        {{makeItem(u"b"_s, 1, u"A"_s), makeItem(u"a"_s, 1, u"A"_s)}, {u"a"_s, u"b"_s}},
        // Batches interleave by position.
        {{makeItem(u"Yb"_s, 2), makeItem(u"Xa"_s, 1), makeItem(u"Xb"_s, 2), makeItem(u"كتاب"_s, 2),
          makeItem(u"Ya"_s, 1)},
         {u"Xa"_s, u"Ya"_s, u"كتاب"_s, u"Xb"_s, u"Yb"_s}}};
    for (const auto &[input, expected] : cases) {
        SCOPED_TRACE(expected.join(u' ').toStdString());
        EXPECT_EQ(titlesOf(SmartSorter::sortMediaItems(input)), expected);
        EXPECT_EQ(titlesOf(SmartSorter::Pairwise::sortMediaItems(input)), expected);
    }
}

TEST(SmartSorter, EqualTextsKeepTheirInputOrderAndURLsSortByFileName)
{
    const QList<MediaItem> items = {makeItem(u"abc"_s, 1), makeItem(u"Zed"_s, 1),
                                    makeItem(u"ABC"_s, 1), makeItem(u"Abc"_s, 1),
                                    makeItem(u"abc"_s, 1)};
    const QList<QUuid> in = idsOf(items);
    const QList<QUuid> expected = {in[0], in[2], in[3], in[4], in[1]};
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItems(items)), expected);
    EXPECT_EQ(idsOf(SmartSorter::sortMediaItemsByText(items, &MediaItem::title)), expected);

    // Without extension and folder; equal names keep their order.
    const auto url = [](const QString &path) { return QUrl::fromLocalFile(path); };
    EXPECT_EQ(SmartSorter::sortURLs({url(u"/b/Side 10.mp3"_s), url(u"/y/side 2.flac"_s),
                                     url(u"/z/الفصل ٣.m4b"_s), url(u"/x/Side 2.mp3"_s),
                                     url(u"/c/Side 1.ogg"_s)}),
              (QList<QUrl>{url(u"/z/الفصل ٣.m4b"_s), url(u"/c/Side 1.ogg"_s),
                           url(u"/y/side 2.flac"_s), url(u"/x/Side 2.mp3"_s),
                           url(u"/b/Side 10.mp3"_s)}));
}

TEST(SmartSorter, SortingByMoveLeavesOtherSharersOfTheListUntouched)
{
    const QList<MediaItem> original = {makeItem(u"c"_s), makeItem(u"a"_s), makeItem(u"b"_s)};
    QList<MediaItem> shared = original; // shares the items' storage
    EXPECT_EQ(titlesOf(SmartSorter::sortMediaItems(std::move(shared))),
              (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    EXPECT_EQ(titlesOf(original), (QStringList{u"c"_s, u"a"_s, u"b"_s}));
}

// Key order must be naturalLessThan exactly, pair by pair.
TEST(KeysAgreeWithPairwise, OnEveryPairOfRandomTexts)
{
    RandomTexts random(1);
    QStringList texts;
    for (int i = 0; i < 300; ++i)
        texts.append(random.next());
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
    static const QString albums[] = {QString(), QString(), u"Live"_s, u"live"_s, u"ألبوم"_s};
    QList<MediaItem> items;
    QList<QUrl> urls;
    qint64 batchIndex = 0;
    for (int i = 0; i < int(NaturalSortKeys::kParallelThreshold) + 2000; ++i) {
        batchIndex = random.pick(20) == 0 ? 1 : batchIndex + 1;
        items.append(makeItem(random.next(), random.pick(15) == 0 ? 0 : batchIndex,
                              albums[random.pick(std::size(albums))]));
        items.last().artist = random.next();
        urls.append(QUrl::fromLocalFile(u"/lib/%1/"_s.arg(random.pick(4)) + items.last().title + u".mp3"_s));
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
