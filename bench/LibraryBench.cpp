// Library store benchmarks. Usage:
//   bench_library search WORKDIR   search-100k-ms and store-scaling, on a generated
//                                  library of 100,000 items (fast fake inspection)
//   bench_library memory FOLDER WARMUP
//                                  bytes-per-item: resident memory growth per item
//                                  when FOLDER is imported with real inspection, after
//                                  a warm-up import of the WARMUP folder
#include "LibraryWords.h"
#include "core/LibraryManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void waitIdle(LibraryManager &library)
{
    while (library.runningImports() > 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::usleep(200);
    }
}

long residentBytes()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * sysconf(_SC_PAGESIZE);
}

using LibraryWords::number;
using LibraryWords::word;

// Builds the record from the file name alone, so a 100,000-item library loads in
// seconds; titles mix scripts and digit scripts.
MediaItem fakeItem(const QUrl &url, qint64 sortIndex)
{
    QRandomGenerator rng(qHash(url.fileName()));
    MediaItem item;
    item.url = url;
    item.sortIndex = sortIndex;
    item.title = word(rng) + u' ' + word(rng) + u' ' + number(rng);
    item.artist = word(rng) + u" Band"_s;
    item.album = word(rng) + u' ' + number(rng);
    item.duration = rng.bounded(600);
    return item;
}

// The search rule written plainly: three lower-cased fields per item.
qsizetype naiveSearch(const QList<MediaItem> &items, const QString &text)
{
    const QString needle = text.toLower();
    qsizetype count = 0;
    for (const MediaItem &item : items) {
        if (item.title.toLower().contains(needle) || item.artist.toLower().contains(needle)
            || item.album.toLower().contains(needle))
            ++count;
    }
    return count;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QStringList makeFiles(const QString &dir, int first, int count)
{
    QDir().mkpath(dir);
    QStringList paths;
    for (int i = first; i < first + count; ++i) {
        const QString path = dir + u"/f%1.mp3"_s.arg(i);
        QFile f(path);
        if (!f.exists())
            (void)f.open(QIODevice::WriteOnly);
        paths.append(path);
    }
    return paths;
}

QList<QUrl> urlsOf(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls.append(QUrl::fromLocalFile(p));
    return urls;
}

// Time of the store operations whose cost must grow at most linearly with the library:
// a re-import of known files (duplicate test), a small folder import (folder
// membership) and removals.
double storeOperationsMs(const QString &workdir, int librarySize)
{
    LibraryManager library(fakeItem);
    library.addFiles(urlsOf(makeFiles(workdir + u"/lib"_s, 0, librarySize)));
    waitIdle(library);
    QElapsedTimer timer;
    timer.start();
    library.addFiles(urlsOf(makeFiles(workdir + u"/lib"_s, 0, 2000)));
    waitIdle(library);
    library.addFolder(QUrl::fromLocalFile(workdir + u"/small"_s));
    waitIdle(library);
    for (int i = 0; i < 50; ++i)
        library.removeItem(library.allItems()[i * 7]);
    return timer.nsecsElapsed() / 1e6;
}

int search(const QString &workdir)
{
    constexpr int size = 100000;
    LibraryManager library(fakeItem);
    library.addFiles(urlsOf(makeFiles(workdir + u"/lib"_s, 0, size)));
    waitIdle(library);
    if (library.allItems().size() != size) {
        std::fprintf(stderr, "library has %lld items\n", qlonglong(library.allItems().size()));
        return 1;
    }
    library.setSearchText(u"x"_s);
    (void)library.filteredPositions(); // builds the index once after the import

    // Typing and deleting one letter at a time.
    const QStringList steps{u"b"_s,  u"be"_s, u"bea"_s, u"be"_s, u"b"_s, u"l"_s, u"li"_s,
                            u"liv"_s, u"ك"_s, u"كت"_s,  u"פ"_s,  u"١"_s, u"café"_s, u"caf"_s};
    std::vector<double> ours, plain;
    for (int round = 0; round < 5; ++round) {
        for (const QString &text : steps) {
            QElapsedTimer t;
            t.start();
            library.setSearchText(text);
            const qsizetype found = library.filteredPositions().size();
            ours.push_back(t.nsecsElapsed() / 1e6);
            if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
                std::fprintf(stderr, "%s: %lld items, %.3f ms\n", qPrintable(text),
                             qlonglong(found), ours.back());
            t.restart();
            const qsizetype expected = naiveSearch(library.allItems(), text);
            plain.push_back(t.nsecsElapsed() / 1e6);
            if (found != expected) {
                std::fprintf(stderr, "search for %s: %lld found, %lld expected\n",
                             qPrintable(text), qlonglong(found), qlonglong(expected));
                return 1;
            }
        }
    }
    const double value = median(ours), baseline = median(plain);
    std::printf("BENCH search-100k-ms value=%.3f unit=ms baseline=%.3f ratio=%.2f\n", value,
                baseline, baseline / value);

    makeFiles(workdir + u"/small"_s, 0, 10);
    const double half = storeOperationsMs(workdir, size / 2);
    const double full = storeOperationsMs(workdir, size);
    // Linear growth doubles the time; quadratic would quadruple it.
    std::printf("BENCH store-ops-100k-vs-50k value=%.2f unit=x baseline=2.00 ratio=%.2f\n",
                full / half, 2.0 / (full / half));
    return 0;
}

int memory(const QString &folder, const QString &warmup)
{
    LibraryManager library;
    // One-time costs (libavformat's and ICU's tables, worker threads) are not per item:
    // pay them with a small import first.
    library.addFolder(QUrl::fromLocalFile(warmup));
    waitIdle(library);
    const qsizetype before_items = library.allItems().size();
    malloc_trim(0);
    const long before = residentBytes();
    library.addFolder(QUrl::fromLocalFile(folder));
    waitIdle(library);
    malloc_trim(0);
    const long after = residentBytes();
    const qsizetype items = library.allItems().size() - before_items;
    if (items <= 0) {
        std::fprintf(stderr, "nothing imported from %s\n", qPrintable(folder));
        return 1;
    }
    const double perItem = double(after - before) / double(items);
    // Baseline: what each item would cost if it kept its own copy of the cover.
    const double cover = double(library.allItems().last().artwork.size());
    std::printf("BENCH bytes-per-item value=%.0f unit=bytes baseline=%.0f ratio=%.1f\n", perItem,
                cover, cover / perItem);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"search")
        return search(args[2]);
    if (args.size() == 4 && args[1] == u"memory")
        return memory(args[2], args[3]);
    std::fprintf(stderr, "usage: bench_library search WORKDIR | memory FOLDER WARMUP_FOLDER\n");
    return 2;
}
