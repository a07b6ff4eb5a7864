#pragma once

#include "models/MediaItem.h"

#include <QList>
#include <QStringView>
#include <QUrl>

// True when `a` goes before `b` in natural order: right-to-left texts before
// left-to-right ones; right-to-left pairs by Arabic collation ignoring case and
// diacritics, left-to-right pairs by the user's locale ignoring case; digit runs by
// numeric value in every digit script. Thread-safe.
bool naturalLessThan(QStringView a, QStringView b);

namespace SmartSorter {

// The URLs in natural order of their file names without extension (folders ignored).
// Stable.
QList<QUrl> sortURLs(const QList<QUrl> &urls);

// Items in natural item order: within one import batch by sort index; items of the
// same album with and without a sort index by that index; otherwise by title.
// A stable merge sort, so the result is deterministic for a given input order.
QList<MediaItem> sortMediaItems(const QList<MediaItem> &items);

// Items ordered by naturalLessThan on one of their texts (title, artist or album).
// Stable: items whose texts compare equal keep their order.
QList<MediaItem> sortMediaItemsByText(const QList<MediaItem> &items, QString MediaItem::*field);

} // namespace SmartSorter
