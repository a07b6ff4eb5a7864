// The Library and Playlists views over a library of 100,000 items, each figure beside
// a baseline measured in the same run:
//  - library-search-frame-ms: a keystroke in the view's search field to the next frame
//    swapped, against the store's own search for the same texts;
//  - library-sort-frame-ms: "Title" chosen in the sort menu to the next frame, against
//    the store's sort alone;
//  - library-scroll-frame-ratio: frame time while the list scrolls a steady step per
//    frame, against a bare ListView of one-Text rows over as many rows, the two
//    scrolled in turn;
//  - library-view-bytes-per-item: resident memory the shown view adds, per item (the
//    baseline printed is the 3 KB allowance, so the ratio reads against it);
//  - playlist-reorder-ms: one row of a 5,000-item playlist moved as a drop moves it, to
//    the next frame, against the store's move alone.
// Every wait for a frame has a deadline: a view that never draws fails the run.
// Usage: bench_library_view WORKDIR   (needs a display: bench/library-view.sh runs it
// under Xvfb)
#include "ArtworkCache.h"
#include "ImageProviders.h"
#include "LibraryWords.h"
#include "ViewBench.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "media/MpvPlayerBackend.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <malloc.h>
#include <memory>
#include <tuple>
#include <unistd.h>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

using namespace Qt::StringLiterals;
using namespace ViewBench;

namespace {

constexpr int librarySize = 100000;
constexpr int playlistSize = 5000;

// --- The library: records from the file name alone, so 100,000 load in seconds. ---

using LibraryWords::number;
using LibraryWords::word;

// Titles, artists and albums mix scripts and digit scripts; one item in seven carries
// chapters (the rows show their count) and the ".mp4" files are videos.
MediaItem fakeItem(const QUrl &url, qint64 sortIndex)
{
    QRandomGenerator rng(qHash(url.fileName()));
    MediaItem item;
    item.url = url;
    item.sortIndex = sortIndex;
    item.title = word(rng) + u' ' + word(rng) + u' ' + number(rng);
    item.artist = word(rng) + u" Band"_s;
    item.album = word(rng) + u' ' + number(rng);
    item.duration = rng.bounded(30, 3600);
    item.isVideo = MediaItem::isVideoExtension(url.fileName());
    if (rng.bounded(7) == 0) {
        const int chapters = rng.bounded(2, 12);
        for (int i = 0; i < chapters; ++i)
            item.chapters.append(Chapter(u"Chapter "_s + QString::number(i + 1),
                                         item.duration * i / chapters,
                                         item.duration * (i + 1) / chapters, i));
    }
    return item;
}

void fillLibrary(LibraryManager &library, const QString &workdir)
{
    const QString dir = workdir + u"/library"_s;
    QDir().mkpath(dir);
    QList<QUrl> urls;
    urls.reserve(librarySize);
    for (int i = 0; i < librarySize; ++i) {
        const QString path = dir + (i % 10 == 0 ? u"/f%1.mp4"_s : u"/f%1.mp3"_s).arg(i);
        QFile file(path);
        if (!file.exists() && !file.open(QIODevice::WriteOnly))
            fail("cannot make the library's files");
        urls.append(QUrl::fromLocalFile(path));
    }
    library.addFiles(urls);
    QElapsedTimer waited;
    waited.start();
    while (library.runningImports() > 0) {
        if (waited.elapsed() > 300000)
            fail("the import did not finish");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::usleep(200);
    }
    if (library.allItems().size() != librarySize)
        fail("the library does not hold every file");
}

long residentBytes()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly))
        fail("cannot read /proc/self/statm");
    return statm.readAll().split(' ').value(1).toLong() * sysconf(_SC_PAGESIZE);
}




// --- Typing ---

void sendKey(QWindow *window, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QGuiApplication::sendEvent(window, &press);
    QGuiApplication::sendEvent(window, &release);
}

// The key events of typing one character (any script) or deleting the last one.
void typeCharacter(QWindow *window, QChar c)
{
    const int key =
        c.unicode() < 0x80 && c.isLetterOrNumber() ? c.toUpper().unicode() : int(Qt::Key_unknown);
    sendKey(window, key, QString(c));
}

void backspace(QWindow *window)
{
    sendKey(window, Qt::Key_Backspace, QString());
}

// One keystroke: a character typed at the end or, for '\b', the last one deleted.
struct Keystroke
{
    QChar key;
    QString textAfter;
};

// Words typed a letter at a time and deleted again, in the three scripts the library
// mixes and with Arabic-Indic digits.
QList<Keystroke> keystrokes()
{
    QList<Keystroke> strokes;
    QString text;
    const auto type = [&](const QString &word) {
        for (QChar c : word) {
            text += c;
            strokes.append({c, text});
        }
        while (!text.isEmpty()) {
            text.chop(1);
            strokes.append({u'\b', text});
        }
    };
    type(u"beat"_s);
    type(u"كت"_s);
    type(u"פר"_s);
    type(u"١٢"_s);
    return strokes;
}

// --- The figures ---

struct StoreBaselines
{
    double searchMs = 0;
    double moveMs = 0;
};

// Moves a drag could make in a playlist of `size` rows: spread over the list, each to
// a nearby row above or below.
QList<QPair<int, int>> playlistMoves(int size)
{
    QList<QPair<int, int>> moves;
    for (int i = 0; i < 15; ++i) {
        const int from = (i * 337 + 40) % size;
        const int offset = (i % 2 == 0 ? 1 : -1) * (2 + i % 6);
        moves.append({from, std::clamp(from + offset, 0, size)});
    }
    return moves;
}

// The store's own work for the same steps, with no view connected to it. (The sort's
// is taken beside the view's, in turn: sorting changes nothing a view follows.)
StoreBaselines storeBaselines(LibraryManager &library, const QString &playlistId)
{
    StoreBaselines store;
    std::vector<double> search;
    for (const Keystroke &stroke : keystrokes()) {
        search.push_back(timedMs([&] {
            library.setSearchText(stroke.textAfter);
            (void)library.filteredPositions();
        }));
    }
    store.searchMs = median(search);
    library.setSearchText(QString());

    std::vector<double> move;
    for (const auto &[from, to] : playlistMoves(playlistSize))
        move.push_back(timedMs([&] { library.movePlaylistItem(playlistId, from, to); }));
    store.moveMs = median(move);
    return store;
}


double searchFrameMs(ShownView &view, const LibraryManager &library)
{
    auto *field = view.child("searchField");
    view.window->requestActivate();
    field->forceActiveFocus();
    if (!field->hasActiveFocus())
        fail("the search field does not take the keyboard focus");
    view.probe->settle();
    std::vector<double> frames;
    const double startMonotonic = cpuMs(CLOCK_MONOTONIC) / 1e3;
    for (const Keystroke &stroke : keystrokes()) {
        // The key event delivered: store, list model and ListView.
        double handledMs = 0, handledCpuMs = cpuMs(CLOCK_THREAD_CPUTIME_ID);
        frames.push_back(view.probe->actionToFrameMs([&] {
            handledMs = timedMs([&] {
                if (stroke.key == u'\b')
                    backspace(view.window.get());
                else
                    typeCharacter(view.window.get(), stroke.key);
            });
            handledCpuMs = cpuMs(CLOCK_THREAD_CPUTIME_ID) - handledCpuMs;
        }));
        if (library.searchText() != stroke.textAfter)
            fail("a keystroke in the search field did not reach the library's search");
        if (verbose()) {
            // The list shows the found items in natural order: the store sorts them anew.
            const double sortCpuMs = cpuMs(CLOCK_THREAD_CPUTIME_ID);
            (void)library.sortedItems(LibraryManager::SortOrder::Natural);
            std::fprintf(stderr,
                         "search \"%s\": %lld rows, %.1f ms; key handled in %.1f ms, %.1f ms "
                         "CPU (the store's natural sort of the rows alone: %.1f ms CPU); sync "
                         "%.1f, render %.1f\n",
                         qPrintable(stroke.textAfter),
                         qlonglong(library.filteredPositions().size()), frames.back(), handledMs,
                         handledCpuMs, cpuMs(CLOCK_THREAD_CPUTIME_ID) - sortCpuMs,
                         view.probe->syncMs(), view.probe->renderMs());
        }
    }
    if (verbose())
        std::fprintf(stderr, "search: from %.3f s to %.3f s\n", startMonotonic,
                     cpuMs(CLOCK_MONOTONIC) / 1e3);
    return median(frames);
}

// The median time from choosing "Title" to the frame, and of the store's sort alone,
// each store sort right after a view's so that both meet the same load on the machine.
std::pair<double, double> sortFrameMs(ShownView &view, const LibraryManager &library)
{
    auto *menu = view.child<QObject>("sortMenu");
    auto *rows = view.child("libraryList")->property("model").value<QObject *>();
    if (!rows)
        fail("the library list has no model");
    // The menu's entries: Natural first, then Title.
    const auto choose = [&](int entry) {
        if (!QMetaObject::invokeMethod(menu, "activated", Q_ARG(int, entry)))
            fail("the sort menu has no activated signal");
    };
    std::vector<double> frames, store;
    for (int i = 0; i < 5; ++i) {
        double handledMs = 0, handledCpuMs = cpuMs(CLOCK_THREAD_CPUTIME_ID);
        frames.push_back(view.probe->actionToFrameMs([&] {
            handledMs = timedMs([&] { choose(1); });
            handledCpuMs = cpuMs(CLOCK_THREAD_CPUTIME_ID) - handledCpuMs;
        }));
        if (verbose())
            std::fprintf(stderr,
                         "sort: %.1f ms; menu choice handled in %.1f ms, %.1f ms CPU; sync %.1f, "
                         "render %.1f\n",
                         frames.back(), handledMs, handledCpuMs, view.probe->syncMs(),
                         view.probe->renderMs());
        if (rows->property("sortOrder").toInt() != int(LibraryManager::SortOrder::Title))
            fail("choosing Title in the sort menu did not sort the list");
        choose(0);
        view.probe->settle(2);
        store.push_back(
            timedMs([&] { (void)library.sortedItems(LibraryManager::SortOrder::Title); }));
    }
    return {median(frames), median(store)};
}


} // namespace

int main(int argc, char *argv[])
{
    const Start started = start(argc, argv, "library-view", std::chrono::minutes(15));
    const QString &workdir = started.workdir;

    LibraryManager library(fakeItem);
    fillLibrary(library, workdir);
    // Never asked to play, so never made; given as the app gives it.
    MediaPlayerManager player([] {
        MpvPlayerBackend::Options options;
        options.audioOutput = "null";
        return std::make_unique<MpvPlayerBackend>(options);
    });
    library.createPlaylist(u"Long playlist"_s, library.allItems().mid(1000, playlistSize), false);
    const QString playlistId = library.playlists().last().id.toString(QUuid::WithoutBraces);

    // The store's timings first, while no view listens to it; they also build the
    // search index, which belongs to the store and not to the view's memory.
    const StoreBaselines store = storeBaselines(library, playlistId);

    malloc_trim(0);
    const long withoutView = residentBytes();

    QQmlEngine engine;
    engine.addImportPath(u"qrc:/"_s);
    addImageProviders(engine);
    const QVariantMap managers{{u"libraryManager"_s, QVariant::fromValue<QObject *>(&library)},
                               {u"playerManager"_s, QVariant::fromValue<QObject *>(&player)}};

    // What a view costs whatever the library holds (the engine's types, the style, the
    // GL context, the glyph caches), from the same view over an empty library shown
    // first: printed with BENCH_VERBOSE beside the figure, which counts everything.
    long fixedBytes = 0;
    {
        LibraryManager empty(fakeItem);
        ShownView view = showView(engine, QUrl(u"qrc:/Lyrabox/LibraryView.qml"_s),
                                  {{u"libraryManager"_s, QVariant::fromValue<QObject *>(&empty)},
                                   {u"playerManager"_s, managers.value(u"playerManager"_s)}});
        view.probe->settle(5);
        malloc_trim(0);
        fixedBytes = residentBytes() - withoutView;
    }

    double bytesPerItem = 0, searchMs = 0, sortMs = 0, storeSortMs = 0;
    ScrollComparison scroll;
    {
        ShownView view = showView(engine, QUrl(u"qrc:/Lyrabox/LibraryView.qml"_s), managers);
        auto *list = view.child("libraryList");
        if (list->property("count").toInt() != librarySize)
            fail("the library list does not show every item");
        view.probe->settle(5);
        malloc_trim(0);
        // Everything the view brings counts, the engine and the GL context included.
        const long shownBytes = residentBytes() - withoutView;
        bytesPerItem = double(shownBytes) / librarySize;
        if (verbose())
            std::fprintf(stderr,
                         "memory: %.1f MB with the view shown, %.1f MB of it with no items "
                         "(%.0f bytes an item beyond that)\n",
                         shownBytes / 1e6, fixedBytes / 1e6,
                         double(shownBytes - fixedBytes) / librarySize);

        std::tie(sortMs, storeSortMs) = sortFrameMs(view, library);
        searchMs = searchFrameMs(view, library);
        if (list->property("count").toInt() != librarySize)
            fail("the search did not come back to every item");

        // Scrolled beside a bare list of one-Text rows over as many rows, five rounds
        // each: the software renderer's share of this shared machine drifts.
        ShownView bare = showBareList(engine, workdir, librarySize, 46, true);
        scroll = scrollSideBySide(view, list, bare, bare.root(), 3000 * 46, 5);
        if (verbose()) {
            for (ShownView *shown : {&view, &bare}) {
                shown->window->show();
                shown->probe->settle();
                QQuickItem *scrolled = shown == &view ? list : bare.root();
                printAnimatedScroll(*shown, scrolled, 1000 * 46);
                shown->window->hide();
            }
        }
    }

    double reorderMs = 0;
    {
        ShownView view = showView(engine, QUrl(u"qrc:/Lyrabox/PlaylistsView.qml"_s), managers);
        QMetaObject::invokeMethod(view.root(), "openPlaylist", Q_ARG(QString, playlistId));
        view.probe->settle();
        auto *list = view.child("playlistItemList");
        if (!list->isVisible() || list->property("count").toInt() != playlistSize)
            fail("the playlist's detail does not show its items");
        std::vector<double> frames;
        for (const auto &[from, to] : playlistMoves(playlistSize)) {
            // The drag happens where the list shows the row.
            QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, from),
                                      Q_ARG(int, 1 /* ListView.Center */));
            view.probe->settle(2);
            const QUuid moved = library.playlists().last().items.at(from).id;
            double handledMs = 0;
            const double startCpuMs = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
            frames.push_back(view.probe->actionToFrameMs([&] {
                handledMs = timedMs([&] { library.movePlaylistItem(playlistId, from, to); });
            }));
            if (verbose())
                std::fprintf(stderr,
                             "move %d to %d: %.1f ms, %.1f ms process CPU; move handled in "
                             "%.1f ms; sync %.1f, render %.1f\n",
                             from, to, frames.back(), cpuMs(CLOCK_PROCESS_CPUTIME_ID) - startCpuMs,
                             handledMs, view.probe->syncMs(), view.probe->renderMs());
            if (library.playlists().last().items.at(to > from ? to - 1 : to).id != moved)
                fail("the row did not move");
        }
        reorderMs = median(frames);
    }

    printLine("library-search-frame-ms", searchMs, "ms", store.searchMs);
    printLine("library-sort-frame-ms", sortMs, "ms", storeSortMs);
    printLine("library-scroll-frame-ratio", scroll.frameMs, "ms", scroll.baselineFrameMs);
    printLine("library-view-bytes-per-item", bytesPerItem, "bytes", 3072);
    printLine("playlist-reorder-ms", reorderMs, "ms", store.moveMs);
    return 0;
}
