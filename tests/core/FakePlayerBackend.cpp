#include "FakePlayerBackend.h"

PlayerBackend::ItemHandle FakePlayerBackend::replaceCurrentItem(const QUrl &url)
{
    m_state.loadedUrls.append(url);
    m_state.currentItem = ++m_lastItem;
    return m_state.currentItem;
}

void FakePlayerBackend::setRate(float rate)
{
    m_state.rate = rate;
    m_state.rates.append(rate);
}

PlayerBackend::ObserverToken
FakePlayerBackend::addPeriodicTimeObserver(MediaTime, std::function<void(double)> callback)
{
    ++m_state.timeObserversAdded;
    m_timeObservers.insert(++m_lastToken, std::move(callback));
    return m_lastToken;
}

PlayerBackend::ObserverToken FakePlayerBackend::addEndObserver(ItemHandle item,
                                                               std::function<void()> handler)
{
    m_endObservers.insert(++m_lastToken, {item, std::move(handler)});
    return m_lastToken;
}

void FakePlayerBackend::loadTracks(ItemHandle item,
                                   std::function<void(std::optional<QList<TrackType>>)> done)
{
    m_trackLoads.append({item, std::move(done)});
}

void FakePlayerBackend::loadDuration(ItemHandle item,
                                     std::function<void(std::optional<double>)> done)
{
    m_durationLoads.append({item, std::move(done)});
}

std::unique_ptr<VideoSurface> FakePlayerBackend::makeVideoSurface()
{
    ++m_state.surfacesMade;
    return std::make_unique<VideoSurface>();
}

void FakePlayerBackend::reportTime(double seconds)
{
    const auto observers = m_timeObservers;
    for (const auto &callback : observers)
        callback(seconds);
}

void FakePlayerBackend::finish(ItemHandle item)
{
    QList<std::function<void()>> handlers;
    for (const auto &[observed, handler] : std::as_const(m_endObservers)) {
        if (observed == item)
            handlers.append(handler);
    }
    for (const auto &handler : handlers)
        handler();
}

void FakePlayerBackend::completeTracks(std::optional<QList<TrackType>> tracks, ItemHandle item)
{
    const auto loads = std::exchange(m_trackLoads, {});
    for (const auto &[loaded, done] : loads) {
        if (item == 0 || loaded == item)
            done(tracks);
        else
            m_trackLoads.append({loaded, done});
    }
}

void FakePlayerBackend::completeDuration(std::optional<double> seconds, ItemHandle item)
{
    const auto loads = std::exchange(m_durationLoads, {});
    for (const auto &[loaded, done] : loads) {
        if (item == 0 || loaded == item)
            done(seconds);
        else
            m_durationLoads.append({loaded, done});
    }
}
