#include "MpvPlayerBackend.h"
#include "MpvApi.h"

#include "MpvVideoSurface.h"

#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <mpv/client.h>

namespace {

// While waiting for a started item to move, the position is looked at this often so
// that the first report of a moving position comes within a few milliseconds.
constexpr int startPollMs = 5;
constexpr int startPollLimit = 400; // two seconds

struct NodeDeleter
{
    void operator()(mpv_node *node) const
    {
        Mpv::api().free_node_contents(node);
        delete node;
    }
};
using NodePtr = std::unique_ptr<mpv_node, NodeDeleter>;

const mpv_node *mapValue(const mpv_node &map, const char *key)
{
    if (map.format != MPV_FORMAT_NODE_MAP)
        return nullptr;
    for (int i = 0; i < map.u.list->num; ++i) {
        if (qstrcmp(map.u.list->keys[i], key) == 0)
            return &map.u.list->values[i];
    }
    return nullptr;
}

PlayerBackend::TrackType trackType(const mpv_node &track)
{
    const mpv_node *type = mapValue(track, "type");
    if (!type || type->format != MPV_FORMAT_STRING)
        return PlayerBackend::TrackType::Other;
    const QByteArray name(type->u.string);
    if (name == "audio")
        return PlayerBackend::TrackType::Audio;
    if (name != "video")
        return PlayerBackend::TrackType::Other;
    const mpv_node *albumArt = mapValue(track, "albumart");
    if (albumArt && albumArt->format == MPV_FORMAT_FLAG && albumArt->u.flag)
        return PlayerBackend::TrackType::CoverArt;
    return PlayerBackend::TrackType::Video;
}

} // namespace

MpvPlayerBackend::MpvPlayerBackend(QObject *parent) : MpvPlayerBackend(Options(), parent) {}

MpvPlayerBackend::MpvPlayerBackend(const Options &options, QObject *parent)
    : QObject(parent)
{
    Mpv::OptionList outputs{{"ao", options.audioOutput}, {"vo", options.videoOutput}};
    // Drawing through the render API needs a render context, which only a view makes:
    // a file whose video starts without one fails to play at all. The video track is
    // therefore chosen only while a view shows the picture (see MpvVideoSurface).
    if (options.videoOutput == "libmpv")
        outputs.append(qMakePair(QByteArray("vid"), QByteArray("no")));
    m_core = Mpv::createCore(outputs);
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &MpvPlayerBackend::reportTime);
    m_startPoll.setInterval(startPollMs);
    m_startPoll.setTimerType(Qt::PreciseTimer);
    connect(&m_startPoll, &QTimer::timeout, this, &MpvPlayerBackend::pollStart);
    if (!m_core) {
        qWarning("mpv: the player could not start; nothing will play");
        return;
    }
    Mpv::api().set_wakeup_callback(
        m_core.get(),
        [](void *context) {
            // mpv's thread: post one drain at a time and return at once.
            auto *self = static_cast<MpvPlayerBackend *>(context);
            if (!self->m_drainQueued.exchange(true))
                QMetaObject::invokeMethod(self, &MpvPlayerBackend::drainEvents,
                                          Qt::QueuedConnection);
        },
        this);
}

MpvPlayerBackend::~MpvPlayerBackend()
{
    if (!m_core)
        return;
    // A render context may keep the core alive after this object: silence it and make
    // sure no callback can reach this object any more. mpv_set_wakeup_callback returns
    // only once no call of the old callback is running.
    Mpv::api().set_wakeup_callback(m_core.get(), nullptr, nullptr);
    const char *stop[] = {"stop", nullptr};
    Mpv::api().command(m_core.get(), stop);
}

void MpvPlayerBackend::command(std::initializer_list<QByteArray> args)
{
    if (!m_core)
        return;
    QList<const char *> argv;
    for (const QByteArray &arg : args)
        argv.append(arg.constData());
    argv.append(nullptr);
    Mpv::api().command_async(m_core.get(), 0, argv.data());
}

void MpvPlayerBackend::setProperty(const char *name, const QByteArray &value)
{
    command({"set", name, value});
}

qint64 MpvPlayerBackend::loadFile(const QUrl &url, std::optional<double> start)
{
    if (!m_core)
        return -1;
    const QByteArray target = url.isLocalFile() ? url.toLocalFile().toUtf8()
                                                : url.toString(QUrl::FullyEncoded).toLatin1();
    const QByteArray options = start ? "start=" + QByteArray::number(*start, 'f', 6)
                                     : QByteArray();
    QList<const char *> argv{"loadfile", target.constData(), "replace"};
    if (start)
        argv.append(options.constData());
    argv.append(nullptr);

    mpv_node result{};
    if (Mpv::api().command_ret(m_core.get(), argv.data(), &result) < 0)
        return -1;
    qint64 entry = -1;
    if (const mpv_node *id = mapValue(result, "playlist_entry_id");
        id && id->format == MPV_FORMAT_INT64)
        entry = id->u.int64;
    Mpv::api().free_node_contents(&result);
    return entry;
}

PlayerBackend::ItemHandle MpvPlayerBackend::replaceCurrentItem(const QUrl &url)
{
    m_trackLoads.clear();
    m_durationLoads.clear();
    m_startPoll.stop();
    m_item = CurrentItem{};
    m_item.handle = ++m_lastHandle;
    m_item.url = url;
    m_item.entryId = loadFile(url, std::nullopt);
    if (m_item.entryId < 0)
        m_item.state = ItemState::Failed;
    m_lastPosition = 0;
    m_heldPosition.reset();
    setProperty("pause", m_wantPlaying ? "no" : "yes");
    updateTicking();
    return m_item.handle;
}

void MpvPlayerBackend::reopenEndedItem(double start)
{
    m_item.state = ItemState::Opening;
    m_item.entryId = loadFile(m_item.url, start);
    if (m_item.entryId < 0)
        m_item.state = ItemState::Failed;
    m_lastPosition = start;
}

void MpvPlayerBackend::play()
{
    m_wantPlaying = true;
    m_heldPosition.reset();
    setProperty("pause", "no");
    // A finished item plays again from its start.
    if (m_item.handle && m_item.state == ItemState::Ended)
        reopenEndedItem(0);
    updateTicking();
    reportTimeLater();
}

void MpvPlayerBackend::pause()
{
    m_wantPlaying = false;
    setProperty("pause", "yes");
    m_startPoll.stop();
    updateTicking();
    reportTimeLater();
}

void MpvPlayerBackend::setRate(float rate)
{
    if (!(rate > 0) || !std::isfinite(rate))
        return;
    // mpv's speed range; its default audio filter keeps the pitch.
    setProperty("speed", QByteArray::number(std::clamp(double(rate), 0.01, 100.0), 'g', 9));
}

void MpvPlayerBackend::setSkipSilence(bool skip)
{
    // A new filter chain restarts the audio output: only on a change.
    if (skip == m_skipSilence)
        return;
    m_skipSilence = skip;
    // Below -50 dB counts as silence (room noise of a recording stays under it).
    setProperty("af", skip ? QByteArray("@skipsilence:lavfi=[silenceremove=stop_periods=-1:"
                                        "stop_duration=1:stop_threshold=-50dB:stop_silence=0.5]")
                           : QByteArray());
}

void MpvPlayerBackend::setVolume(float volume)
{
    if (std::isnan(volume))
        return;
    // The given level is a linear amplitude factor; mpv's volume scale is cubic
    // (gain = (volume / 100)^3).
    const double level = 100.0 * std::cbrt(std::clamp(double(volume), 0.0, 1.0));
    setProperty("volume", QByteArray::number(level, 'f', 6));
}

void MpvPlayerBackend::seekExact(MediaTime time)
{
    const double seconds = std::max(0.0, time.seconds());
    switch (m_item.state) {
    case ItemState::Loaded:
        command({"seek", QByteArray::number(seconds, 'f', 6), "absolute+exact"});
        break;
    case ItemState::Opening:
        m_item.pendingSeek = seconds;
        break;
    case ItemState::Ended:
        reopenEndedItem(seconds);
        break;
    case ItemState::Failed:
        break;
    }
    m_lastPosition = seconds;
    if (!m_wantPlaying)
        m_heldPosition = seconds;
}

PlayerBackend::ObserverToken
MpvPlayerBackend::addPeriodicTimeObserver(MediaTime interval, std::function<void(double)> callback)
{
    const ObserverToken token = ++m_lastToken;
    m_timeObservers.insert(token, std::move(callback));
    m_tick.setInterval(std::max(1, int(std::lround(interval.seconds() * 1000))));
    updateTicking();
    return token;
}

void MpvPlayerBackend::removeTimeObserver(ObserverToken token)
{
    m_timeObservers.remove(token);
    updateTicking();
}

PlayerBackend::ObserverToken MpvPlayerBackend::addEndObserver(ItemHandle item,
                                                              std::function<void()> handler)
{
    const ObserverToken token = ++m_lastToken;
    m_endObservers.insert(token, {item, std::move(handler)});
    return token;
}

void MpvPlayerBackend::removeEndObserver(ObserverToken token)
{
    m_endObservers.remove(token);
}

void MpvPlayerBackend::loadTracks(ItemHandle item,
                                  std::function<void(std::optional<QList<TrackType>>)> done)
{
    if (item != m_item.handle)
        return;
    m_trackLoads.append(std::move(done));
    if (m_item.tracks || m_item.state == ItemState::Failed)
        QMetaObject::invokeMethod(this, &MpvPlayerBackend::deliverLoads, Qt::QueuedConnection);
}

void MpvPlayerBackend::loadDuration(ItemHandle item, std::function<void(std::optional<double>)> done)
{
    if (item != m_item.handle)
        return;
    m_durationLoads.append(std::move(done));
    if (m_item.duration || m_item.state == ItemState::Failed)
        QMetaObject::invokeMethod(this, &MpvPlayerBackend::deliverLoads, Qt::QueuedConnection);
}

std::unique_ptr<VideoSurface> MpvPlayerBackend::makeVideoSurface()
{
    return std::make_unique<MpvVideoSurface>(m_core);
}

// Events ----------------------------------------------------------------------------

void MpvPlayerBackend::drainEvents()
{
    m_drainQueued = false;
    if (!m_core)
        return;
    for (;;) {
        const mpv_event *event = Mpv::api().wait_event(m_core.get(), 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        handleEvent(*event);
    }
}

void MpvPlayerBackend::handleEvent(const mpv_event &event)
{
    switch (event.event_id) {
    case MPV_EVENT_START_FILE:
        m_activeEntry = static_cast<const mpv_event_start_file *>(event.data)->playlist_entry_id;
        break;
    case MPV_EVENT_FILE_LOADED:
        if (m_activeEntry == m_item.entryId)
            handleFileLoaded();
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        if (m_activeEntry == m_item.entryId && m_item.state == ItemState::Loaded)
            handlePlaybackRestart();
        break;
    case MPV_EVENT_END_FILE: {
        const auto *end = static_cast<const mpv_event_end_file *>(event.data);
        handleEndFile(end->playlist_entry_id, end->reason);
        break;
    }
    default:
        break;
    }
}

void MpvPlayerBackend::handleFileLoaded()
{
    m_item.state = ItemState::Loaded;

    double length = std::nan("");
    if (Mpv::api().get_property(m_core.get(), "duration", MPV_FORMAT_DOUBLE, &length) < 0)
        length = std::nan(""); // a live stream has no length
    m_item.duration = length;

    QList<TrackType> tracks;
    NodePtr list(new mpv_node{});
    if (Mpv::api().get_property(m_core.get(), "track-list", MPV_FORMAT_NODE, list.get()) >= 0
        && list->format == MPV_FORMAT_NODE_ARRAY) {
        for (int i = 0; i < list->u.list->num; ++i)
            tracks.append(trackType(list->u.list->values[i]));
    }
    m_item.tracks = tracks;

    if (m_item.pendingSeek) {
        command({"seek", QByteArray::number(*m_item.pendingSeek, 'f', 6), "absolute+exact"});
        m_item.pendingSeek.reset();
    }
    deliverLoads();
}

void MpvPlayerBackend::handlePlaybackRestart()
{
    reportTime();
    updateTicking();
    if (m_wantPlaying) {
        m_startPosition = m_lastPosition;
        m_startPolls = 0;
        m_startPoll.start();
    }
}

void MpvPlayerBackend::pollStart()
{
    const double before = m_startPosition;
    if (position() > before || ++m_startPolls >= startPollLimit || !m_wantPlaying) {
        m_startPoll.stop();
        reportTime();
    }
}

void MpvPlayerBackend::handleEndFile(qint64 entryId, int reason)
{
    if (entryId != m_item.entryId || m_item.handle == 0)
        return;
    if (reason == MPV_END_FILE_REASON_ERROR) {
        // The item stays current and never plays; pending loads fail.
        m_item.state = ItemState::Failed;
        m_startPoll.stop();
        updateTicking();
        deliverLoads();
        return;
    }
    if (reason != MPV_END_FILE_REASON_EOF)
        return;

    m_item.state = ItemState::Ended;
    m_wantPlaying = false;
    m_startPoll.stop();
    if (m_item.duration && std::isfinite(*m_item.duration))
        m_lastPosition = *m_item.duration;
    updateTicking();
    reportTime();

    const ItemHandle ended = m_item.handle;
    QList<std::function<void()>> handlers;
    for (const auto &[item, handler] : std::as_const(m_endObservers)) {
        if (item == ended)
            handlers.append(handler);
    }
    for (const auto &handler : handlers)
        handler();
}

void MpvPlayerBackend::deliverLoads()
{
    const bool failed = m_item.state == ItemState::Failed;
    if (m_item.tracks || failed) {
        const auto loads = std::exchange(m_trackLoads, {});
        for (const auto &done : loads)
            done(failed ? std::nullopt : m_item.tracks);
    }
    if (m_item.duration || failed) {
        const auto loads = std::exchange(m_durationLoads, {});
        for (const auto &done : loads)
            done(failed ? std::nullopt : m_item.duration);
    }
}

// Position --------------------------------------------------------------------------

double MpvPlayerBackend::position()
{
    if (m_heldPosition)
        return *m_heldPosition;
    if (m_core && m_item.state == ItemState::Loaded) {
        double seconds = 0;
        if (Mpv::api().get_property(m_core.get(), "time-pos", MPV_FORMAT_DOUBLE, &seconds) >= 0
            && !std::isnan(seconds))
            m_lastPosition = seconds;
    }
    return m_lastPosition;
}

void MpvPlayerBackend::reportTime()
{
    if (m_item.handle == 0 || m_timeObservers.isEmpty())
        return;
    const double seconds = position();
    const auto observers = m_timeObservers;
    for (const auto &callback : observers)
        callback(seconds);
}

void MpvPlayerBackend::reportTimeLater()
{
    QMetaObject::invokeMethod(this, &MpvPlayerBackend::reportTime, Qt::QueuedConnection);
}

void MpvPlayerBackend::updateTicking()
{
    const bool tick = m_wantPlaying && m_item.state == ItemState::Loaded
                      && !m_timeObservers.isEmpty();
    if (tick && !m_tick.isActive())
        m_tick.start();
    else if (!tick)
        m_tick.stop();
}
