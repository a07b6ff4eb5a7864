#pragma once

// What the view benchmarks share: one clock, frames waited for with a deadline, views
// shown in their own window at the size the main window gives a section, medians and
// the BENCH lines.
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSize>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <atomic>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace ViewBench {

// The part of the main window a section view gets beside the sidebar.
constexpr QSize viewSize(960, 680);
constexpr int frameTimeoutMs = 20000;

// The benchmark's name, for failure messages.
void setName(const char *name);

// The start each view benchmark makes: a watchdog that ends a run still going after
// `limit` (a frame that never comes inside a blocking call), the benchmark's name, the
// app's graphics set-up (OpenGL, a small texture atlas), the application object, and
// the app's numeric locale, style and palette. The work folder is the one argument; a
// run without it ends with the usage.
struct Start
{
    std::unique_ptr<QGuiApplication> application;
    QString workdir;
};
Start start(int &argc, char **argv, const char *name, std::chrono::minutes limit);
[[noreturn]] void fail(const char *what);

// The clock every timestamp is read from, on whichever thread.
const QElapsedTimer &clock();
double msSince(qint64 startNs, qint64 endNs);
double median(std::vector<double> values);
void printLine(const char *name, double value, const char *unit, double baseline);
// CPU time of the calling thread or of the whole process, or any other clock by id: the
// machine may be shared, and wall-clock times then include waits for a free core, which
// these leave out.
double cpuMs(clockid_t which);
// BENCH_VERBOSE set: print the breakdowns behind the figures.
bool verbose();

template <typename Action> double timedMs(Action &&action)
{
    const qint64 start = clock().nsecsElapsed();
    action();
    return msSince(start, clock().nsecsElapsed());
}

// Tells when a window has shown a frame that reflects what the main thread did before
// the wait began. With the threaded render loop a frame being rendered while the main
// thread acted was synchronised before, so the first swap that counts is the one
// following a synchronisation after the wait began: the scene graph synchronises while
// the main thread is blocked, so it cannot see half an action.
class FrameProbe : public QObject
{
public:
    explicit FrameProbe(QQuickWindow *window) : m_window(window)
    {
        window->installEventFilter(this);
        connect(
            window, &QQuickWindow::beforeSynchronizing, this,
            [this] { m_syncStart = clock().nsecsElapsed(); }, Qt::DirectConnection);
        connect(
            window, &QQuickWindow::afterSynchronizing, this,
            [this] {
                m_synced = m_armed.load();
                if (m_synced)
                    m_syncNs = clock().nsecsElapsed() - m_syncStart;
            },
            Qt::DirectConnection);
        connect(
            window, &QQuickWindow::beforeRendering, this,
            [this] { m_renderStart = clock().nsecsElapsed(); }, Qt::DirectConnection);
        connect(
            window, &QQuickWindow::afterRendering, this,
            [this] {
                if (m_synced) {
                    m_renderedAt = clock().nsecsElapsed();
                    m_renderNs = m_renderedAt - m_renderStart;
                }
            },
            Qt::DirectConnection);
        connect(
            window, &QQuickWindow::frameSwapped, this,
            [this] {
                if (!m_synced.exchange(false))
                    return;
                m_armed = false;
                m_swappedAt = clock().nsecsElapsed();
                QMetaObject::invokeMethod(
                    this, [this] { m_loop.quit(); }, Qt::QueuedConnection);
            },
            Qt::DirectConnection);
    }

    // Waits for the first frame showing the state of now; returns when it was swapped
    // (on clock()).
    qint64 nextFrame()
    {
        m_swappedAt = -1;
        m_synced = false;
        m_armed = true;
        m_window->update();
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &m_loop, &QEventLoop::quit);
        deadline.start(frameTimeoutMs);
        while (m_swappedAt.load() < 0 && deadline.isActive())
            m_loop.exec();
        if (m_swappedAt.load() < 0)
            fail("a frame never came");
        return m_swappedAt.load();
    }

    // Milliseconds from the start of `action` to the frame that shows its outcome.
    template <typename Action> double actionToFrameMs(Action &&action)
    {
        const qint64 start = clock().nsecsElapsed();
        action();
        return msSince(start, nextFrame());
    }

    // For the breakdown printed with BENCH_VERBOSE: how long the scene graph took to
    // synchronise and to render the last frame waited for.
    double syncMs() const { return m_syncNs / 1e6; }
    double renderMs() const { return m_renderNs / 1e6; }
    // When the window last had its update request (the platform delivers it up to 5 ms
    // after it was asked for: time the main thread waits) and when the last frame
    // waited for finished rendering (what follows, to its swap, is the software
    // renderer drawing it).
    qint64 updateRequestAt() const { return m_updateRequestAt; }
    qint64 renderedAt() const { return m_renderedAt; }

    void settle(int frames = 3)
    {
        for (int i = 0; i < frames; ++i)
            nextFrame();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            m_updateRequestAt = clock().nsecsElapsed();
        return false;
    }

private:
    QQuickWindow *m_window;
    QEventLoop m_loop;
    std::atomic<bool> m_armed{false};
    std::atomic<bool> m_synced{false};
    std::atomic<qint64> m_swappedAt{-1};
    // Written and read on the render thread, then read after the swap.
    qint64 m_syncStart = 0, m_renderStart = 0;
    std::atomic<qint64> m_syncNs{0}, m_renderNs{0}, m_renderedAt{0};
    qint64 m_updateRequestAt = 0;
};

// A view in its own window, sized as in the main window, shown and drawn.
struct ShownView
{
    std::unique_ptr<QQuickView> window;
    std::unique_ptr<FrameProbe> probe;

    QQuickItem *root() const { return window->rootObject(); }
    template <typename T = QQuickItem> T *child(const char *objectName) const
    {
        T *found = root()->findChild<T *>(QString::fromLatin1(objectName));
        if (!found)
            fail((std::string("the view has no ") + objectName).c_str());
        return found;
    }
};

ShownView showView(QQmlEngine &engine, const QUrl &source, const QVariantMap &properties);
// A bare baseline from its QML text, written to `workdir` as `name` and shown.
ShownView showQml(QQmlEngine &engine, const QString &workdir, const QString &name,
                  const QString &text);
// The lists' baseline: a bare ListView of one-Text rows, `rows` of them `rowHeight`
// tall, reusing its rows when the view beside it does (a list deleting its rows starts
// the platform's update timer early, see ARCHITECTURE.md).
ShownView showBareList(QQmlEngine &engine, const QString &workdir, int rows, double rowHeight,
                       bool reuseRows);

// The median and the longest time between frames while `list` scrolls down `distance`
// pixels from where it is, `step` a frame. 92 pixels a frame (two library rows; some
// 5,500 a second at 60 frames a second) is a fast flick.
std::pair<double, double> scrollFrameStats(ShownView &view, QQuickItem *list, double distance,
                                           double step = 92);

// A view and its baseline scrolled the same distance from their tops in turn, each
// shown alone, `rounds` times: the speed of a shared machine drifts over a run, and a
// drift then touches both alike instead of whichever ran second. Frame times are the
// medians of the rounds' medians; stalls the median of the rounds' longest frames (a
// hiccup of the host, which the baseline shows as well, stays one round's).
struct ScrollComparison
{
    double frameMs = 0, baselineFrameMs = 0;
    double stallMs = 0, baselineStallMs = 0;
};
ScrollComparison scrollSideBySide(ShownView &view, QQuickItem *list, ShownView &baseline,
                                  QQuickItem *baselineList, double distance, int rounds = 3);

// Prints (for BENCH_VERBOSE) the frames of an animation moving `list` down `distance`
// pixels at `pixelsPerSecond`, as a flick or a wheel moves it: the render loop then
// paces the frames (60 a second at most) and overlaps the main thread's work with the
// render thread's, beside the stepped scroll, which measures what each frame costs.
void printAnimatedScroll(ShownView &view, QQuickItem *list, double distance,
                         double pixelsPerSecond = 5500);

} // namespace ViewBench
