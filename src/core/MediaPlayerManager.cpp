#include "MediaPlayerManager.h"

#include "Preferences.h"

#include "media/VideoSurface.h"
#include "models/TimeText.h"

#include <QPointer>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// Interval of the position updates while an item plays.
const MediaTime timeObserverInterval{150, 600};

// Going back within the first seconds of an item goes to the previous item; later it
// restarts the current one.
constexpr double restartThreshold = 3.0;

float clampedVolume(float volume)
{
    return std::clamp(volume, 0.0f, 1.0f);
}

// The stored form of a mode; its title is this text translated.
const char *repeatModeRawValue(MediaPlayerManager::RepeatMode mode)
{
    switch (mode) {
    case MediaPlayerManager::RepeatMode::off:
        return QT_TRANSLATE_NOOP("MediaPlayerManager", "Off");
    case MediaPlayerManager::RepeatMode::all:
        return QT_TRANSLATE_NOOP("MediaPlayerManager", "Repeat All");
    case MediaPlayerManager::RepeatMode::one:
        return QT_TRANSLATE_NOOP("MediaPlayerManager", "Repeat One");
    }
    return "";
}

} // namespace

QString MediaPlayerManager::repeatModeTitle(RepeatMode mode)
{
    return tr(repeatModeRawValue(mode));
}

std::optional<MediaPlayerManager::RepeatMode>
MediaPlayerManager::repeatModeFromRawValue(const QString &rawValue)
{
    // Raw values stay English whatever the language of the titles.
    for (RepeatMode mode : allRepeatModes()) {
        if (QLatin1StringView(repeatModeRawValue(mode)) == rawValue)
            return mode;
    }
    return std::nullopt;
}

QList<MediaPlayerManager::RepeatMode> MediaPlayerManager::allRepeatModes()
{
    return {RepeatMode::off, RepeatMode::all, RepeatMode::one};
}

MediaPlayerManager::MediaPlayerManager(PlayerFactory makePlayer, QObject *parent)
    : QObject(parent), m_makePlayer(std::move(makePlayer))
{
}

MediaPlayerManager::MediaPlayerManager(PlayerFactory makePlayer, Preferences *preferences,
                                       QObject *parent)
    : MediaPlayerManager(std::move(makePlayer), parent)
{
    m_preferences = preferences;
    if (!preferences)
        return;
    // The default speed holds from the start of the run; choosing another one in the
    // settings shows from the next run.
    m_playbackRate = float(preferences->playbackRateInEffect());
    connect(preferences, &Preferences::skipSilenceChanged, this,
            &MediaPlayerManager::applySkipSilence);
}

void MediaPlayerManager::setAudiobookTest(AudiobookTest isAudiobook)
{
    m_isAudiobook = std::move(isAudiobook);
    applySkipSilence();
}

void MediaPlayerManager::applySkipSilence()
{
    if (!m_player)
        return;
    const bool skip = m_preferences && m_preferences->skipSilence() && m_currentItem
                      && m_isAudiobook && m_isAudiobook(*m_currentItem);
    m_player->setSkipSilence(skip);
}

MediaPlayerManager::~MediaPlayerManager()
{
    removeTimeObserver();
    removeEndObserver();
}

QVariant MediaPlayerManager::currentItemValue() const
{
    return m_currentItem ? QVariant::fromValue(*m_currentItem) : QVariant();
}

QVariant MediaPlayerManager::currentChapterValue() const
{
    return m_currentChapter ? QVariant::fromValue(*m_currentChapter) : QVariant();
}

double MediaPlayerManager::progress() const
{
    return m_duration > 0 ? m_currentTime / m_duration : 0.0;
}

QString MediaPlayerManager::formattedRemainingTime() const
{
    const double remaining = m_duration - m_currentTime;
    return u"-"_s + formatTime(remaining < 0 ? 0.0 : remaining);
}

QString MediaPlayerManager::formatTime(double seconds)
{
    return TimeText::formatTime(seconds);
}

// Queue and transport ---------------------------------------------------------------

void MediaPlayerManager::play(const MediaItem &item)
{
    const auto found = std::find(m_queue.cbegin(), m_queue.cend(), item);
    if (found == m_queue.cend()) {
        m_queue.append(item);
        Q_EMIT queueChanged();
        setCurrentIndex(int(m_queue.size()) - 1);
    } else {
        setCurrentIndex(int(found - m_queue.cbegin()));
    }
    loadAndPlay(item);
}

void MediaPlayerManager::play(const QList<MediaItem> &items, int startingAt)
{
    m_queue = items;
    Q_EMIT queueChanged();
    // A negative position stands for "before anything", like the initial -1.
    setCurrentIndex(std::min(int(m_queue.size()) - 1, std::max(startingAt, -1)));
    if (m_shuffleEnabled)
        generateShuffledIndices();
    if (isQueuePosition(m_currentIndex))
        loadAndPlay(m_queue[m_currentIndex]);
}

void MediaPlayerManager::playFromQueue(int index)
{
    if (!isQueuePosition(index))
        return;
    const QList<MediaItem> queue = m_queue;
    play(queue, index);
}

void MediaPlayerManager::togglePlayPause()
{
    if (m_isPlaying)
        pause();
    else
        resume();
}

void MediaPlayerManager::pause()
{
    if (m_player)
        m_player->pause();
    setPlaying(false);
}

void MediaPlayerManager::resume()
{
    if (!m_player && m_currentItem) {
        loadAndPlay(*m_currentItem);
        return;
    }
    // Nothing was ever loaded: there is nothing to play.
    if (!m_player)
        return;
    m_player->play();
    m_player->setRate(m_playbackRate);
    setPlaying(true);
}

void MediaPlayerManager::stop()
{
    pause();
    restartItem();
}

void MediaPlayerManager::playNext()
{
    if (m_queue.isEmpty())
        return;

    int next = -1;
    if (!m_shuffleEnabled) {
        next = m_currentIndex + 1;
        if (next >= m_queue.size()) {
            if (m_repeatMode != RepeatMode::all)
                return;
            next = 0;
        }
    } else {
        const qsizetype at = m_shuffledIndices.indexOf(m_currentIndex);
        if (at >= 0 && at < m_shuffledIndices.size() - 1) {
            next = m_shuffledIndices[at + 1];
        } else {
            if (m_repeatMode != RepeatMode::all)
                return;
            // The new order starts with the item that just played: it counts as played,
            // so the round goes on with the entry after it.
            generateShuffledIndices();
            if (m_shuffledIndices.isEmpty())
                next = 0;
            else if (m_shuffledIndices.size() > 1 && m_shuffledIndices.first() == m_currentIndex)
                next = m_shuffledIndices[1];
            else
                next = m_shuffledIndices.first();
        }
    }
    // The shuffle order may hold positions of entries removed since it was made.
    if (!isQueuePosition(next))
        return;
    setCurrentIndex(next);
    loadAndPlay(m_queue[next]);
}

void MediaPlayerManager::playPrevious()
{
    if (m_currentTime > restartThreshold) {
        restartItem();
        return;
    }
    if (m_queue.isEmpty())
        return;

    int previous = -1;
    if (!m_shuffleEnabled) {
        if (m_currentIndex > 0)
            previous = m_currentIndex - 1;
        else
            previous = m_repeatMode == RepeatMode::all ? int(m_queue.size()) - 1 : 0;
    } else {
        const qsizetype at = m_shuffledIndices.indexOf(m_currentIndex);
        if (at > 0)
            previous = m_shuffledIndices[at - 1];
        else if (m_repeatMode == RepeatMode::all)
            previous = m_shuffledIndices.isEmpty() ? 0 : m_shuffledIndices.last();
        else
            previous = m_currentIndex;
    }
    // Out of range after the queue shrank (or -1 before anything was chosen).
    if (!isQueuePosition(previous))
        return;
    setCurrentIndex(previous);
    loadAndPlay(m_queue[previous]);
}

void MediaPlayerManager::toggleShuffle()
{
    m_shuffleEnabled = !m_shuffleEnabled;
    if (m_shuffleEnabled)
        generateShuffledIndices();
    Q_EMIT shuffleEnabledChanged();
}

void MediaPlayerManager::cycleRepeatMode()
{
    switch (m_repeatMode) {
    case RepeatMode::off:
        m_repeatMode = RepeatMode::all;
        break;
    case RepeatMode::all:
        m_repeatMode = RepeatMode::one;
        break;
    case RepeatMode::one:
        m_repeatMode = RepeatMode::off;
        break;
    }
    Q_EMIT repeatModeChanged();
}

void MediaPlayerManager::addToQueue(const MediaItem &item)
{
    addToQueue(QList<MediaItem>{item});
}

void MediaPlayerManager::addToQueue(const QList<MediaItem> &items)
{
    if (items.isEmpty())
        return;
    for (const MediaItem &item : items) {
        m_queue.append(item);
        if (m_shuffleEnabled)
            m_shuffledIndices.append(int(m_queue.size()) - 1);
    }
    Q_EMIT queueChanged();
}

void MediaPlayerManager::removeFromQueue(int index)
{
    if (!isQueuePosition(index))
        return;
    m_queue.removeAt(index);

    // Keep every position designating the same entry as before; the removed one's
    // position leaves the shuffle order.
    m_shuffledIndices.removeAll(index);
    for (int &position : m_shuffledIndices) {
        if (position > index)
            --position;
    }
    Q_EMIT queueChanged();
    // When the current entry itself goes, the position before it makes "next" play the
    // entry that followed it.
    if (m_currentIndex >= index)
        setCurrentIndex(std::min(m_currentIndex - 1, int(m_queue.size()) - 1));
}

void MediaPlayerManager::clearQueue()
{
    m_shuffledIndices.clear();
    if (!m_queue.isEmpty()) {
        m_queue.clear();
        Q_EMIT queueChanged();
    }
    setCurrentIndex(-1);
}

void MediaPlayerManager::moveQueueItem(const QSet<int> &from, int to)
{
    QList<int> sources;
    for (int position : from) {
        if (isQueuePosition(position))
            sources.append(position);
    }
    if (sources.isEmpty())
        return;
    std::sort(sources.begin(), sources.end());
    to = std::clamp(to, 0, int(m_queue.size()));

    QList<MediaItem> moved;
    QList<MediaItem> rest;
    int insertAt = 0;
    for (int i = 0; i < m_queue.size(); ++i) {
        if (i == to)
            insertAt = int(rest.size());
        if (std::binary_search(sources.cbegin(), sources.cend(), i))
            moved.append(m_queue[i]);
        else
            rest.append(m_queue[i]);
    }
    if (to == m_queue.size())
        insertAt = int(rest.size());
    for (int i = 0; i < moved.size(); ++i)
        rest.insert(insertAt + i, moved[i]);
    m_queue = std::move(rest);
    Q_EMIT queueChanged();
}

void MediaPlayerManager::moveQueueItem(int from, int to)
{
    if (!isQueuePosition(from) || to < 0 || to > m_queue.size() || to == from || to == from + 1)
        return;
    moveQueueItem(QSet<int>{from}, to);
}

void MediaPlayerManager::generateShuffledIndices()
{
    QList<int> order(m_queue.size());
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), *QRandomGenerator::global());
    const qsizetype at = order.indexOf(m_currentIndex);
    if (at > 0)
        std::rotate(order.begin(), order.begin() + at, order.begin() + at + 1);
    m_shuffledIndices = std::move(order);
}

// Loading and the player's callbacks ------------------------------------------------

void MediaPlayerManager::loadAndPlay(const MediaItem &item)
{
    removeTimeObserver();

    m_currentItem = item;
    Q_EMIT currentItemChanged();
    m_chapters = item.chapters;
    Q_EMIT chaptersChanged();
    setCurrentChapter(m_chapters.isEmpty() ? std::nullopt
                                           : std::optional<Chapter>(m_chapters.first()));

    if (m_player) {
        m_playerItem = m_player->replaceCurrentItem(item.url);
    } else {
        m_player = m_makePlayer();
        m_playerItem = m_player->replaceCurrentItem(item.url);
    }
    applyVolumeToPlayer();
    applySkipSilence();

    const PlayerBackend::ItemHandle loaded = m_playerItem;
    QPointer<MediaPlayerManager> self(this);
    m_player->loadTracks(loaded, [self, loaded](const auto &tracks) {
        if (self)
            self->handleTracks(loaded, tracks);
    });

    setupTimeObserver();
    setupEndObserver(loaded);

    m_player->play();
    m_player->setRate(m_playbackRate);
    setPlaying(true);

    m_player->loadDuration(loaded, [self, loaded](std::optional<double> seconds) {
        if (self)
            self->handleDuration(loaded, seconds);
    });
}

void MediaPlayerManager::setupTimeObserver()
{
    if (!m_player) {
        m_timeObserver = 0;
        return;
    }
    QPointer<MediaPlayerManager> self(this);
    m_timeObserver = m_player->addPeriodicTimeObserver(timeObserverInterval, [self](double t) {
        if (self)
            self->handleTime(t);
    });
}

void MediaPlayerManager::removeTimeObserver()
{
    if (!m_timeObserver)
        return;
    if (m_player)
        m_player->removeTimeObserver(m_timeObserver);
    m_timeObserver = 0;
}

void MediaPlayerManager::setupEndObserver(PlayerBackend::ItemHandle item)
{
    removeEndObserver();
    QPointer<MediaPlayerManager> self(this);
    m_endObserver = m_player->addEndObserver(item, [self] {
        if (self)
            self->handleEndOfItem();
    });
}

void MediaPlayerManager::removeEndObserver()
{
    if (m_endObserver && m_player)
        m_player->removeEndObserver(m_endObserver);
    m_endObserver = 0;
}

void MediaPlayerManager::handleTime(double seconds)
{
    setCurrentTime(std::isnan(seconds) ? 0.0 : seconds);
    updateCurrentChapter();
}

void MediaPlayerManager::updateCurrentChapter()
{
    // Runs four times a second: one scan with an early stop, and a notification only
    // when the chapter changes.
    if (m_chapters.isEmpty())
        return;
    for (const Chapter &chapter : std::as_const(m_chapters)) {
        if (chapter.startTime <= m_currentTime && chapter.endTime > m_currentTime) {
            if (!m_currentChapter || m_currentChapter->id != chapter.id)
                setCurrentChapter(chapter);
            return;
        }
    }
}

bool MediaPlayerManager::hasNextInOrder() const
{
    if (!m_shuffleEnabled)
        return m_currentIndex + 1 < m_queue.size();
    const qsizetype at = m_shuffledIndices.indexOf(m_currentIndex);
    return at >= 0 && at < m_shuffledIndices.size() - 1;
}

void MediaPlayerManager::handleEndOfItem()
{
    switch (m_repeatMode) {
    case RepeatMode::one:
        restartItem();
        resume();
        break;
    case RepeatMode::all:
        playNext();
        break;
    case RepeatMode::off:
        if (hasNextInOrder() && (!m_preferences || m_preferences->autoPlayNext()))
            playNext();
        else
            setPlaying(false);
        break;
    }
}

void MediaPlayerManager::handleTracks(PlayerBackend::ItemHandle item,
                                      const std::optional<QList<PlayerBackend::TrackType>> &tracks)
{
    // A load that finishes after the next item was loaded describes the old item.
    if (!tracks || item != m_playerItem || !m_player)
        return;
    const bool video = tracks->contains(PlayerBackend::TrackType::Video);
    setHasVideo(video);
    if (!video)
        return;
    std::unique_ptr<VideoSurface> old = std::move(m_ownedLayer);
    m_ownedLayer = m_player->makeVideoSurface();
    Q_EMIT playerLayerChanged();
    if (old)
        old.release()->deleteLater();
}

void MediaPlayerManager::handleDuration(PlayerBackend::ItemHandle item,
                                        std::optional<double> seconds)
{
    if (!seconds || item != m_playerItem)
        return;
    setDuration(std::isnan(*seconds) ? 0.0 : *seconds);
}

// Time, volume, speed ---------------------------------------------------------------

void MediaPlayerManager::seekPlayer(double seconds)
{
    if (m_player)
        m_player->seekExact(MediaTime::fromSeconds(seconds));
}

void MediaPlayerManager::restartItem()
{
    seekPlayer(0);
    setCurrentTime(0);
}

void MediaPlayerManager::seek(double seconds)
{
    // A position that is not a time (NaN, infinite) cannot be reached: ignore it.
    if (!std::isfinite(seconds))
        return;
    seekPlayer(seconds);
    setCurrentTime(seconds);
}

void MediaPlayerManager::seekToChapter(const Chapter &chapter)
{
    if (!std::isfinite(chapter.startTime))
        return;
    seekPlayer(chapter.startTime);
    setCurrentTime(chapter.startTime);
    setCurrentChapter(chapter);
}

void MediaPlayerManager::seekToChapter(const QString &chapterId)
{
    const QUuid id = QUuid::fromString(chapterId);
    if (id.isNull())
        return;
    for (const Chapter &chapter : std::as_const(m_chapters)) {
        if (chapter.id == id) {
            // A copy: seeking may replace the chapter list's contents.
            const Chapter target = chapter;
            seekToChapter(target);
            return;
        }
    }
}

void MediaPlayerManager::skipForward(double seconds)
{
    if (std::isnan(seconds))
        return;
    double target = m_currentTime + seconds;
    if (target > m_duration)
        target = m_duration;
    // An indefinite length is stored as an infinite duration: do not seek to it.
    if (!std::isfinite(target))
        return;
    seekPlayer(target);
    setCurrentTime(target);
}

void MediaPlayerManager::skipBackward(double seconds)
{
    if (std::isnan(seconds))
        return;
    double target = m_currentTime - seconds;
    if (target <= 0 || std::isnan(target))
        target = 0;
    if (!std::isfinite(target))
        return;
    seekPlayer(target);
    setCurrentTime(target);
}

void MediaPlayerManager::applyVolumeToPlayer()
{
    if (m_player)
        m_player->setVolume(m_isMuted ? 0.0f : m_volume);
}

void MediaPlayerManager::setVolume(float volume)
{
    if (std::isnan(volume))
        return;
    volume = clampedVolume(volume);
    if (volume != m_volume) {
        m_volume = volume;
        Q_EMIT volumeChanged();
    }
    applyVolumeToPlayer();
}

void MediaPlayerManager::adjustVolume(float by)
{
    if (std::isnan(by))
        return;
    setVolume(m_volume + by);
}

void MediaPlayerManager::toggleMute()
{
    m_isMuted = !m_isMuted;
    Q_EMIT isMutedChanged();
    applyVolumeToPlayer();
}

void MediaPlayerManager::setPlaybackRate(float rate)
{
    // No player plays at a speed that is not a positive number.
    if (!(rate > 0) || !std::isfinite(rate))
        return;
    if (rate != m_playbackRate) {
        m_playbackRate = rate;
        Q_EMIT playbackRateChanged();
    }
    if (m_isPlaying && m_player)
        m_player->setRate(m_playbackRate);
}

// Setters that notify on change -----------------------------------------------------

void MediaPlayerManager::setPlaying(bool playing)
{
    if (playing == m_isPlaying)
        return;
    m_isPlaying = playing;
    Q_EMIT isPlayingChanged();
}

void MediaPlayerManager::setCurrentTime(double seconds)
{
    if (seconds == m_currentTime)
        return;
    m_currentTime = seconds;
    Q_EMIT currentTimeChanged();
    Q_EMIT progressChanged();
}

void MediaPlayerManager::setDuration(double seconds)
{
    if (seconds == m_duration)
        return;
    m_duration = seconds;
    Q_EMIT durationChanged();
    Q_EMIT progressChanged();
}

void MediaPlayerManager::setCurrentIndex(int index)
{
    if (index == m_currentIndex)
        return;
    m_currentIndex = index;
    Q_EMIT currentIndexChanged();
}

void MediaPlayerManager::setCurrentChapter(const std::optional<Chapter> &chapter)
{
    if (chapter == m_currentChapter)
        return;
    m_currentChapter = chapter;
    Q_EMIT currentChapterChanged();
}

void MediaPlayerManager::setHasVideo(bool hasVideo)
{
    if (hasVideo == m_hasVideo)
        return;
    m_hasVideo = hasVideo;
    Q_EMIT hasVideoChanged();
}
