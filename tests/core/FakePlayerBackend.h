#pragma once

#include "media/PlayerBackend.h"
#include "media/VideoSurface.h"

#include <QList>
#include <QMap>
#include <QUrl>

// A scripted player for deterministic tests of the playback engine. Nothing happens by
// itself: the test moves time, ends items and completes loads. Every call the engine
// makes is recorded.
class FakePlayerBackend : public PlayerBackend
{
public:
    struct State
    {
        QList<QUrl> loadedUrls; // every replaceCurrentItem, in order
        ItemHandle currentItem = 0;
        bool playing = false;
        QList<float> rates; // every rate set, in order
        float volume = 1.0f;
        bool skipSilence = false;
        QList<MediaTime> seeks;
        int surfacesMade = 0;
    };

    // Outlives the back end, which the engine owns.
    explicit FakePlayerBackend(State &state) : m_state(state) {}

    ItemHandle replaceCurrentItem(const QUrl &url) override
    {
        m_state.loadedUrls.append(url);
        return m_state.currentItem = ++m_lastItem;
    }
    void play() override { m_state.playing = true; }
    void pause() override { m_state.playing = false; }
    void setRate(float rate) override { m_state.rates.append(rate); }
    void setVolume(float volume) override { m_state.volume = volume; }
    void setSkipSilence(bool skip) override { m_state.skipSilence = skip; }
    void seekExact(MediaTime time) override { m_state.seeks.append(time); }
    ObserverToken addPeriodicTimeObserver(MediaTime, std::function<void(double)> callback) override
    {
        m_timeObservers.insert(++m_lastToken, std::move(callback));
        return m_lastToken;
    }
    void removeTimeObserver(ObserverToken token) override { m_timeObservers.remove(token); }
    ObserverToken addEndObserver(ItemHandle item, std::function<void()> handler) override
    {
        m_endObservers.insert(++m_lastToken, {item, std::move(handler)});
        return m_lastToken;
    }
    void removeEndObserver(ObserverToken token) override { m_endObservers.remove(token); }
    void loadTracks(ItemHandle item,
                    std::function<void(std::optional<QList<TrackType>>)> done) override
    {
        m_trackLoads.append({item, std::move(done)});
    }
    void loadDuration(ItemHandle item, std::function<void(std::optional<double>)> done) override
    {
        m_durationLoads.append({item, std::move(done)});
    }
    std::unique_ptr<VideoSurface> makeVideoSurface() override
    {
        ++m_state.surfacesMade;
        return std::make_unique<VideoSurface>();
    }

    // What the test drives.
    int timeObserverCount() const { return int(m_timeObservers.size()); }
    void reportTime(double seconds);
    // Reports the end of `item` to whoever observes it.
    void finish(ItemHandle item);
    void finishCurrent() { finish(m_state.currentItem); }
    // Completes the pending loads of `item` (all items when 0); std::nullopt fails them.
    void completeTracks(std::optional<QList<TrackType>> tracks, ItemHandle item = 0);
    void completeDuration(std::optional<double> seconds, ItemHandle item = 0);

private:
    State &m_state;
    ItemHandle m_lastItem = 0;
    ObserverToken m_lastToken = 0;
    QMap<ObserverToken, std::function<void(double)>> m_timeObservers;
    QMap<ObserverToken, QPair<ItemHandle, std::function<void()>>> m_endObservers;
    QList<QPair<ItemHandle, std::function<void(std::optional<QList<TrackType>>)>>> m_trackLoads;
    QList<QPair<ItemHandle, std::function<void(std::optional<double>)>>> m_durationLoads;
};
