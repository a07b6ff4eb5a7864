#pragma once

#include "media/PlayerBackend.h"
#include "media/VideoSurface.h"
#include "models/Chapter.h"
#include "models/MediaItem.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

// The playback engine: the play queue with shuffle and repeat, the transport, the
// position and length of the loaded item, speed, volume, seeking and the chapters of
// the loaded item. One instance lives for the whole run and is shared by every view.
//
// Threads: main thread only. The player back end is made on the first load (through
// the factory given to the constructor) and reused for every later item.
//
// No operation reports an error: an operation with nothing to act on returns without
// change, and positions are never used to index the queue unless they are in range.
class Preferences;

class MediaPlayerManager : public QObject
{
    Q_OBJECT

    Q_PROPERTY(bool isPlaying READ isPlaying NOTIFY isPlayingChanged)
    // A MediaItem, or an invalid QVariant when nothing was loaded.
    Q_PROPERTY(QVariant currentItem READ currentItemValue NOTIFY currentItemChanged)
    Q_PROPERTY(double currentTime READ currentTime NOTIFY currentTimeChanged)
    Q_PROPERTY(double duration READ duration NOTIFY durationChanged)
    Q_PROPERTY(float volume READ volume WRITE setVolume NOTIFY volumeChanged)
    Q_PROPERTY(bool isMuted READ isMuted NOTIFY isMutedChanged)
    Q_PROPERTY(float playbackRate READ playbackRate NOTIFY playbackRateChanged)
    Q_PROPERTY(QList<MediaItem> queue READ queue NOTIFY queueChanged)
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(bool shuffleEnabled READ shuffleEnabled NOTIFY shuffleEnabledChanged)
    Q_PROPERTY(RepeatMode repeatMode READ repeatMode NOTIFY repeatModeChanged)
    // A Chapter, or an invalid QVariant when there is none.
    Q_PROPERTY(QVariant currentChapter READ currentChapterValue NOTIFY currentChapterChanged)
    Q_PROPERTY(QList<Chapter> chapters READ chapters NOTIFY chaptersChanged)
    Q_PROPERTY(VideoSurface *playerLayer READ playerLayer NOTIFY playerLayerChanged)
    Q_PROPERTY(bool hasVideo READ hasVideo NOTIFY hasVideoChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString formattedRemainingTime READ formattedRemainingTime NOTIFY progressChanged)

public:
    enum class RepeatMode { off, all, one };
    Q_ENUM(RepeatMode)

    // The title shown for a mode: its raw value "Off", "Repeat All" or "Repeat One",
    // translated.
    Q_INVOKABLE static QString repeatModeTitle(RepeatMode mode);
    // The mode whose raw value is `rawValue` exactly; none for any other text.
    static std::optional<RepeatMode> repeatModeFromRawValue(const QString &rawValue);
    // Every mode, in cycling order.
    static QList<RepeatMode> allRepeatModes();

    using PlayerFactory = std::function<std::unique_ptr<PlayerBackend>()>;

    // Whether an item belongs to an audiobook (silences are skipped only there).
    using AudiobookTest = std::function<bool(const MediaItem &item)>;

    // `makePlayer` is called once, on the first load. Without `preferences` the
    // engine plays as their defaults say; with them it starts at the stored default
    // speed, advances at the end of an item only when "auto-play next" is on, and
    // skips silences in audiobooks when asked to.
    explicit MediaPlayerManager(PlayerFactory makePlayer, QObject *parent = nullptr);
    MediaPlayerManager(PlayerFactory makePlayer, Preferences *preferences,
                       QObject *parent = nullptr);
    ~MediaPlayerManager() override;

    bool isPlaying() const { return m_isPlaying; }
    const std::optional<MediaItem> &currentItem() const { return m_currentItem; }
    QVariant currentItemValue() const;
    double currentTime() const { return m_currentTime; }
    double duration() const { return m_duration; }
    float volume() const { return m_volume; }
    bool isMuted() const { return m_isMuted; }
    float playbackRate() const { return m_playbackRate; }
    const QList<MediaItem> &queue() const { return m_queue; }
    int currentIndex() const { return m_currentIndex; }
    bool shuffleEnabled() const { return m_shuffleEnabled; }
    RepeatMode repeatMode() const { return m_repeatMode; }
    const std::optional<Chapter> &currentChapter() const { return m_currentChapter; }
    QVariant currentChapterValue() const;
    const QList<Chapter> &chapters() const { return m_chapters; }
    VideoSurface *playerLayer() const { return m_ownedLayer.get(); }
    bool hasVideo() const { return m_hasVideo; }
    // The shuffle order: positions in `queue`.
    const QList<int> &shuffledIndices() const { return m_shuffledIndices; }

    // currentTime / duration when the length is known (> 0), else 0; not clamped.
    double progress() const;
    // "-" and the time left (never negative) as a clock text.
    QString formattedRemainingTime() const;
    // Seconds as "m:ss" below an hour and "h:mm:ss" from an hour on; "0:00" for a
    // value that is not a finite time.
    Q_INVOKABLE static QString formatTime(double seconds);

    // Tells which items are audiobooks; none when never set.
    void setAudiobookTest(AudiobookTest isAudiobook);

    // Writes `volume` (limited to 0...1) and applies it to the player, as the volume
    // slider does.
    void setVolume(float volume);

    // Plays `item` within the current queue: at its first position when an entry with
    // the same id is queued, else appended at the end.
    void play(const MediaItem &item);
    // Replaces the queue with `items` and plays the one at `startingAt` (clamped to the
    // last position; nothing plays for an empty list).
    Q_INVOKABLE void play(const QList<MediaItem> &items, int startingAt);
    // Plays the current queue from `index` (a double click on a queue row); nothing for a
    // position out of range.
    Q_INVOKABLE void playFromQueue(int index);
    Q_INVOKABLE void togglePlayPause();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void resume();
    // Pauses and returns to the start of the item; the item and the queue stay.
    Q_INVOKABLE void stop();
    Q_INVOKABLE void playNext();
    Q_INVOKABLE void playPrevious();
    Q_INVOKABLE void seek(double seconds);
    void seekToChapter(const Chapter &chapter);
    // Seeks to the loaded item's chapter with that id (QUuid text, braces optional);
    // nothing when it has none.
    Q_INVOKABLE void seekToChapter(const QString &chapterId);
    Q_INVOKABLE void skipForward(double seconds);
    Q_INVOKABLE void skipBackward(double seconds);
    Q_INVOKABLE void adjustVolume(float by);
    Q_INVOKABLE void toggleMute();
    Q_INVOKABLE void setPlaybackRate(float rate);
    Q_INVOKABLE void toggleShuffle();
    Q_INVOKABLE void cycleRepeatMode();
    // Appends to the end of the queue without starting playback; with shuffle on the
    // new positions go to the end of the shuffle order.
    void addToQueue(const MediaItem &item);
    Q_INVOKABLE void addToQueue(const QList<MediaItem> &items);
    // Removes the entry at `index` (nothing for a position out of range). Positions after
    // it move down by one in `currentIndex` and in the shuffle order, so they keep
    // designating the same entries. Removing the current entry leaves the loaded item
    // playing and moves `currentIndex` to the position before it, so that the next item
    // is the one that followed it.
    Q_INVOKABLE void removeFromQueue(int index);
    // Empties the queue and the shuffle order; the loaded item keeps playing and
    // `currentIndex` becomes -1.
    Q_INVOKABLE void clearQueue();
    // Moves the entries at `from` so that they stand before position `to` (counted
    // before the move), keeping their order. `currentIndex` and the shuffle order keep
    // designating positions, not items.
    void moveQueueItem(const QSet<int> &from, int to);
    // The drag of one row: the entry at `from` goes before position `to` (counted before
    // the move). Nothing for positions out of range or a drop onto the row itself or
    // just below it.
    Q_INVOKABLE void moveQueueItem(int from, int to);

Q_SIGNALS:
    void isPlayingChanged();
    void currentItemChanged();
    void currentTimeChanged();
    void durationChanged();
    void volumeChanged();
    void isMutedChanged();
    void playbackRateChanged();
    void queueChanged();
    void currentIndexChanged();
    void shuffleEnabledChanged();
    void repeatModeChanged();
    void currentChapterChanged();
    void chaptersChanged();
    void playerLayerChanged();
    void hasVideoChanged();
    void progressChanged();

private:
    void loadAndPlay(const MediaItem &item);
    void generateShuffledIndices();
    void setupTimeObserver();
    void removeTimeObserver();
    void setupEndObserver(PlayerBackend::ItemHandle item);
    void removeEndObserver();
    void handleTime(double seconds);
    void handleEndOfItem();
    void handleTracks(PlayerBackend::ItemHandle item,
                      const std::optional<QList<PlayerBackend::TrackType>> &tracks);
    void handleDuration(PlayerBackend::ItemHandle item, std::optional<double> seconds);
    void updateCurrentChapter();
    void restartItem();
    void applyVolumeToPlayer();
    void applySkipSilence();
    void seekPlayer(double seconds);
    bool hasNextInOrder() const;
    bool isQueuePosition(int index) const { return index >= 0 && index < m_queue.size(); }

    void setPlaying(bool playing);
    void setCurrentTime(double seconds);
    void setDuration(double seconds);
    void setCurrentIndex(int index);
    void setCurrentChapter(const std::optional<Chapter> &chapter);
    void setHasVideo(bool hasVideo);

    PlayerFactory m_makePlayer;
    QPointer<Preferences> m_preferences;
    AudiobookTest m_isAudiobook;

    bool m_isPlaying = false;
    std::optional<MediaItem> m_currentItem;
    double m_currentTime = 0;
    double m_duration = 0;
    float m_volume = 0.8f;
    bool m_isMuted = false;
    float m_playbackRate = 1.0f;
    QList<MediaItem> m_queue;
    int m_currentIndex = -1;
    bool m_shuffleEnabled = false;
    RepeatMode m_repeatMode = RepeatMode::off;
    std::optional<Chapter> m_currentChapter;
    QList<Chapter> m_chapters;
    bool m_hasVideo = false;

    // Declared before the surface so that it is destroyed after it: a surface may share
    // the player's resources.
    std::unique_ptr<PlayerBackend> m_player;
    PlayerBackend::ItemHandle m_playerItem = 0;
    PlayerBackend::ObserverToken m_timeObserver = 0;
    PlayerBackend::ObserverToken m_endObserver = 0;
    QList<int> m_shuffledIndices;
    // The published surface. A replaced one is deleted later from the event loop, so a
    // view never sees it vanish in the middle of a binding update.
    std::unique_ptr<VideoSurface> m_ownedLayer;
};

Q_DECLARE_METATYPE(MediaPlayerManager::RepeatMode)
