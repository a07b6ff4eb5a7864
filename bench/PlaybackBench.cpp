// Playback figures, each beside a baseline measured in the same run.
//   PlaybackBench play-start FILE  time from play(items, startingAt) to the first
//                                  position past 0 (real mpv, null outputs), against
//                                  a bare libmpv client doing the same
//   PlaybackBench cpu FILE         CPU time of a headless process playing FILE through
//                                  the engine, against `mpv --no-video --ao=null FILE`
//   PlaybackBench chapter-tick     one time callback for an item with 2,000 chapters,
//                                  against a bare scan of the same chapter times
//   PlaybackBench headless FILE    (used by cpu) plays FILE to its end and exits
#include "FakePlayerBackend.h"
#include "core/MediaPlayerManager.h"
#include "media/MpvHandle.h"
#include "media/MpvPlayerBackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <mpv/client.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

void printBench(const char *name, double value, const char *unit, double baseline)
{
    std::printf("BENCH %s value=%.3f unit=%s baseline=%.3f ratio=%.3f\n", name, value, unit,
                baseline, baseline > 0 ? value / baseline : 0.0);
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::unique_ptr<MpvPlayerBackend> nullOutputPlayer()
{
    MpvPlayerBackend::Options options;
    options.audioOutput = "null";
    options.videoOutput = "null";
    return std::make_unique<MpvPlayerBackend>(options);
}

MediaItem itemFor(const QString &path)
{
    MediaItem item;
    item.url = QUrl::fromLocalFile(path);
    return item;
}

// Milliseconds from play() to the first reported position past 0.
double engineStart(MediaPlayerManager &player, const QString &path)
{
    QElapsedTimer clock;
    double elapsed = -1;
    QEventLoop loop;
    auto connection = QObject::connect(&player, &MediaPlayerManager::currentTimeChanged, [&] {
        if (elapsed < 0 && player.currentTime() > 0 && player.isPlaying()) {
            elapsed = clock.nsecsElapsed() / 1e6;
            loop.quit();
        }
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    clock.start();
    player.play(QList<MediaItem>{itemFor(path)}, 0);
    if (elapsed < 0)
        loop.exec();
    QObject::disconnect(connection);
    player.pause();
    return elapsed;
}

// The same with a bare libmpv client: loadfile, then wait for time-pos past 0.
double bareStart(mpv_handle *core, const QString &path)
{
    const QByteArray file = path.toUtf8();
    QElapsedTimer clock;
    clock.start();
    const char *load[] = {"loadfile", file.constData(), "replace", nullptr};
    mpv_command(core, load);
    const char *unpause[] = {"set", "pause", "no", nullptr};
    mpv_command(core, unpause);
    while (clock.elapsed() < 10000) {
        mpv_wait_event(core, 0.001);
        double position = 0;
        if (mpv_get_property(core, "time-pos", MPV_FORMAT_DOUBLE, &position) >= 0 && position > 0) {
            const double elapsed = clock.nsecsElapsed() / 1e6;
            const char *pause[] = {"set", "pause", "yes", nullptr};
            mpv_command(core, pause);
            return elapsed;
        }
    }
    return -1;
}

int playStart(const QString &path)
{
    constexpr int runs = 15;
    QElapsedTimer cold;
    cold.start();
    MediaPlayerManager player([] { return nullOutputPlayer(); });
    const double coldStart = engineStart(player, path);
    std::vector<double> engine;
    for (int i = 0; i < runs; ++i)
        engine.push_back(engineStart(player, path));

    MpvHandle bare = Mpv::createCore({{"ao", "null"}, {"vo", "null"}});
    std::vector<double> baseline;
    bareStart(bare.get(), path); // warm-up, as for the engine
    for (int i = 0; i < runs; ++i)
        baseline.push_back(bareStart(bare.get(), path));

    printBench("play-start-ms", median(engine), "ms", median(baseline));
    printBench("play-start-first-ms", coldStart, "ms", median(baseline));
    return 0;
}

int headless(const QString &path)
{
    MediaPlayerManager player([] { return nullOutputPlayer(); });
    QObject::connect(&player, &MediaPlayerManager::isPlayingChanged, [&] {
        if (!player.isPlaying())
            QCoreApplication::quit();
    });
    player.play(QList<MediaItem>{itemFor(path)}, 0);
    return QCoreApplication::exec();
}

double childCpuSeconds(pid_t pid)
{
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
           + usage.ru_stime.tv_usec / 1e6;
}

pid_t spawn(const std::vector<QByteArray> &args)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> argv;
        for (const QByteArray &arg : args)
            argv.push_back(const_cast<char *>(arg.constData()));
        argv.push_back(nullptr);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

int cpu(const QString &self, const QString &path)
{
    // Both at once, on the same file: same machine load for both.
    const pid_t engine = spawn({self.toLocal8Bit(), "headless", path.toLocal8Bit()});
    const pid_t reference = spawn({"mpv", "--no-video", "--ao=null", path.toLocal8Bit()});
    const double engineCpu = childCpuSeconds(engine);
    const double referenceCpu = childCpuSeconds(reference);
    if (engineCpu < 0 || referenceCpu < 0) {
        std::fprintf(stderr, "a player failed\n");
        return 1;
    }
    std::printf("BENCH playback-cpu-ratio value=%.3f unit=ratio baseline=1 ratio=%.3f\n",
                engineCpu / referenceCpu, engineCpu / referenceCpu);
    std::printf("BENCH playback-cpu-s value=%.3f unit=s baseline=%.3f ratio=%.3f\n", engineCpu,
                referenceCpu, engineCpu / referenceCpu);
    return 0;
}

int chapterTick()
{
    constexpr int chapterCount = 2000;
    constexpr double chapterLength = 18.0; // a ten-hour book
    QList<Chapter> chapters;
    for (int i = 0; i < chapterCount; ++i)
        chapters.append(Chapter(u"Chapter %1"_s.arg(i + 1), i * chapterLength,
                                (i + 1) * chapterLength, i));
    MediaItem book;
    book.url = QUrl::fromLocalFile(u"/book.m4b"_s);
    book.chapters = chapters;

    FakePlayerBackend::State state;
    FakePlayerBackend *fake = nullptr;
    MediaPlayerManager player([&] {
        auto made = std::make_unique<FakePlayerBackend>(state);
        fake = made.get();
        return made;
    });
    player.play(QList<MediaItem>{book}, 0);

    // Positions sweep the whole book every 0.25 s of playing time, as during playback;
    // a quarter of a second of playing later crosses a chapter now and then.
    const double total = chapterCount * chapterLength;
    constexpr int ticks = 400000;
    std::vector<double> positions(ticks);
    for (int i = 0; i < ticks; ++i)
        positions[i] = std::fmod(i * 0.25 * 37.0, total);

    QElapsedTimer clock;
    clock.start();
    for (double position : positions)
        fake->reportTime(position);
    const double engineUs = clock.nsecsElapsed() / 1e3 / ticks;

    std::vector<std::pair<double, double>> bare;
    for (const Chapter &chapter : chapters)
        bare.emplace_back(chapter.startTime, chapter.endTime);
    volatile qsizetype sink = 0;
    clock.restart();
    for (double position : positions) {
        for (qsizetype i = 0; i < qsizetype(bare.size()); ++i) {
            if (bare[i].first <= position && bare[i].second > position) {
                sink = sink + i;
                break;
            }
        }
    }
    const double bareUs = clock.nsecsElapsed() / 1e3 / ticks;
    printBench("chapter-tick-us", engineUs, "us", bareUs);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    if (mode == u"play-start"_s && args.size() > 2)
        return playStart(args[2]);
    if (mode == u"cpu"_s && args.size() > 2)
        return cpu(QCoreApplication::applicationFilePath(), args[2]);
    if (mode == u"headless"_s && args.size() > 2)
        return headless(args[2]);
    if (mode == u"chapter-tick"_s)
        return chapterTick();
    std::fprintf(stderr, "usage: %s play-start FILE | cpu FILE | chapter-tick\n", argv[0]);
    return 2;
}
