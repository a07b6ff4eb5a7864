// Times SmartSorter::sortMediaItems (keys computed once) on a 100,000-item library
// against the pairwise reference sort of the same rule, and fails when the two orders
// differ. Both sort a private copy of the library handed over by std::move, as the
// library store does, so both rearrange items by moves and the figures compare the
// ordering work. Prints one BENCH line.
#include "SortCorpus.h"
#include "util/SmartSorter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kItems = 100000;
constexpr int kRuns = 7;

template <typename Sort>
double timeMs(const QList<MediaItem> &items, Sort sort, QList<MediaItem> &result)
{
    QList<MediaItem> input = items;
    input.detach(); // the copy is not part of the figure
    QElapsedTimer timer;
    timer.start();
    result = sort(std::move(input));
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool sameOrder(const QList<MediaItem> &a, const QList<MediaItem> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].id != b[i].id) {
            std::fprintf(stderr, "first difference at position %lld: \"%s\" vs \"%s\"\n",
                         static_cast<long long>(i), qUtf8Printable(a[i].title),
                         qUtf8Printable(b[i].title));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QList<MediaItem> items = SortCorpus::Generator(20240601).library(kItems);

    std::vector<double> fast, pairwise;
    QList<MediaItem> fastResult, pairwiseResult;
    // The first pair of runs also creates the collators; it is not counted.
    for (int run = 0; run <= kRuns; ++run) {
        const double f = timeMs(
            items, [](QList<MediaItem> &&in) { return SmartSorter::sortMediaItems(std::move(in)); },
            fastResult);
        const double p = timeMs(
            items,
            [](QList<MediaItem> &&in) {
                return SmartSorter::Pairwise::sortMediaItems(std::move(in));
            },
            pairwiseResult);
        if (!sameOrder(fastResult, pairwiseResult)) {
            std::fprintf(stderr, "FAIL: sortMediaItems and the pairwise sort disagree\n");
            return 1;
        }
        if (run > 0) {
            fast.push_back(f);
            pairwise.push_back(p);
        }
    }
    for (QString MediaItem::*field : {&MediaItem::title, &MediaItem::artist, &MediaItem::album}) {
        if (!sameOrder(SmartSorter::sortMediaItemsByText(items, field),
                       SmartSorter::Pairwise::sortMediaItemsByText(items, field))) {
            std::fprintf(stderr, "FAIL: sortMediaItemsByText and the pairwise sort disagree\n");
            return 1;
        }
    }

    const double value = median(fast);
    const double baseline = median(pairwise);
    std::printf("BENCH sort-100k-ms value=%.1f unit=ms baseline=%.1f ratio=%.2f\n", value, baseline,
                baseline / value);
    return 0;
}
