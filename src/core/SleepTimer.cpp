#include "SleepTimer.h"

#include "models/TimeText.h"

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

// The player reports the position every quarter of a second while it plays, so the
// last report before a boundary comes at most that long before it. Pausing at the
// last report within this lead (wall seconds) stops before the next chapter is heard.
constexpr double leadSeconds = 0.35;
// A boundary this close (wall seconds) at the last report counts as reached when the
// next report is past it: reports can come late.
constexpr double crossingWindowSeconds = 1.5;
// An item whose end was this close (wall seconds) at the last report and that gives
// way to the next item, or starts over, has ended: lengths read from a file's headers
// can be a little longer than what plays. Earlier, the listener moved on.
constexpr double earlyEndWindowSeconds = 3.0;
// Marks closer than this to the position are behind it: a seek lands within 1/600 s.
constexpr double markTolerance = 0.01;
// A chapter mark this close to the end of the item is the end of the item.
constexpr double itemEndTolerance = 0.5;
// A jump back of more than this from near the end is the item starting over (repeat one).
constexpr double restartJump = 1.0;

constexpr int tickIntervalMs = 250;
// The player handles the end of an item it has just read to the end a moment after the
// position that says so; a start within this time after such a pause is that handling.
constexpr qint64 endSettleMs = 2000;

qint64 steadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

SleepTimer::SleepTimer(QObject *parent) : QObject(parent), m_clock(steadyMilliseconds)
{
    m_ticker = new QTimer(this);
    m_ticker->setInterval(tickIntervalMs);
    connect(m_ticker, &QTimer::timeout, this, &SleepTimer::tick);
}

SleepTimer::SleepTimer(Clock clock, QObject *parent) : QObject(parent), m_clock(std::move(clock))
{
}

SleepTimer::~SleepTimer()
{
    endFade();
}

void SleepTimer::setPlayer(MediaPlayerManager *player)
{
    if (player == m_player)
        return;
    // The timer belongs to the player it was chosen for.
    if (isActive())
        choose(Mode::off);
    for (const auto &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_player = player;
    m_positionStale = false;
    m_endGuard.reset();
    connectPlayer();
    Q_EMIT playerChanged();
}

void SleepTimer::connectPlayer()
{
    if (!m_player)
        return;
    using M = MediaPlayerManager;
    m_connections = {
        connect(m_player, &M::currentTimeChanged, this,
                [this] {
                    m_positionStale = false;
                    evaluate();
                }),
        connect(m_player, &M::currentItemChanged, this, &SleepTimer::onItemChanged),
        connect(m_player, &M::isPlayingChanged, this, &SleepTimer::onPlayingChanged),
        connect(m_player, &M::volumeChanged, this, &SleepTimer::onVolumeChanged),
        connect(m_player, &M::durationChanged, this, &SleepTimer::evaluate),
        connect(m_player, &M::chaptersChanged, this, &SleepTimer::evaluate),
        connect(m_player, &M::playbackRateChanged, this, &SleepTimer::evaluate),
    };
}

QString SleepTimer::remainingText() const
{
    return m_remainingSeconds < 0 ? QString() : TimeText::formatTime(m_remainingSeconds);
}

void SleepTimer::choose(Mode mode, int minutes)
{
    if (mode == Mode::minutes && minutes <= 0)
        return;
    m_endGuard.reset();
    endFade();
    if (mode == Mode::minutes)
        m_deadlineMs = m_clock() + qint64(minutes) * 60 * 1000;
    setMode(mode, mode == Mode::minutes ? minutes : 0);
    // What the earlier choice had left is not known for this one until checked.
    setRemaining(std::nullopt);
    evaluate();
}

void SleepTimer::tick()
{
    evaluate();
}

// The check behind every clock tick and player report.
void SleepTimer::evaluate()
{
    if (m_mode == Mode::off || m_finishPending)
        return;
    std::optional<Boundary> boundary;
    std::optional<double> remaining;
    if (m_mode == Mode::minutes) {
        remaining = std::max(0.0, double(m_deadlineMs - m_clock()) / 1000.0);
    } else {
        // Until the new item reports its position, the old one's would be misread.
        if (m_positionStale || !m_player || !m_player->currentItem() || detectCrossing())
            return;
        const double position = m_player->currentTime();
        // Right after a seek or a resume the player can read a little behind where it
        // was; the chapter that was ahead stays ahead.
        double reached = position;
        if (m_last && m_last->itemId == m_player->currentItem()->id && position < m_last->time
            && position > m_last->time - restartJump)
            reached = m_last->time;
        boundary = chapterBoundary(reached);
        if (boundary) {
            remaining = std::max(0.0, (boundary->time - position) / playbackRate());
            m_last = LastSeen{m_player->currentItem()->id, reached, *boundary, *remaining};
        } else {
            m_last.reset();
        }
    }
    setRemaining(remaining);
    if (!remaining) {
        endFade();
        return;
    }
    if (*remaining <= (m_mode == Mode::minutes ? 0.0 : leadSeconds)) {
        if (boundary && !boundary->itemEnd) {
            finish(Resume::atBoundary, boundary->time);
            return;
        }
        // At the very end the player is about to go on by itself (next item, or the
        // same one again); that start is stopped too.
        if (boundary && *remaining <= 0)
            m_endGuard = EndGuard{m_player->currentItem()->id, m_player->currentTime(),
                                  m_clock() + endSettleMs};
        // Seeking to the very end of the item would make the player move on.
        finish(Resume::inPlace, 0);
        return;
    }
    if (*remaining < fadeSeconds)
        applyFade(*remaining);
    else
        endFade();
}

std::optional<SleepTimer::Boundary> SleepTimer::chapterBoundary(double position) const
{
    const double length = itemLength();
    // The first mark ahead: the end of the chapter being played, or the start of the
    // next one when the position is between chapters.
    std::optional<double> next;
    for (const Chapter &chapter : m_player->chapters()) {
        for (double mark : {chapter.startTime, chapter.endTime}) {
            if (std::isfinite(mark) && mark > position + markTolerance && (!next || mark < *next))
                next = mark;
        }
    }
    if (next && (length <= 0 || *next < length - itemEndTolerance))
        return Boundary{*next, false};
    if (length > 0)
        return Boundary{length, true};
    return std::nullopt;
}

double SleepTimer::itemLength() const
{
    // The length the file was inspected with is the item's own. The player's is for
    // items without one (streams); it is the previous item's until the new one's has
    // loaded, which happens well before the first seconds have played.
    const double own = m_player->currentItem()->duration;
    if (std::isfinite(own) && own > 0)
        return own;
    const double loaded = m_player->duration();
    return std::isfinite(loaded) && loaded > 0 ? loaded : 0.0;
}

double SleepTimer::playbackRate() const
{
    const double rate = m_player->playbackRate();
    return rate > 0 && std::isfinite(rate) ? rate : 1.0;
}

// The boundary went by between two reports of the same item: the position is past a
// chapter's end, or the item started over from near its end.
bool SleepTimer::detectCrossing()
{
    if (!m_last || !m_player || !m_player->currentItem()
        || m_player->currentItem()->id != m_last->itemId)
        return false;
    const double position = m_player->currentTime();
    const Boundary boundary = m_last->boundary;
    if (!boundary.itemEnd && m_last->remaining <= crossingWindowSeconds
        && position >= boundary.time) {
        scheduleFinish(Resume::atBoundary, boundary.time);
        return true;
    }
    if (boundary.itemEnd && m_last->remaining <= earlyEndWindowSeconds
        && position < m_last->time - restartJump) {
        scheduleFinish(Resume::atItemStart, 0);
        return true;
    }
    return false;
}

void SleepTimer::onItemChanged()
{
    m_positionStale = true;
    // The item ended before a report came close enough, and the player went on to the
    // next one: that one stops at its start.
    if (m_mode == Mode::endOfChapter && !m_finishPending && m_last
        && m_last->remaining <= earlyEndWindowSeconds && m_last->boundary.itemEnd
        && m_player->currentItem()
        && m_player->currentItem()->id != m_last->itemId)
        scheduleFinish(Resume::atItemStart, 0);
}

void SleepTimer::onPlayingChanged()
{
    if (m_endGuard && m_player->isPlaying()) {
        const EndGuard guard = *std::exchange(m_endGuard, std::nullopt);
        if (m_clock() <= guard.untilMs) {
            const bool startedOver = !m_player->currentItem()
                                     || m_player->currentItem()->id != guard.itemId
                                     || m_player->currentTime() < guard.position - restartJump;
            QMetaObject::invokeMethod(
                this,
                [this, startedOver] {
                    if (!m_player)
                        return;
                    m_player->pause();
                    if (startedOver)
                        m_player->seek(0);
                },
                Qt::QueuedConnection);
            return;
        }
    }
    // The queue ended with the item whose end was awaited: nothing left to pause.
    if (m_mode == Mode::endOfChapter && !m_finishPending && !m_player->isPlaying() && m_last
        && m_last->remaining <= crossingWindowSeconds && m_last->boundary.itemEnd
        && m_player->currentItem()
        && m_player->currentItem()->id == m_last->itemId)
        finish(Resume::inPlace, 0);
}

// The player is in the middle of loading or restarting an item and starts it once this
// signal returns, so the pause waits for the event loop.
void SleepTimer::scheduleFinish(Resume resume, double boundary)
{
    m_finishPending = true;
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation, resume, boundary] {
            if (generation != m_generation || !m_finishPending)
                return;
            m_finishPending = false;
            finish(resume, boundary);
        },
        Qt::QueuedConnection);
}

// Pauses, puts the position where the next play should start, then brings the volume
// back, so nothing is heard at the old level in between.
void SleepTimer::finish(Resume resume, double boundary)
{
    const std::optional<float> level = std::exchange(m_fadeBase, std::nullopt);
    setMode(Mode::off, 0);
    if (!m_player)
        return;
    m_player->pause();
    if (resume == Resume::atBoundary)
        m_player->seek(boundary);
    else if (resume == Resume::atItemStart)
        m_player->seek(0);
    if (level)
        writeVolume(*level);
}

void SleepTimer::applyFade(double remaining)
{
    if (!m_player)
        return;
    if (!m_fadeBase)
        m_fadeBase = m_player->volume();
    writeVolume(float(*m_fadeBase * std::clamp(remaining / fadeSeconds, 0.0, 1.0)));
}

void SleepTimer::endFade()
{
    if (const std::optional<float> level = std::exchange(m_fadeBase, std::nullopt))
        writeVolume(*level);
}

void SleepTimer::writeVolume(float volume)
{
    if (!m_player)
        return;
    m_writingVolume = true;
    m_player->setVolume(volume);
    m_writingVolume = false;
}

// A level the listener sets during the fade is the one the fade goes on from, and the
// one given back after the pause.
void SleepTimer::onVolumeChanged()
{
    if (m_writingVolume || !m_fadeBase)
        return;
    m_fadeBase = m_player->volume();
    evaluate();
}

void SleepTimer::setMode(Mode mode, int minutes)
{
    const bool changed = mode != m_mode || minutes != m_minutes;
    m_mode = mode;
    m_minutes = minutes;
    m_last.reset();
    m_finishPending = false;
    ++m_generation;
    // "End of chapter" follows the player's reports; only minutes need a clock.
    if (m_ticker) {
        if (mode == Mode::minutes)
            m_ticker->start();
        else
            m_ticker->stop();
    }
    if (mode == Mode::off)
        setRemaining(std::nullopt);
    if (changed)
        Q_EMIT modeChanged();
}

void SleepTimer::setRemaining(std::optional<double> seconds)
{
    const int whole = seconds ? int(std::ceil(*seconds)) : -1;
    if (whole == m_remainingSeconds)
        return;
    m_remainingSeconds = whole;
    Q_EMIT remainingChanged();
}
