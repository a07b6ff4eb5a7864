// The Downloads view while downloads run and over a long queue. Prints BENCH lines, each
// beside a baseline measured in the same run:
//  - downloads-view-stall-ms: 20 downloads by Debian's yt-dlp from a loopback server at
//    once, the view shown: the longest time the GUI thread did not get to a 2 ms timer,
//    against the same downloads with no view. The rows must change by role only: the
//    model's changes are counted and a reset fails the run.
//  - downloads-view-1000-rows-frame-ratio: median time between frames while 1,000 rows
//    scroll, against a bare ListView of one-Text rows as tall, the two scrolled in turn.
// Usage: bench_downloads_view WORKDIR (bench/downloads-view.sh runs it under Xvfb).
#include "ImageProviders.h"
#include "LoopbackMediaServer.h"
#include "ViewBench.h"
#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/YouTubeService.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <chrono>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

using namespace Qt::StringLiterals;
using namespace ViewBench;

namespace {

constexpr int kParallel = 20;
constexpr int kRows = 1000;
constexpr int kRowHeight = 58;

// The longest gap between ticks of a 2 ms timer on the GUI thread while `running` holds,
// less the timer's own interval.
template <typename Running> double longestStallMs(Running &&running)
{
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    qint64 last = ViewBench::clock().nsecsElapsed();
    double longest = 0;
    QEventLoop loop;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = ViewBench::clock().nsecsElapsed();
        longest = std::max(longest, msSince(last, now) - 2);
        last = now;
        if (!running())
            loop.quit();
    });
    ticker.start(2);
    loop.exec();
    return longest;
}

// Queues the 20 downloads at once and returns the longest stall until all have finished.
double downloadStall(DownloadManager &downloads, const QStringList &addresses)
{
    const qsizetype first = downloads.downloads().size();
    for (const QString &address : addresses)
        downloads.addDownload(address, QFileInfo(address).baseName(), false);
    const auto running = [&] {
        for (qsizetype i = first; i < downloads.downloads().size(); ++i) {
            const auto status = downloads.downloads().at(i).status;
            if (status != DownloadTask::Status::completed && status != DownloadTask::Status::failed)
                return true;
        }
        return false;
    };
    const double stall = longestStallMs(running);
    for (qsizetype i = first; i < downloads.downloads().size(); ++i) {
        if (downloads.downloads().at(i).status != DownloadTask::Status::completed)
            fail(qPrintable(u"a download failed: "_s + downloads.downloads().at(i).statusMessage));
    }
    return stall;
}

// A stand-in yt-dlp for the long queue: fails or saves a file at once, by its address.
constexpr auto kQuickTool = R"SH(#!/bin/sh
for a in "$@"; do [ "$prev" = "-o" ] && out_dir=$(dirname "$a"); prev="$a"; done
case "$prev" in
*fail*) echo "ERROR: [generic] None: Unable to download webpage: HTTP Error 404: Not Found" >&2; exit 1 ;;
*) : > "$out_dir/$(basename "$prev").mp4"; echo "[download] Destination: $out_dir/$(basename "$prev").mp4" ;;
esac
)SH";

} // namespace

int main(int argc, char *argv[])
{
    const Start started = start(argc, argv, "downloads-view", std::chrono::minutes(10));
    const QString &workdir = started.workdir;
    QDir(workdir).removeRecursively();
    QDir().mkpath(workdir);

    QQmlEngine engine;
    engine.addImportPath(u"qrc:/"_s);
    addImageProviders(engine);
    LibraryManager library;

    // 20 downloads from the loopback server, with and without the view.
    LoopbackMediaServer server(workdir + u"/www"_s);
    QString error;
    if (!server.start(&error) || !server.makeClip(u"clip.mp4"_s, 30, &error))
        fail(qPrintable(error));
    const auto addressesFor = [&](const QString &round) {
        QStringList addresses;
        for (int i = 0; i < kParallel; ++i) {
            const QString name = round + u"%1.mp4"_s.arg(i, 2, 10, QChar(u'0'));
            QFile::copy(server.root() + u"/clip.mp4"_s, server.root() + u'/' + name);
            addresses << server.url(name);
        }
        return addresses;
    };
    YouTubeToolPaths paths = YouTubeToolPaths::standard();
    paths.tempParent = workdir;
    YouTubeService service(paths);
    if (!service.isYtDlpInstalled())
        fail("yt-dlp is not installed");

    // BENCH_DOWNLOADS_ROWS_ONLY set: only the scrolling figure (for trying row variants).
    const bool rowsOnly = qEnvironmentVariableIsSet("BENCH_DOWNLOADS_ROWS_ONLY");
    double bareStall = 0;
    if (!rowsOnly) {
        DownloadManager downloads;
        downloads.setDownloadDirectory(QUrl::fromLocalFile(workdir + u"/bare"_s));
        downloads.setYoutubeService(&service);
        bareStall = downloadStall(downloads, addressesFor(u"bare"_s));
    }
    double viewStall = 0;
    int roleChanges = 0, resets = 0, inserts = 0, updates = 0;
    if (!rowsOnly) {
        DownloadManager downloads;
        downloads.setDownloadDirectory(QUrl::fromLocalFile(workdir + u"/shown"_s));
        downloads.setYoutubeService(&service);
        QObject::connect(&downloads, &DownloadManager::downloadUpdated, [&] { ++updates; });
        ShownView view = showView(engine, QUrl(u"qrc:/Lyrabox/DownloadQueueView.qml"_s),
                                  {{u"downloadManager"_s, QVariant::fromValue<QObject *>(&downloads)},
                                   {u"libraryManager"_s, QVariant::fromValue<QObject *>(&library)}});
        auto *model = view.child("downloadList")->property("model").value<QAbstractItemModel *>();
        if (!model)
            fail("the list has no model");
        QObject::connect(model, &QAbstractItemModel::dataChanged,
                         [&](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                             roleChanges += !roles.isEmpty();
                             resets += roles.isEmpty();
                         });
        QObject::connect(model, &QAbstractItemModel::modelReset, [&] { ++resets; });
        QObject::connect(model, &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
        view.probe->settle(3);
        // The first row of a run makes the style's spinner; the figure is for a view in use.
        const double firstStall = downloadStall(downloads, addressesFor(u"first"_s).mid(0, 1));
        view.probe->settle(2);
        viewStall = downloadStall(downloads, addressesFor(u"shown"_s));
        std::printf("CHECK downloads-view-first-download-stall-ms %.1f\n", firstStall);
        view.probe->settle(2);
    }
    if (!rowsOnly && resets > 0)
        fail("the rows were reset while downloads ran");
    if (!rowsOnly && inserts != kParallel + 1)
        fail("rows were not inserted one by one");
    if (!rowsOnly && roleChanges == 0)
        fail("no row changed");
    if (!rowsOnly)
        std::printf("CHECK downloads-view-stall updates=%d role-changes=%d resets=%d inserts=%d\n",
                updates, roleChanges, resets, inserts);

    // 1,000 rows: a quarter waiting (no service yet), the rest completed or failed.
    ScrollComparison rowsScroll;
    {
        const QString tool = workdir + u"/bin/yt-dlp"_s;
        QDir().mkpath(workdir + u"/bin"_s);
        QFile script(tool);
        if (!script.open(QIODevice::WriteOnly) || script.write(kQuickTool) < 0)
            fail("cannot write the stand-in tool");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        YouTubeToolPaths quick;
        quick.ytDlpPaths = {tool};
        quick.loginShell = workdir + u"/no-shell"_s;
        quick.tempParent = workdir;
        YouTubeService quickService(quick);
        DownloadManager downloads;
        downloads.setDownloadDirectory(QUrl::fromLocalFile(workdir + u"/queue"_s));
        for (int i = 0; i < kRows / 4; ++i)
            downloads.addDownload(u"waiting"_s, u"Waiting video %1"_s.arg(i), i % 2);
        downloads.setYoutubeService(&quickService);
        for (int i = kRows / 4; i < kRows; i += 50) {
            for (int j = i; j < i + 50; ++j)
                downloads.addDownload(j % 2 ? u"fail%1"_s.arg(j) : u"Saved video %1"_s.arg(j),
                                      u"Video number %1 of the long queue"_s.arg(j), j % 3 == 0);
            QEventLoop loop;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (downloads.activeCount() == 0)
                    loop.quit();
            });
            poll.start(10);
            loop.exec();
        }
        ShownView view = showView(engine, QUrl(u"qrc:/Lyrabox/DownloadQueueView.qml"_s),
                                  {{u"downloadManager"_s, QVariant::fromValue<QObject *>(&downloads)},
                                   {u"libraryManager"_s, QVariant::fromValue<QObject *>(&library)}});
        auto *list = view.child("downloadList");
        if (list->property("count").toInt() != kRows)
            fail("the list does not show every entry");
        view.probe->settle(5);
        // The list does not reuse its rows (DownloadQueueView), nor does its baseline.
        ShownView bare = showBareList(engine, workdir, kRows, kRowHeight, false);
        rowsScroll = scrollSideBySide(view, list, bare, bare.root(), (kRows - 20) * kRowHeight);
    }

    if (!rowsOnly)
        printLine("downloads-view-stall-ms", viewStall, "ms", bareStall);
    printLine("downloads-view-1000-rows-frame-ratio", rowsScroll.frameMs, "ms", rowsScroll.baselineFrameMs);
    return 0;
}
