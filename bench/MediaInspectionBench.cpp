// Rate of media inspection against a bare libavformat loop over the same files, on
// one thread: AvMediaAsset::open alone, and the whole record (MediaItemFactory::fromURL).
//   bench_media_inspection [FILE_COUNT]   (default 2000 small tagged mp3 files)
#include "BareLibav.h"
#include "MediaFixtures.h"
#include "media/AvMediaAsset.h"
#include "core/MediaItemFactory.h"
#include "models/MediaItem.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// CPU time of this thread: on a machine shared with builds, wall time mostly measures
// the neighbours. The files sit in the page cache after the first pass, so the
// inspection does not wait for the disk.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Files per second of the best of `rounds` passes (the least disturbed by other load).
double bestRate(const QStringList &files, int rounds,
                const std::function<void(const QString &)> &visit)
{
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        const double start = threadSeconds();
        for (const QString &file : files)
            visit(file);
        best = std::max(best, double(files.size()) / (threadSeconds() - start));
    }
    return best;
}

void printBench(const char *name, double value, double baseline)
{
    std::printf("BENCH %s value=%.1f unit=files/s baseline=%.1f ratio=%.3f\n", name, value,
                baseline, baseline > 0 ? value / baseline : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 2000;

    QTemporaryDir directory(MediaFixtures::fixtureDirectory() + u"/corpus-XXXXXX"_s);
    const QStringList files = MediaFixtures::writeMp3Corpus(directory.path(), count);
    if (files.isEmpty()) {
        std::fprintf(stderr, "cannot make the corpus: %s\n",
                     qPrintable(MediaFixtures::lastError()));
        return 1;
    }
    AvMediaAsset::open(files.first()); // silences libav's log before the baseline runs

    const auto bare = [](const QString &file) { bareLibavOpen(QFile::encodeName(file)); };
    const auto asset = [](const QString &file) { AvMediaAsset::open(file); };
    const auto record = [](const QString &file) {
        const auto opened = AvMediaAsset::open(file);
        MediaItemFactory::fromURL(QUrl::fromLocalFile(file), 1, *opened);
    };

    // Interleaved passes, so that a burst of load elsewhere hits all three alike.
    double bareRate = 0, assetRate = 0, recordRate = 0;
    for (int pass = 0; pass < 5; ++pass) {
        bareRate = std::max(bareRate, bestRate(files, 1, bare));
        assetRate = std::max(assetRate, bestRate(files, 1, asset));
        recordRate = std::max(recordRate, bestRate(files, 1, record));
    }
    printBench("media_asset_open", assetRate, bareRate);
    printBench("media_item_from_url", recordRate, bareRate);
    return 0;
}
