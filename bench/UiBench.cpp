// User-interface figures, each beside a baseline measured in the same run:
//  - first-frame-ms: process start to the first frame of the main window, against a
//    bare Qt Quick window (median of seven starts each, taken in turn);
//  - first-frame-arabic-ms: the same in Arabic (translated and mirrored), against the
//    English window, the two started in turn;
//  - ui-playing-cpu-ratio: CPU share of the app playing an mp3 with its window shown,
//    against `mpv --no-video` playing the same file, over the same stretch of
//    playback (after start-up): the median of one-second samples over three runs
//    each, so that a stray burst of work on a shared machine does not decide it.
// Usage: bench_ui BUILD_DIR   (needs a display: bench/ui.sh runs it under Xvfb)
#include "MediaFixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Milliseconds from starting `program` to its "first-frame" line; -1 on failure.
double firstFrameMs(const QString &program, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForStarted(10000))
        return -1;
    while (process.state() == QProcess::Running && timer.elapsed() < 30000) {
        if (process.waitForReadyRead(100) || process.canReadLine()) {
            while (process.canReadLine()) {
                if (process.readLine().trimmed() == "first-frame") {
                    const double ms = timer.nsecsElapsed() / 1e6;
                    process.waitForFinished(10000);
                    return ms;
                }
            }
        }
    }
    process.kill();
    process.waitForFinished();
    return -1;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}

// CPU seconds each thread of a running process has spent on a CPU, from the
// nanosecond counters of /proc/PID/task/TID/schedstat (the clock ticks of
// /proc/PID/stat are 10 ms, too coarse for one-second samples of a player using a few
// per cent). Empty when the process is gone.
QHash<QString, double> threadCpuSeconds(qint64 pid)
{
    const QString tasks = u"/proc/%1/task"_s.arg(pid);
    QHash<QString, double> seconds;
    for (const QString &thread : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks + u'/' + thread + u"/schedstat"_s);
        if (stat.open(QIODevice::ReadOnly)) // a thread may end meanwhile
            seconds.insert(thread, stat.readAll().split(' ').value(0).toDouble() / 1e9);
    }
    return seconds;
}

// CPU seconds spent between two readings: threads started meanwhile count in full.
double cpuBetween(const QHash<QString, double> &before, const QHash<QString, double> &after)
{
    double seconds = 0;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        seconds += it.value() - before.value(it.key(), 0);
    return seconds;
}

// CPU shares of one core (0..1 per core) that `program` uses over consecutive
// `sample`-second stretches, from `warmup` seconds after it starts; empty when it
// stopped early.
QList<double> cpuSamples(const QString &program, const QStringList &args,
                         const QProcessEnvironment &env, double warmup, double sample, int count)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return {};
    QThread::msleep(qint64(warmup * 1000));
    QList<double> shares;
    QElapsedTimer clock;
    clock.start();
    QHash<QString, double> before = threadCpuSeconds(process.processId());
    qint64 beforeNs = clock.nsecsElapsed();
    for (int i = 0; i < count && !before.isEmpty(); ++i) {
        QThread::msleep(qint64(sample * 1000));
        const QHash<QString, double> after = threadCpuSeconds(process.processId());
        const qint64 afterNs = clock.nsecsElapsed();
        if (after.isEmpty())
            break;
        shares.append(cpuBetween(before, after) / ((afterNs - beforeNs) / 1e9));
        before = after;
        beforeNs = afterNs;
    }
    const bool ranThrough = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished();
    return ranThrough && shares.size() == count ? shares : QList<double>();
}

void printLine(const char *name, double value, const char *unit, double baseline)
{
    std::printf("BENCH %s value=%.3f unit=%s baseline=%.3f ratio=%.3f\n", name, value, unit,
                baseline, baseline > 0 ? value / baseline : 0.0);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_ui BUILD_DIR\n");
        return 2;
    }
    const QString build = QString::fromLocal8Bit(argv[1]);
    const QString lyrabox = build + u"/src/app/lyrabox"_s;
    const QString bare = build + u"/bench/bench_bare_quick"_s;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LYRABOX_AUDIO_OUTPUT"_s, u"null"_s);
    env.remove(u"QT_QPA_PLATFORM"_s);

    QProcessEnvironment frameEnv = env;
    frameEnv.insert(u"LYRABOX_BENCH_FIRST_FRAME"_s, u"1"_s);
    for (const QString &name : {u"LANGUAGE"_s, u"LC_ALL"_s, u"LC_MESSAGES"_s})
        frameEnv.remove(name);
    QProcessEnvironment arabicEnv = frameEnv;
    frameEnv.insert(u"LANG"_s, u"en_US.UTF-8"_s);
    arabicEnv.insert(u"LANG"_s, u"ar_EG.UTF-8"_s);
    QList<double> appRuns;
    QList<double> arabicRuns;
    QList<double> bareRuns;
    firstFrameMs(bare, frameEnv); // warm the file cache and the shader cache
    firstFrameMs(lyrabox, frameEnv);
    firstFrameMs(lyrabox, arabicEnv);
    for (int i = 0; i < 7; ++i) {
        bareRuns.append(firstFrameMs(bare, frameEnv));
        appRuns.append(firstFrameMs(lyrabox, frameEnv));
        arabicRuns.append(firstFrameMs(lyrabox, arabicEnv));
    }
    if (appRuns.contains(-1) || bareRuns.contains(-1) || arabicRuns.contains(-1)) {
        std::fprintf(stderr, "a window never showed its first frame\n");
        return 1;
    }
    printLine("first-frame-ms", median(appRuns), "ms", median(bareRuns));
    printLine("first-frame-arabic-ms", median(arabicRuns), "ms", median(appRuns));

    MediaFixtures::AudioOptions options;
    options.seconds = 60;
    options.title = u"Bench tone"_s;
    const QString mp3 = MediaFixtures::cachedAudio(u"ui-bench.mp3"_s, options);
    if (mp3.isEmpty()) {
        std::fprintf(stderr, "could not make the mp3: %s\n", qPrintable(MediaFixtures::lastError()));
        return 1;
    }
    const double warmup = 4;
    const double sample = 1;
    const int samplesPerRun = 10;
    QProcessEnvironment playEnv = env;
    playEnv.insert(u"LYRABOX_BENCH_PLAY"_s, mp3);
    playEnv.insert(u"LYRABOX_BENCH_QUIT_AFTER"_s,
                   QString::number(warmup + sample * samplesPerRun + 10));
    QList<double> appShares;
    QList<double> mpvShares;
    for (int run = 0; run < 3; ++run) {
        const QList<double> appRun =
            cpuSamples(lyrabox, {}, playEnv, warmup, sample, samplesPerRun);
        const QList<double> mpvRun =
            cpuSamples(u"mpv"_s, {u"--no-video"_s, u"--ao=null"_s, u"--no-config"_s, mp3}, env,
                       warmup, sample, samplesPerRun);
        if (appRun.isEmpty() || mpvRun.isEmpty()) {
            std::fprintf(stderr, "a player did not run through the measurement\n");
            return 1;
        }
        appShares += appRun;
        mpvShares += mpvRun;
    }
    printLine("ui-playing-cpu-ratio", 100 * median(appShares), "percent-of-core",
              100 * median(mpvShares));
    return 0;
}
