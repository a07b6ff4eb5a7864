#include "SmartSorter.h"

#include "MergeSort.h"
#include "NaturalCollator.h"
#include "NaturalSortKeys.h"
#include "RTLSupport.h"

#include <vector>

namespace {

// A sorted order: result position k holds the element at position order[k] of the input.
using Order = std::vector<uint32_t>;

// The batch rules of the item order, tried before the titles: two different non-zero
// sort indexes, or one index 0 and the other not within the same non-empty album,
// order by index. Returns true and sets `result` when they decide the pair. The album
// test runs only when it matters (the indexes differ and one of them is 0).
template <typename SameAlbum>
inline bool batchRule(qint64 x, qint64 y, SameAlbum sameAlbum, bool &result)
{
    if (x == y)
        return false;
    if ((x != 0 && y != 0) || sameAlbum()) {
        result = x < y;
        return true;
    }
    return false;
}

bool sameNonEmptyAlbum(const MediaItem &x, const MediaItem &y)
{
    return !x.album.isEmpty() && x.album == y.album;
}

template <typename T> QList<T> copiedInOrder(const QList<T> &list, const Order &order)
{
    QList<T> result;
    result.reserve(list.size());
    for (uint32_t i : order)
        result.append(list[i]);
    return result;
}

// Moves the elements of `list` into a new list in `order`: no element is copied, so no
// shared text or picture is touched. The reads jump around the list, so upcoming
// elements are prefetched; the writes run straight through the new list.
template <typename T> QList<T> movedInOrder(QList<T> &&list, const Order &order)
{
    constexpr size_t kAhead = 8;
    T *data = list.data(); // detaches a shared list, which then copies once
    QList<T> result;
    result.reserve(list.size());
    for (size_t k = 0; k < order.size(); ++k) {
        if (k + kAhead < order.size()) {
            const char *next = reinterpret_cast<const char *>(data + order[k + kAhead]);
            for (size_t line = 0; line < sizeof(T); line += 64)
                __builtin_prefetch(next + line);
        }
        result.append(std::move(data[order[k]]));
    }
    return result;
}

Order identity(qsizetype count)
{
    Order order(static_cast<size_t>(count));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = uint32_t(i);
    return order;
}

QList<QString> fileNames(const QList<QUrl> &urls)
{
    QList<QString> names;
    names.reserve(urls.size());
    for (const QUrl &url : urls)
        names.append(MediaItem::titleFromURL(url));
    return names;
}

// --- Key-based orders ------------------------------------------------------------------
//
// Each text is classified and turned into a sort key once (NaturalSortKeys); the merge
// sort then moves small records holding the key's head inline, so most comparisons are
// one integer comparison that touches neither the items nor the key bytes.

Order textOrder(const std::vector<QStringView> &texts, bool grouped = true)
{
    const NaturalSortKeys keys(texts, grouped);
    std::vector<NaturalSortKeys::Ref> refs(texts.size());
    for (size_t i = 0; i < refs.size(); ++i)
        refs[i] = keys.ref(qsizetype(i));
    MergeSort::sort(
        refs, [](const NaturalSortKeys::Ref &x, const NaturalSortKeys::Ref &y) { return x < y; });
    Order order(refs.size());
    for (size_t i = 0; i < refs.size(); ++i)
        order[i] = refs[i].index;
    return order;
}

Order fieldOrder(const QList<MediaItem> &items, QString MediaItem::*field)
{
    std::vector<QStringView> texts;
    texts.reserve(size_t(items.size()));
    for (const MediaItem &item : items)
        texts.emplace_back(item.*field);
    return textOrder(texts);
}

struct ItemRecord
{
    NaturalSortKeys::Ref title;
    qint64 sortIndex;
};

Order itemOrder(const QList<MediaItem> &items, bool grouped)
{
    std::vector<QStringView> titles;
    titles.reserve(size_t(items.size()));
    for (const MediaItem &item : items)
        titles.emplace_back(item.title);
    const NaturalSortKeys keys(titles, grouped);

    std::vector<ItemRecord> records(size_t(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i)
        records[size_t(i)] = {keys.ref(i), items[i].sortIndex};
    MergeSort::sort(records, [&items](const ItemRecord &x, const ItemRecord &y) {
        bool result;
        auto sameAlbum = [&] {
            return sameNonEmptyAlbum(items[x.title.index], items[y.title.index]);
        };
        if (batchRule(x.sortIndex, y.sortIndex, sameAlbum, result))
            return result;
        return x.title < y.title;
    });
    Order order(records.size());
    for (size_t i = 0; i < records.size(); ++i)
        order[i] = records[i].title.index;
    return order;
}

// --- Pairwise orders -------------------------------------------------------------------

Order pairwiseItemOrder(const QList<MediaItem> &items, bool grouped)
{
    Order order = identity(items.size());
    MergeSort::sort(order, [&items, grouped](uint32_t xi, uint32_t yi) {
        const MediaItem &x = items[xi];
        const MediaItem &y = items[yi];
        bool result;
        if (batchRule(
                x.sortIndex, y.sortIndex, [&] { return sameNonEmptyAlbum(x, y); }, result))
            return result;
        return naturalLessThan(x.title, y.title, grouped);
    });
    return order;
}

Order pairwiseFieldOrder(const QList<MediaItem> &items, QString MediaItem::*field)
{
    Order order = identity(items.size());
    MergeSort::sort(order, [&](uint32_t x, uint32_t y) {
        return naturalLessThan(items[x].*field, items[y].*field);
    });
    return order;
}

} // namespace

bool naturalLessThan(QStringView a, QStringView b, bool groupRTLFirst)
{
    const bool aRTL = RTLSupport::isRTL(a);
    const bool bRTL = RTLSupport::isRTL(b);
    if (aRTL != bRTL) {
        if (groupRTLFirst)
            return aRTL;
        return NaturalCollator::forThisThread().lessAcross(a, aRTL, b);
    }
    return NaturalCollator::forThisThread().less(a, b, aRTL, groupRTLFirst);
}

namespace SmartSorter {

QList<QUrl> sortURLs(const QList<QUrl> &urls, bool groupRTLFirst)
{
    const QList<QString> names = fileNames(urls);
    return copiedInOrder(
        urls, textOrder(std::vector<QStringView>(names.begin(), names.end()), groupRTLFirst));
}

QList<MediaItem> sortMediaItems(const QList<MediaItem> &items, bool groupRTLFirst)
{
    return copiedInOrder(items, itemOrder(items, groupRTLFirst));
}

QList<MediaItem> sortMediaItems(QList<MediaItem> &&items, bool groupRTLFirst)
{
    const Order order = itemOrder(items, groupRTLFirst);
    return movedInOrder(std::move(items), order);
}

QList<MediaItem> sortMediaItemsByText(const QList<MediaItem> &items, QString MediaItem::*field)
{
    return copiedInOrder(items, fieldOrder(items, field));
}

QList<MediaItem> sortMediaItemsByText(QList<MediaItem> &&items, QString MediaItem::*field)
{
    const Order order = fieldOrder(items, field);
    return movedInOrder(std::move(items), order);
}

std::vector<uint32_t> mediaItemPositions(const QList<MediaItem> &items, bool groupRTLFirst)
{
    return itemOrder(items, groupRTLFirst);
}

std::vector<uint32_t> mediaItemPositionsByText(const QList<MediaItem> &items,
                                               QString MediaItem::*field)
{
    return fieldOrder(items, field);
}

namespace Pairwise {

QList<QUrl> sortURLs(const QList<QUrl> &urls, bool groupRTLFirst)
{
    const QList<QString> names = fileNames(urls);
    Order order = identity(urls.size());
    MergeSort::sort(order, [&](uint32_t x, uint32_t y) {
        return naturalLessThan(names[x], names[y], groupRTLFirst);
    });
    return copiedInOrder(urls, order);
}

QList<MediaItem> sortMediaItems(const QList<MediaItem> &items, bool groupRTLFirst)
{
    return copiedInOrder(items, pairwiseItemOrder(items, groupRTLFirst));
}

QList<MediaItem> sortMediaItems(QList<MediaItem> &&items, bool groupRTLFirst)
{
    const Order order = pairwiseItemOrder(items, groupRTLFirst);
    return movedInOrder(std::move(items), order);
}

QList<MediaItem> sortMediaItemsByText(const QList<MediaItem> &items, QString MediaItem::*field)
{
    return copiedInOrder(items, pairwiseFieldOrder(items, field));
}

} // namespace Pairwise

} // namespace SmartSorter
