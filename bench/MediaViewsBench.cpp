// The Audiobooks and Videos sections, each figure beside a baseline measured in the
// same run:
//  - videos-scroll-frame-ratio: frame time while the grid of 10,000 videos with covers
//    scrolls a steady step per frame, against a bare GridView of plain rectangles in
//    cells of the same size, reusing its cells as the view does;
//  - videos-scroll-stall-ms: the longest interval between two frames of a scroll (the
//    main thread cannot have stalled longer; the median over the rounds), against the
//    bare grid's;
//  - audiobook-expand-ms: a 300-chapter book's card opened, to the frame showing it,
//    against the same change made to the section's list model with no view;
//  - audiobook-scroll-frame-ratio: 300 book cards scrolling, against a bare ListView
//    of one-Text rows of the cards' height, reusing its rows.
// Usage: bench_media_views WORKDIR   (needs a display: bench/media-views.sh)
#include "ImageProviders.h"
#include "AudiobookRowsModel.h"
#include "ViewBench.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "media/MpvPlayerBackend.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

using namespace Qt::StringLiterals;
using namespace ViewBench;

namespace {

constexpr int videoCount = 10000;
constexpr int bookCount = 300;
constexpr int chaptersPerBook = 8;
constexpr int longBookChapters = 300;

// Covers as a video file's would be: 640 x 360 JPEGs, a hundred different ones.
QList<QByteArray> makeCovers()
{
    QList<QByteArray> covers;
    for (int i = 0; i < 100; ++i) {
        QImage image(640, 360, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 37 % 360, 160, 200));
        QPainter painter(&image);
        painter.fillRect(80, 60, 300, 200, QColor::fromHsv(i * 91 % 360, 200, 120));
        painter.end();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 85);
        covers.append(bytes);
    }
    return covers;
}

// Records from the file name alone: ".mp4" files are videos with a cover, the others
// chapters of a book.
LibraryManager::ItemFactory factory()
{
    static const QList<QByteArray> covers = makeCovers();
    return [](const QUrl &url, qint64 sortIndex) {
        MediaItem item;
        item.url = url;
        item.sortIndex = sortIndex;
        const QString name = url.fileName().section(u'.', 0, 0);
        item.title = name;
        item.duration = 60 + sortIndex % 3000;
        item.isVideo = MediaItem::isVideoExtension(url.fileName());
        if (item.isVideo) {
            item.artist = u"Channel "_s + QString::number(sortIndex % 50);
            item.artwork = covers.at(sortIndex % covers.size());
        }
        return item;
    };
}

void fillLibrary(LibraryManager &library, const QString &workdir)
{
    const QString dir = workdir + u"/media"_s;
    QDir().mkpath(dir);
    QList<QUrl> urls;
    const auto add = [&](const QString &name) {
        const QString path = dir + u'/' + name;
        QFile file(path);
        if (!file.exists() && !file.open(QIODevice::WriteOnly))
            fail("cannot make the library's files");
        urls.append(QUrl::fromLocalFile(path));
    };
    for (int i = 0; i < videoCount; ++i)
        add(u"Clip %1.mp4"_s.arg(i));
    for (int b = 0; b < bookCount; ++b) {
        for (int c = 0; c < chaptersPerBook; ++c)
            add(u"Book %1 Chapter %2.mp3"_s.arg(b).arg(c));
    }
    for (int c = 0; c < longBookChapters; ++c)
        add(u"Long Book Chapter %1.mp3"_s.arg(c));
    library.addFiles(urls);
    QElapsedTimer waited;
    waited.start();
    while (library.runningImports() > 0) {
        if (waited.elapsed() > 300000)
            fail("the import did not finish");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::usleep(200);
    }
    if (library.allItems().size() != urls.size())
        fail("the library does not hold every file");

    // The long book first, then the others, each in chapter order.
    QHash<QString, QList<MediaItem>> books;
    for (const MediaItem &item : library.allItems()) {
        if (!item.isVideo)
            books[item.title.section(u" Chapter "_s, 0, 0)].append(item);
    }
    const auto chapterOf = [](const MediaItem &item) {
        return item.title.section(u" Chapter "_s, 1).toInt();
    };
    for (QList<MediaItem> &chapters : books)
        std::sort(chapters.begin(), chapters.end(),
                  [&](const MediaItem &a, const MediaItem &b) { return chapterOf(a) < chapterOf(b); });
    library.createPlaylist(u"Long Book"_s, books.value(u"Long Book"_s), true);
    for (int b = 0; b < bookCount - 1; ++b)
        library.createPlaylist(u"Book %1"_s.arg(b), books.value(u"Book %1"_s.arg(b)), true);
}

// The section view to show: BENCH_<NAME>_QML names a file to try a variant of a view
// without rebuilding.
QUrl viewSource(const char *env, const QString &name)
{
    const QString file = qEnvironmentVariable(env);
    return file.isEmpty() ? QUrl(u"qrc:/Lyrabox/"_s + name) : QUrl::fromLocalFile(file);
}

} // namespace

int main(int argc, char *argv[])
{
    const Start started = start(argc, argv, "media-views", std::chrono::minutes(10));
    const QString &workdir = started.workdir;

    LibraryManager library(factory());
    fillLibrary(library, workdir);
    MediaPlayerManager player([] {
        MpvPlayerBackend::Options options;
        options.audioOutput = "null";
        return std::make_unique<MpvPlayerBackend>(options);
    });
    const QString longBook = library.playlists().first().id.toString(QUuid::WithoutBraces);

    QQmlEngine engine;
    engine.addImportPath(u"qrc:/"_s);
    addImageProviders(engine);
    const QVariantMap managers{{u"libraryManager"_s, QVariant::fromValue<QObject *>(&library)},
                               {u"playerManager"_s, QVariant::fromValue<QObject *>(&player)}};

    // The videos grid beside a bare grid in cells of the same size.
    ScrollComparison gridScroll;
    {
        ShownView view = showView(engine, viewSource("BENCH_VIDEOS_QML", u"VideoLibraryView.qml"_s), managers);
        auto *grid = view.child("videoGrid");
        if (grid->property("count").toInt() != videoCount)
            fail("the grid does not show every video");
        const double cellWidth = grid->property("cellWidth").toDouble();
        const double cellHeight = grid->property("cellHeight").toDouble();
        const int columns = grid->property("columns").toInt();
        ShownView bare = showQml(engine, workdir, u"BareGrid.qml"_s, uR"(import QtQuick
GridView {
    model: %1
    reuseItems: true
    cellWidth: %2
    cellHeight: %3
    delegate: Rectangle {
        width: GridView.view.cellWidth - 16
        height: GridView.view.cellHeight - 16
        color: "#8080c0"
    }
}
)"_s.arg(videoCount).arg(cellWidth).arg(cellHeight));
        // As far as the library list scrolls, and never past the end.
        const int gridRows = std::min(int(3000 * 46 / cellHeight), videoCount / std::max(1, columns) - 10);
        // Five rounds: these frames lean on the software renderer most, whose share of a
        // shared machine varies most.
        gridScroll = scrollSideBySide(view, grid, bare, bare.root(), gridRows * cellHeight, 5);

        // Resized to what the smallest window leaves a section, and back: the grid lays
        // its 10,000 cards out again in fewer columns, without a long stall.
        view.window->show();
        view.probe->settle();
        for (const int width : {680, viewSize.width()}) {
            const double ms = view.probe->actionToFrameMs([&] { view.window->resize(width, viewSize.height()); });
            view.probe->settle();
            if (verbose())
                std::fprintf(stderr, "grid resized to %d: %.1f ms to the frame, %d columns\n", width,
                             ms, grid->property("columns").toInt());
            if (ms > 1000)
                fail("resizing the grid stalled");
        }
        if (grid->property("columns").toInt() != columns)
            fail("the grid did not lay out its columns again");
    }

    // A 300-chapter book opened, to its frame; closed again between tries.
    double expandMs = 0, modelExpandMs = 0;
    ScrollComparison bookScroll;
    {
        AudiobookRowsModel rows;
        rows.setLibrary(&library);
        std::vector<double> model;
        for (int i = 0; i < 7; ++i) {
            model.push_back(timedMs([&] { rows.setExpanded(longBook, true); }));
            rows.setExpanded(longBook, false);
        }
        modelExpandMs = median(model);

        ShownView view = showView(engine, viewSource("BENCH_AUDIOBOOKS_QML", u"AudiobookView.qml"_s), managers);
        auto *list = view.child("audiobookList");
        auto *bookRows = qobject_cast<AudiobookRowsModel *>(list->property("model").value<QObject *>());
        if (!bookRows || list->property("count").toInt() != bookCount)
            fail("the audiobooks list does not show every book");
        std::vector<double> frames;
        for (int i = 0; i < 7; ++i) {
            frames.push_back(view.probe->actionToFrameMs([&] { bookRows->setExpanded(longBook, true); }));
            if (list->property("count").toInt() != bookCount + longBookChapters)
                fail("the book did not open");
            view.probe->settle(20);
            bookRows->setExpanded(longBook, false);
            view.probe->settle(20);
        }
        expandMs = median(frames);

        // The 300 closed cards beside a bare list of rows as tall.
        const int bookHeight = 88 + 16;
        ShownView bare = showBareList(engine, workdir, bookCount, bookHeight, true);
        bookScroll = scrollSideBySide(view, list, bare, bare.root(), (bookCount - 10) * bookHeight, 5);
    }

    printLine("videos-scroll-frame-ratio", gridScroll.frameMs, "ms", gridScroll.baselineFrameMs);
    printLine("videos-scroll-stall-ms", gridScroll.stallMs, "ms", gridScroll.baselineStallMs);
    printLine("audiobook-expand-ms", expandMs, "ms", modelExpandMs);
    printLine("audiobook-scroll-frame-ratio", bookScroll.frameMs, "ms", bookScroll.baselineFrameMs);
    return 0;
}
