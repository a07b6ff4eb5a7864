#include "ViewBench.h"

#include "LyraboxApp.h"
#include "platform/Appearance.h"

#include <QFile>
#include <QPropertyAnimation>
#include <QQuickStyle>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace ViewBench {

namespace {
const char *benchName = "view";
} // namespace

void setName(const char *name)
{
    benchName = name;
}

Start start(int &argc, char **argv, const char *name, std::chrono::minutes limit)
{
    std::thread([limit] {
        std::this_thread::sleep_for(limit);
        fail("the run took too long");
    }).detach();
    setName(name);
    LyraboxApp::prepareGraphics();
    // As the app does (see main.cpp): a small texture atlas.
    qputenv("QSG_ATLAS_WIDTH", "512");
    qputenv("QSG_ATLAS_HEIGHT", "512");
    Start started{std::make_unique<QGuiApplication>(argc, argv), {}};
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_%s WORKDIR\n",
                     QByteArray(name).replace('-', '_').constData());
        std::exit(2);
    }
    started.workdir = QString::fromLocal8Bit(argv[1]);
    std::setlocale(LC_NUMERIC, "C");
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setPalette(Appearance::palette(Appearance::current()));
    return started;
}

const QElapsedTimer &clock()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}

double msSince(qint64 startNs, qint64 endNs)
{
    return double(endNs - startNs) / 1e6;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "%s benchmark: %s\n", benchName, what);
    std::fflush(stderr);
    std::_Exit(1);
}

double median(std::vector<double> values)
{
    if (values.empty())
        fail("no samples");
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printLine(const char *name, double value, const char *unit, double baseline)
{
    std::printf("BENCH %s value=%.3f unit=%s baseline=%.3f ratio=%.3f\n", name, value, unit,
                baseline, baseline > 0 ? value / baseline : 0.0);
    std::fflush(stdout);
}

double cpuMs(clockid_t which)
{
    timespec now{};
    clock_gettime(which, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

bool verbose()
{
    return qEnvironmentVariableIsSet("BENCH_VERBOSE");
}

ShownView showView(QQmlEngine &engine, const QUrl &source, const QVariantMap &properties)
{
    ShownView view;
    view.window = std::make_unique<QQuickView>(&engine, nullptr);
    view.window->setResizeMode(QQuickView::SizeRootObjectToView);
    view.window->resize(viewSize);
    // On the window's colour, as in the app: what a view draws on it depends on it.
    view.window->setColor(Appearance::colors(Appearance::current()).window);
    view.window->setInitialProperties(properties);
    view.window->setSource(source);
    if (view.window->status() != QQuickView::Ready || !view.root()) {
        for (const QQmlError &error : view.window->errors())
            std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
        fail("a view could not be made");
    }
    view.probe = std::make_unique<FrameProbe>(view.window.get());
    view.window->show();
    view.probe->settle();
    return view;
}

ShownView showQml(QQmlEngine &engine, const QString &workdir, const QString &name,
                  const QString &text)
{
    const QString path = workdir + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
        fail("cannot write a bare view");
    file.close();
    return showView(engine, QUrl::fromLocalFile(path), {});
}

ShownView showBareList(QQmlEngine &engine, const QString &workdir, int rows, double rowHeight,
                       bool reuseRows)
{
    return showQml(engine, workdir, u"BareList.qml"_s, uR"(import QtQuick
ListView {
    model: %1
    reuseItems: %3
    delegate: Text {
        required property int index
        width: ListView.view.width
        height: %2
        text: "Row " + index
    }
}
)"_s.arg(rows).arg(rowHeight).arg(reuseRows ? u"true"_s : u"false"_s));
}

// Measured from swap to swap: that interval holds the main thread's share (new rows
// bound, laid out, polished) as well as the render thread's, while the render signals
// would leave out the first, which is where rows cost.
std::pair<double, double> scrollFrameStats(ShownView &view, QQuickItem *list, double distance,
                                           double step)
{
    const int frames = int(distance / step);
    const double start = list->property("contentY").toDouble();
    qint64 last = view.probe->nextFrame();
    std::vector<double> intervals, syncs, renders, steps, waits, draws;
    const double startCpuMs = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    const double startMonotonic = cpuMs(CLOCK_MONOTONIC) / 1e3;
    for (int i = 1; i <= frames; ++i) {
        const qint64 stepAt = clock().nsecsElapsed();
        list->setProperty("contentY", start + i * step);
        const qint64 steppedAt = clock().nsecsElapsed();
        const qint64 swapped = view.probe->nextFrame();
        intervals.push_back(msSince(last, swapped));
        steps.push_back(msSince(stepAt, steppedAt));
        waits.push_back(msSince(steppedAt, view.probe->updateRequestAt()));
        draws.push_back(msSince(view.probe->renderedAt(), swapped));
        syncs.push_back(view.probe->syncMs());
        renders.push_back(view.probe->renderMs());
        last = swapped;
    }
    if (verbose()) {
        // CLOCK_MONOTONIC, for matching a profile (perf record -k CLOCK_MONOTONIC).
        std::fprintf(stderr, "scroll %s: from %.3f s to %.3f s\n", qPrintable(list->objectName()),
                     startMonotonic, cpuMs(CLOCK_MONOTONIC) / 1e3);
        std::fprintf(stderr,
                     "scroll %s: frame %.2f ms, sync %.2f, render %.2f (medians); process CPU "
                     "%.2f ms a frame\n",
                     qPrintable(list->objectName()), median(intervals), median(syncs),
                     median(renders), (cpuMs(CLOCK_PROCESS_CPUTIME_ID) - startCpuMs) / frames);
        std::fprintf(stderr,
                     "scroll %s: the step itself %.2f ms, then %.2f to the update request, "
                     "%.2f from rendered to swapped (medians)\n",
                     qPrintable(list->objectName()), median(steps), median(waits), median(draws));
    }
    if (list->property("contentY").toDouble() < start + frames * step - 1)
        fail("the list did not scroll");
    return {median(intervals), *std::max_element(intervals.begin(), intervals.end())};
}

void printAnimatedScroll(ShownView &view, QQuickItem *list, double distance, double pixelsPerSecond)
{
    const double start = list->property("contentY").toDouble();
    view.probe->nextFrame();
    std::mutex mutex;
    std::vector<qint64> swaps;
    const QMetaObject::Connection swapped = QObject::connect(
        view.window.get(), &QQuickWindow::frameSwapped, view.probe.get(),
        [&] {
            const std::lock_guard lock(mutex);
            swaps.push_back(clock().nsecsElapsed());
        },
        Qt::DirectConnection);
    QPropertyAnimation animation(list, "contentY");
    animation.setStartValue(start);
    animation.setEndValue(start + distance);
    animation.setDuration(int(distance / pixelsPerSecond * 1000));
    QEventLoop loop;
    QObject::connect(&animation, &QAbstractAnimation::finished, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(animation.duration() + frameTimeoutMs);
    const double startCpuMs = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    animation.start();
    loop.exec();
    QObject::disconnect(swapped);
    if (animation.state() != QAbstractAnimation::Stopped)
        fail("the animated scroll never ended");
    const std::lock_guard lock(mutex);
    std::vector<double> intervals;
    for (size_t i = 1; i < swaps.size(); ++i)
        intervals.push_back(msSince(swaps[i - 1], swaps[i]));
    if (intervals.empty())
        fail("the animated scroll drew no frames");
    std::fprintf(stderr,
                 "animated scroll %s: %zu frames, %.2f ms apart (median), longest %.2f; "
                 "process CPU %.2f ms a frame\n",
                 qPrintable(list->objectName()), swaps.size(), median(intervals),
                 *std::max_element(intervals.begin(), intervals.end()),
                 (cpuMs(CLOCK_PROCESS_CPUTIME_ID) - startCpuMs) / double(swaps.size()));
}

ScrollComparison scrollSideBySide(ShownView &view, QQuickItem *list, ShownView &baseline,
                                  QQuickItem *baselineList, double distance, int rounds)
{
    struct Side
    {
        ShownView &view;
        QQuickItem *list;
        double top;
        std::vector<double> frames = {};
        std::vector<double> stalls = {};
    };
    Side sides[] = {{view, list, list->property("contentY").toDouble()},
                    {baseline, baselineList, baselineList->property("contentY").toDouble()}};
    // One window on the screen at a time: a window under another would have less of
    // itself to put on the screen.
    for (Side &side : sides)
        side.view.window->hide();
    for (int round = 0; round < rounds; ++round) {
        for (Side &side : sides) {
            side.list->setProperty("contentY", side.top);
            side.view.window->show();
            side.view.probe->settle();
            const auto [frame, stall] = scrollFrameStats(side.view, side.list, distance);
            side.frames.push_back(frame);
            side.stalls.push_back(stall);
            side.view.window->hide();
        }
    }
    if (verbose()) {
        for (const Side &side : sides) {
            std::fprintf(stderr, "scroll %s: rounds", qPrintable(side.list->objectName()));
            for (size_t i = 0; i < side.frames.size(); ++i)
                std::fprintf(stderr, " %.2f (longest %.1f)", side.frames[i], side.stalls[i]);
            std::fprintf(stderr, " ms\n");
        }
    }
    return {median(sides[0].frames), median(sides[1].frames), median(sides[0].stalls),
            median(sides[1].stalls)};
}

} // namespace ViewBench
