// Figures of the online-video code: parsing yt-dlp's JSON, reading progress lines, and
// many downloads at once from a loopback server. Prints BENCH lines, each beside a
// baseline measured in the same run.
#include "LoopbackMediaServer.h"
#include "core/DownloadProgressParser.h"
#include "core/YouTubeService.h"
#include "models/YouTubeVideoInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void printBench(const char *name, double value, const char *unit, double baseline)
{
    std::printf("BENCH %s value=%.3f unit=%s baseline=%.3f ratio=%.3f\n", name, value, unit,
                baseline, baseline > 0 ? value / baseline : 0.0);
    std::fflush(stdout);
}

template <typename F>
double medianMs(int runs, F &&body)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        body();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A "--dump-json" output with a 2 MB description and a realistic format list.
QByteArray bigInfoJson()
{
    QJsonArray formats;
    for (int i = 0; i < 40; ++i) {
        formats.append(QJsonObject{{u"format_id"_s, QString::number(100 + i)},
                                   {u"ext"_s, i % 2 ? u"m4a"_s : u"mp4"_s},
                                   {u"format_note"_s, u"720p"_s},
                                   {u"filesize"_s, 1'000'000 + i},
                                   {u"vcodec"_s, i % 2 ? u"none"_s : u"avc1.64001F"_s}});
    }
    QString description;
    while (description.size() < 2'000'000)
        description += u"A line of the description, with some words in it. "_s;
    return QJsonDocument(QJsonObject{{u"id"_s, u"abc"_s},
                                     {u"title"_s, u"Title"_s},
                                     {u"duration"_s, 212},
                                     {u"description"_s, description},
                                     {u"formats"_s, formats}})
        .toJson(QJsonDocument::Compact);
}

void benchParse()
{
    const QByteArray json = bigInfoJson();
    // As the service does it: on the thread pool, the caller only waits in this program.
    const double value = medianMs(21, [&] {
        auto future = QtConcurrent::run([&] { return YouTubeVideoInfo::fromJson(json, u"u"_s); });
        if (!future.result().ok())
            qFatal("parse failed");
    });
    const double baseline = medianMs(21, [&] { (void)QJsonDocument::fromJson(json); });
    printBench("parse-info-ms", value, "ms", baseline);
}

void benchProgress()
{
    QByteArray output;
    const int lines = 400'000;
    for (int i = 0; i < lines; ++i) {
        if (i % 100 == 0)
            output += "[download] Destination: /home/user/Music/Lyrabox Downloads/Some title.webm\n";
        else
            output += "[download]  " + QByteArray::number((i % 1000) / 10.0, 'f', 1)
                      + "% of   76.06MiB at   25.11MiB/s ETA 00:03\n";
    }
    constexpr qsizetype chunk = 4096; // a pipe read's worth
    qint64 reports = 0;
    const double valueMs = medianMs(5, [&] {
        DownloadProgressParser parser([&](double, const QString &) { ++reports; });
        for (qsizetype at = 0; at < output.size(); at += chunk)
            parser.feed(QByteArrayView(output).sliced(at, std::min(chunk, output.size() - at)));
    });
    // Baseline: only finding the line ends and decoding each line, no rules.
    qint64 decoded = 0;
    const double baselineMs = medianMs(5, [&] {
        for (const QByteArray &line : output.split('\n'))
            decoded += QString::fromUtf8(line).size();
    });
    if (reports == 0 || decoded == 0)
        qFatal("nothing read");
    printBench("progress-lines-per-s", lines / (valueMs / 1000), "lines/s",
               lines / (baselineMs / 1000));
}

int openDescriptors()
{
    return static_cast<int>(QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

int childProcesses()
{
    int count = 0;
    const QString self = QString::number(::getpid());
    for (const QString &pid : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        QFile stat(u"/proc/"_s + pid + u"/stat"_s);
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(stat.readAll());
        const QStringList fields = text.mid(text.lastIndexOf(u')') + 2).split(u' ');
        if (fields.value(1) == self)
            ++count;
    }
    return count;
}

// Runs the downloads `parallel` at a time (all at once, or one after another); seconds.
double runDownloads(YouTubeService &service, const QStringList &addresses, const QString &folder,
                    bool parallel)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QElapsedTimer timer;
    timer.start();
    int finished = 0;
    int failed = 0;
    QEventLoop loop;
    std::function<void(int)> startAt = [&](int index) {
        service.download(addresses[index], QUrl::fromLocalFile(folder), false, {},
                         [&, index](const YouTubeResult<QUrl> &result) {
                             if (!result.ok()) {
                                 ++failed;
                                 std::fprintf(stderr, "%s\n",
                                              qPrintable(result.error().description()));
                             }
                             if (++finished == addresses.size())
                                 loop.quit();
                             else if (!parallel)
                                 startAt(index + 1);
                         });
    };
    if (parallel) {
        for (int i = 0; i < addresses.size(); ++i)
            startAt(i);
    } else {
        startAt(0);
    }
    loop.exec();
    if (failed > 0 || QDir(folder).entryList(QDir::Files).size() != addresses.size())
        qFatal("downloads failed");
    return timer.nsecsElapsed() / 1e9;
}

int benchParallelDownloads()
{
    QTemporaryDir scratch;
    LoopbackMediaServer server(scratch.path() + u"/www"_s);
    QString error;
    if (!server.start(&error) || !server.makeClip(u"clip.mp4"_s, 2, &error))
        qFatal("%s", qPrintable(error));
    QStringList addresses;
    for (int i = 0; i < 20; ++i) {
        const QString name = u"clip%1.mp4"_s.arg(i, 2, 10, QChar(u'0'));
        QFile::copy(server.root() + u"/clip.mp4"_s, server.root() + u'/' + name);
        addresses << server.url(name);
    }

    YouTubeToolPaths paths = YouTubeToolPaths::standard();
    paths.tempParent = scratch.path();
    YouTubeService service(paths);
    if (!service.isYtDlpInstalled())
        qFatal("yt-dlp is not installed");
    const QString privateDir = service.privateDirectory();

    const int fdsBefore = openDescriptors();
    const int childrenBefore = childProcesses();
    const double sequential = runDownloads(service, addresses, scratch.path() + u"/one"_s, false);
    const double parallel = runDownloads(service, addresses, scratch.path() + u"/all"_s, true);
    QCoreApplication::processEvents(); // let finished runs delete themselves
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const int leakedFds = openDescriptors() - fdsBefore;
    const int leakedChildren = childProcesses() - childrenBefore;
    const qsizetype strayFiles =
        QDir(privateDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size();
    printBench("parallel-20-downloads-s", parallel, "s", sequential);
    std::printf("CHECK parallel-20-downloads leaked-fds=%d leaked-processes=%d stray-temp-files=%lld\n",
                leakedFds, leakedChildren, static_cast<long long>(strayFiles));
    return leakedFds > 0 || leakedChildren > 0 || strayFiles > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchParse();
    benchProgress();
    return benchParallelDownloads();
}
