#pragma once

#include "models/MediaItem.h"

#include <QList>
#include <QStringView>
#include <QUrl>
#include <cstdint>
#include <vector>

// True when `a` goes before `b` in natural order: right-to-left texts before
// left-to-right ones; right-to-left pairs by Arabic collation ignoring case and
// diacritics, left-to-right pairs by the user's locale ignoring case; digit runs by
// numeric value in every decimal digit script and at any length. Thread-safe.
// For one comparison; the sorters below compute keys once and agree with it exactly.
// With `groupRTLFirst` false the directions are not grouped: texts of both go by their
// collation keys together (see NaturalCollator), the rest unchanged. The same flag, of
// the user's preference, is taken by every natural sort below.
bool naturalLessThan(QStringView a, QStringView b, bool groupRTLFirst = true);

namespace SmartSorter {

// The URLs in natural order of their file names without extension (folders ignored).
// Stable.
QList<QUrl> sortURLs(const QList<QUrl> &urls, bool groupRTLFirst = true);

// Items in natural item order: within one import batch by sort index; items of the
// same album with and without a sort index by that index; otherwise by title.
// A stable merge sort, so the result is deterministic for a given input order.
QList<MediaItem> sortMediaItems(const QList<MediaItem> &items, bool groupRTLFirst = true);
// The same order, rearranging the given list by moves instead of copying every item:
// `allItems = SmartSorter::sortMediaItems(std::move(allItems));`
QList<MediaItem> sortMediaItems(QList<MediaItem> &&items, bool groupRTLFirst = true);

// Items ordered by naturalLessThan on one of their texts (title, artist or album).
// Stable: items whose texts compare equal keep their order.
QList<MediaItem> sortMediaItemsByText(const QList<MediaItem> &items, QString MediaItem::*field);
QList<MediaItem> sortMediaItemsByText(QList<MediaItem> &&items, QString MediaItem::*field);

// The positions of `items` in those orders (what the sorters above apply), for a
// caller that keeps its own index into the list instead of a sorted copy.
std::vector<uint32_t> mediaItemPositions(const QList<MediaItem> &items, bool groupRTLFirst = true);
std::vector<uint32_t> mediaItemPositionsByText(const QList<MediaItem> &items,
                                               QString MediaItem::*field);

// The same three orders computed the straightforward way, calling naturalLessThan for
// every pair the merge sort compares. Same results, several times slower on large
// lists; kept as the reference the tests and the sort benchmark check against.
namespace Pairwise {
QList<QUrl> sortURLs(const QList<QUrl> &urls, bool groupRTLFirst = true);
QList<MediaItem> sortMediaItems(const QList<MediaItem> &items, bool groupRTLFirst = true);
QList<MediaItem> sortMediaItems(QList<MediaItem> &&items, bool groupRTLFirst = true);
QList<MediaItem> sortMediaItemsByText(const QList<MediaItem> &items, QString MediaItem::*field);
} // namespace Pairwise

} // namespace SmartSorter
