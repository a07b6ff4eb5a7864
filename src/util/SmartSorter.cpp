#include "SmartSorter.h"

#include "RTLSupport.h"

#include <QFileInfo>
#include <memory>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <vector>

namespace {

// Collators are not shared between threads: each thread gets its own pair.
struct Collators
{
    std::unique_ptr<icu::Collator> ltr; // user's locale, secondary strength, numeric
    std::unique_ptr<icu::Collator> rtl; // "ar", primary strength, numeric

    Collators()
    {
        UErrorCode status = U_ZERO_ERROR;
        ltr.reset(icu::Collator::createInstance(icu::Locale::getDefault(), status));
        if (U_FAILURE(status) || !ltr) {
            status = U_ZERO_ERROR;
            ltr.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
        }
        ltr->setStrength(icu::Collator::SECONDARY);
        ltr->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);

        status = U_ZERO_ERROR;
        rtl.reset(icu::Collator::createInstance(icu::Locale("ar"), status));
        rtl->setStrength(icu::Collator::PRIMARY);
        rtl->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
    }
};

Collators &collators()
{
    thread_local Collators instance;
    return instance;
}

bool collatedLess(icu::Collator &collator, QStringView a, QStringView b)
{
    UErrorCode status = U_ZERO_ERROR;
    return collator.compare(reinterpret_cast<const char16_t *>(a.utf16()), int32_t(a.size()),
                            reinterpret_cast<const char16_t *>(b.utf16()), int32_t(b.size()),
                            status)
           == UCOL_LESS;
}

// Top-down stable merge sort of positions. Written out rather than std::stable_sort
// so that the order it yields for predicates that are not strict weak orderings is
// fixed by this code, not by the standard library's implementation.
template <typename Less>
void mergeSort(std::vector<qsizetype> &v, std::vector<qsizetype> &tmp, size_t lo, size_t hi,
               Less &less)
{
    if (hi - lo < 2)
        return;
    const size_t mid = lo + (hi - lo) / 2;
    mergeSort(v, tmp, lo, mid, less);
    mergeSort(v, tmp, mid, hi, less);
    size_t i = lo, j = mid, k = lo;
    while (i < mid && j < hi) {
        // Take from the right only when it is strictly less: keeps equal items in order.
        if (less(v[j], v[i]))
            tmp[k++] = v[j++];
        else
            tmp[k++] = v[i++];
    }
    while (i < mid)
        tmp[k++] = v[i++];
    while (j < hi)
        tmp[k++] = v[j++];
    std::copy(tmp.begin() + lo, tmp.begin() + hi, v.begin() + lo);
}

template <typename Less>
std::vector<qsizetype> sortedPositions(qsizetype count, Less less)
{
    std::vector<qsizetype> order(count);
    for (qsizetype i = 0; i < count; ++i)
        order[i] = i;
    std::vector<qsizetype> tmp(count);
    mergeSort(order, tmp, 0, order.size(), less);
    return order;
}

template <typename T>
QList<T> permuted(const QList<T> &list, const std::vector<qsizetype> &order)
{
    QList<T> result;
    result.reserve(list.size());
    for (qsizetype i : order)
        result.append(list[i]);
    return result;
}

QString baseName(const QUrl &url)
{
    return MediaItem::titleFromURL(url);
}

} // namespace

bool naturalLessThan(QStringView a, QStringView b)
{
    const bool aRTL = RTLSupport::isRTL(a);
    const bool bRTL = RTLSupport::isRTL(b);
    if (aRTL != bRTL)
        return aRTL;
    Collators &c = collators();
    return collatedLess(aRTL ? *c.rtl : *c.ltr, a, b);
}

namespace SmartSorter {

QList<QUrl> sortURLs(const QList<QUrl> &urls)
{
    QList<QString> names;
    names.reserve(urls.size());
    for (const QUrl &url : urls)
        names.append(baseName(url));
    auto less = [&](qsizetype x, qsizetype y) { return naturalLessThan(names[x], names[y]); };
    return permuted(urls, sortedPositions(urls.size(), less));
}

QList<MediaItem> sortMediaItems(const QList<MediaItem> &items)
{
    auto less = [&](qsizetype xi, qsizetype yi) {
        const MediaItem &x = items[xi];
        const MediaItem &y = items[yi];
        if (x.sortIndex != 0 && y.sortIndex != 0 && x.sortIndex != y.sortIndex)
            return x.sortIndex < y.sortIndex;
        if (!x.album.isEmpty() && x.album == y.album && x.sortIndex != y.sortIndex)
            return x.sortIndex < y.sortIndex;
        return naturalLessThan(x.title, y.title);
    };
    return permuted(items, sortedPositions(items.size(), less));
}

QList<MediaItem> sortMediaItemsByText(const QList<MediaItem> &items, QString MediaItem::*field)
{
    auto less = [&](qsizetype x, qsizetype y) {
        return naturalLessThan(items[x].*field, items[y].*field);
    };
    return permuted(items, sortedPositions(items.size(), less));
}

} // namespace SmartSorter
