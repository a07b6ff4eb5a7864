#pragma once

#include "core/MediaPlayerManager.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUuid>
#include <functional>
#include <optional>

class QTimer;

// Pauses the player after a number of minutes or at the end of the chapter being
// played, fading the volume out over the last ten seconds and putting it back once
// paused, so the next play starts at the listener's own level. It stands beside the
// player and drives it only through its public operations.
//
// Minutes count wall-clock time from the moment they are chosen, paused or not: the
// listener falling asleep is what they measure, not the book. "End of chapter" counts
// playing time: the end of the chapter mark the position is in (of the next mark when
// the position is between marks), or the end of the item when it has no marks left.
// Transport (play, pause, next, seeks) never cancels it; only choosing "off" does.
//
// Threads: main thread only.
class SleepTimer : public QObject
{
    Q_OBJECT

    Q_PROPERTY(MediaPlayerManager *player READ player WRITE setPlayer NOTIFY playerChanged)
    Q_PROPERTY(Mode mode READ mode NOTIFY modeChanged)
    // The chosen minutes in `minutes` mode, else 0.
    Q_PROPERTY(int minutes READ minutes NOTIFY modeChanged)
    Q_PROPERTY(bool active READ isActive NOTIFY modeChanged)
    // Whole seconds until the pause (rounded up), or -1 when off or not known yet (end of
    // chapter before the item's position and length are known).
    Q_PROPERTY(int remainingSeconds READ remainingSeconds NOTIFY remainingChanged)
    // The remaining seconds as a clock text ("12:34"); empty when they are not known.
    Q_PROPERTY(QString remainingText READ remainingText NOTIFY remainingChanged)

public:
    enum class Mode { off, minutes, endOfChapter };
    Q_ENUM(Mode)

    // A monotonic time in milliseconds.
    using Clock = std::function<qint64()>;

    // The volume falls to nothing over this many seconds before the pause.
    static constexpr double fadeSeconds = 10.0;

    // Follows the steady clock, checked four times a second while minutes run.
    explicit SleepTimer(QObject *parent = nullptr);
    // Follows `clock` and checks only when tick() is called or the player reports.
    explicit SleepTimer(Clock clock, QObject *parent = nullptr);
    // Puts back a volume lowered by a fade in progress.
    ~SleepTimer() override;

    MediaPlayerManager *player() const { return m_player; }
    void setPlayer(MediaPlayerManager *player);

    Mode mode() const { return m_mode; }
    int minutes() const { return m_mode == Mode::minutes ? m_minutes : 0; }
    bool isActive() const { return m_mode != Mode::off; }
    int remainingSeconds() const { return m_remainingSeconds; }
    QString remainingText() const;

    // Starts `mode` afresh (minutes > 0 for `minutes` mode; other values are refused), or
    // stops the timer with `off`. A fade in progress is undone first.
    Q_INVOKABLE void choose(SleepTimer::Mode mode, int minutes = 0);
    // Checks the time: fades, pauses when the time is up.
    Q_INVOKABLE void tick();

Q_SIGNALS:
    void playerChanged();
    void modeChanged();
    void remainingChanged();

private:
    // Where an "end of chapter" pause happens: a time within the item, or its end.
    struct Boundary
    {
        double time = 0;
        bool itemEnd = false;
    };
    // What the last position report showed in "end of chapter" mode; used to notice
    // that the boundary went by between two reports.
    struct LastSeen
    {
        QUuid itemId;
        double time = 0; // the furthest position reached, not counting a short step back
        Boundary boundary;
        double remaining = 0; // wall seconds
    };
    enum class Resume { inPlace, atBoundary, atItemStart };
    // An item paused at its very end, which the player may still move on from.
    struct EndGuard
    {
        QUuid itemId;
        double position = 0;
        qint64 untilMs = 0;
    };

    void connectPlayer();
    void evaluate();
    std::optional<Boundary> chapterBoundary(double position) const;
    double itemLength() const;
    double playbackRate() const;
    bool detectCrossing();
    void onItemChanged();
    void onPlayingChanged();
    void scheduleFinish(Resume resume, double boundary);
    void finish(Resume resume, double boundary);
    void applyFade(double remaining);
    void endFade();
    void writeVolume(float volume);
    void onVolumeChanged();
    void setMode(Mode mode, int minutes);
    void setRemaining(std::optional<double> seconds);

    Clock m_clock;
    QTimer *m_ticker = nullptr; // only with the steady clock
    QPointer<MediaPlayerManager> m_player;
    QList<QMetaObject::Connection> m_connections;

    Mode m_mode = Mode::off;
    int m_minutes = 0;
    qint64 m_deadlineMs = 0;
    int m_remainingSeconds = -1;

    // The volume the fade started from (or the listener set during it); none when no fade
    // is in progress.
    std::optional<float> m_fadeBase;
    bool m_writingVolume = false;

    // After an item change the player still shows the previous item's position until it
    // reports a new one.
    bool m_positionStale = false;
    std::optional<LastSeen> m_last;
    // Bumped by every choice, so that a pause scheduled for an earlier one is dropped.
    quint64 m_generation = 0;
    bool m_finishPending = false;
    std::optional<EndGuard> m_endGuard;
};
