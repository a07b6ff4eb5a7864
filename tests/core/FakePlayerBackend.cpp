#include "FakePlayerBackend.h"

namespace {

// Calls the pending loads of `item` (all when 0) with `result`; the others stay pending.
template <typename Loads, typename Result>
void complete(Loads &loads, const Result &result, PlayerBackend::ItemHandle item)
{
    for (const auto &[loaded, done] : std::exchange(loads, {})) {
        if (item == 0 || loaded == item)
            done(result);
        else
            loads.append({loaded, done});
    }
}

} // namespace

void FakePlayerBackend::reportTime(double seconds)
{
    for (const auto &callback : QMap(m_timeObservers)) // observers may change meanwhile
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
    complete(m_trackLoads, tracks, item);
}

void FakePlayerBackend::completeDuration(std::optional<double> seconds, ItemHandle item)
{
    complete(m_durationLoads, seconds, item);
}
