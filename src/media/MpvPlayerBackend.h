#pragma once

#include "MpvHandle.h"
#include "PlayerBackend.h"

#include <QHash>
#include <QObject>
#include <QTimer>
#include <atomic>

struct mpv_event;

// The player over libmpv.
//
// Threads: mpv calls the wakeup callback on its own threads; the callback only posts
// a call to the main thread, where the events are drained. Everything else runs on
// the main thread.
//
// An item is one `loadfile` of mpv. Its end is mpv's end-file event with reason eof
// for that item's playlist entry only: the stop of a replaced file and the error of a
// file that cannot be opened never count. mpv unloads a finished file; the back end
// keeps the item as the current one and opens it again when asked to seek or play, so
// that a finished item can be restarted like a paused one.
class MpvPlayerBackend : public QObject, public PlayerBackend
{
    Q_OBJECT

public:
    struct Options
    {
        // mpv's audio and video output drivers. "libmpv" draws through the render API
        // into a VideoPlayerLayerView; "null" discards (headless runs and tests).
        QByteArray audioOutput = "auto";
        QByteArray videoOutput = "libmpv";
    };

    explicit MpvPlayerBackend(QObject *parent = nullptr);
    explicit MpvPlayerBackend(const Options &options, QObject *parent = nullptr);
    ~MpvPlayerBackend() override;

    // False when mpv could not start: the player then plays nothing.
    bool isValid() const { return bool(m_core); }
    const MpvHandle &core() const { return m_core; }

    ItemHandle replaceCurrentItem(const QUrl &url) override;
    void play() override;
    void pause() override;
    void setRate(float rate) override;
    void setVolume(float volume) override;
    void setSkipSilence(bool skip) override;
    void seekExact(MediaTime time) override;
    ObserverToken addPeriodicTimeObserver(MediaTime interval,
                                          std::function<void(double)> callback) override;
    void removeTimeObserver(ObserverToken token) override;
    ObserverToken addEndObserver(ItemHandle item, std::function<void()> handler) override;
    void removeEndObserver(ObserverToken token) override;
    void loadTracks(ItemHandle item,
                    std::function<void(std::optional<QList<TrackType>>)> done) override;
    void loadDuration(ItemHandle item, std::function<void(std::optional<double>)> done) override;
    std::unique_ptr<VideoSurface> makeVideoSurface() override;

private:
    enum class ItemState { Opening, Loaded, Ended, Failed };

    struct CurrentItem
    {
        ItemHandle handle = 0;
        QUrl url;
        qint64 entryId = -1; // mpv's playlist entry of the latest loadfile for it
        ItemState state = ItemState::Opening;
        std::optional<double> duration;
        std::optional<QList<TrackType>> tracks;
        std::optional<double> pendingSeek; // asked for before the file was open
    };

    void drainEvents();
    void handleEvent(const mpv_event &event);
    void handleFileLoaded();
    void handleEndFile(qint64 entryId, int reason);
    void handlePlaybackRestart();
    void deliverLoads();
    qint64 loadFile(const QUrl &url, std::optional<double> start);
    void reopenEndedItem(double start);
    double position();
    void reportTime();
    // Callers of play() and pause() get the report from the event loop, not from inside
    // the call.
    void reportTimeLater();
    void pollStart();
    void updateTicking();
    void command(std::initializer_list<QByteArray> args);
    void setProperty(const char *name, const QByteArray &value);

    MpvHandle m_core;
    std::atomic<bool> m_drainQueued{false};

    CurrentItem m_item;
    ItemHandle m_lastHandle = 0;
    qint64 m_activeEntry = -1; // entry of the latest start-file event
    bool m_wantPlaying = true;
    bool m_skipSilence = false;
    double m_lastPosition = 0;
    double m_startPosition = 0;
    // While paused after a seek, mpv's time-pos reads up to an audio buffer short of the
    // target until playback resumes; the target is the position meanwhile.
    std::optional<double> m_heldPosition;
    int m_startPolls = 0;

    ObserverToken m_lastToken = 0;
    QHash<ObserverToken, std::function<void(double)>> m_timeObservers;
    QHash<ObserverToken, QPair<ItemHandle, std::function<void()>>> m_endObservers;
    QList<std::function<void(std::optional<QList<TrackType>>)>> m_trackLoads;
    QList<std::function<void(std::optional<double>)>> m_durationLoads;

    QTimer m_tick;      // periodic position while playing
    QTimer m_startPoll; // catches the first moment the position moves after a start
};
