#pragma once

#include "MediaTime.h"

#include <QList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class VideoSurface;

// The media player the playback engine drives. One back end is one player: it holds
// one current item at a time and is reused for every later item.
//
// Threads: every function is called on the main thread, and every callback is
// delivered on the main thread, later, never from inside the call that registered
// it, so a callback may freely call back into the back end.
class PlayerBackend
{
public:
    // Identifies one item made by replaceCurrentItem(); never reused by a back end.
    using ItemHandle = quint64;
    // Identifies one registered observer; 0 is never a valid token.
    using ObserverToken = quint64;

    enum class TrackType {
        Audio,
        Video,    // a real moving-picture stream
        CoverArt, // a still picture attached to an audio file: not video
        Other,
    };

    virtual ~PlayerBackend() = default;

    // Makes an item that plays `url` (a local file or a remote stream) and makes it the
    // player's current item, stopping the earlier one. Opening happens in the
    // background; an item that cannot be opened simply never plays. The pause state and
    // the rate carry over.
    virtual ItemHandle replaceCurrentItem(const QUrl &url) = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    // Playing speed; the pitch is kept. Takes effect at once while playing.
    virtual void setRate(float rate) = 0;
    // Linear amplitude factor, 0 (silent) to 1 (unchanged).
    virtual void setVolume(float volume) = 0;
    // On: silences longer than a second are cut to half a second as the audio plays,
    // so pauses between sentences stay. Holds for the current and later items until
    // changed.
    virtual void setSkipSilence(bool skip) = 0;
    // Seeks to exactly `time` (no tolerance either side). Does not wait.
    virtual void seekExact(MediaTime time) = 0;

    // Calls `callback` with the current item's position in seconds every `interval` of
    // playback, and also when playback starts, stops or jumps.
    virtual ObserverToken addPeriodicTimeObserver(MediaTime interval,
                                                  std::function<void(double seconds)> callback)
        = 0;
    virtual void removeTimeObserver(ObserverToken token) = 0;

    // Calls `handler` when `item` has played to its end. Never for another item, never
    // for an item that was replaced or that failed to open.
    virtual ObserverToken addEndObserver(ItemHandle item, std::function<void()> handler) = 0;
    virtual void removeEndObserver(ObserverToken token) = 0;

    // Background loads for `item`: the kinds of its tracks, and its length in seconds
    // (NaN when the length is indefinite, as for a live stream). `done` receives
    // std::nullopt when the load fails. A load for an item that was replaced before it
    // finished may never complete.
    virtual void loadTracks(ItemHandle item,
                            std::function<void(std::optional<QList<TrackType>>)> done)
        = 0;
    virtual void loadDuration(ItemHandle item, std::function<void(std::optional<double>)> done)
        = 0;

    // A new picture output bound to this player.
    virtual std::unique_ptr<VideoSurface> makeVideoSurface() = 0;
};
