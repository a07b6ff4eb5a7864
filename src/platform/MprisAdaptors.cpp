#include "MprisAdaptors.h"

#include "MprisService.h"
#include "core/LaunchFiles.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"

#include <QFileInfo>
#include <QUrl>
#include <cstdio>

using namespace Qt::StringLiterals;
using RepeatMode = MediaPlayerManager::RepeatMode;

MprisRootAdaptor::MprisRootAdaptor(MprisService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QStringList MprisRootAdaptor::supportedMimeTypes() const
{
    // What the desktop file offers Lyrabox for (OpenUri opens what a launch opens).
    return QString::fromLatin1(LYRABOX_DESKTOP_MIME_TYPES).split(u';', Qt::SkipEmptyParts);
}

void MprisRootAdaptor::Raise()
{
    if (m_service->hooks().raise)
        m_service->hooks().raise();
}

void MprisRootAdaptor::Quit()
{
    if (m_service->hooks().quit)
        m_service->hooks().quit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService *service)
    : QDBusAbstractAdaptor(service), m_service(service)
{
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    const MediaPlayerManager &player = m_service->player();
    if (player.isPlaying())
        return u"Playing"_s;
    return player.currentItem() ? u"Paused"_s : u"Stopped"_s;
}

QString MprisPlayerAdaptor::loopStatus() const
{
    switch (m_service->player().repeatMode()) {
    case RepeatMode::all: return u"Playlist"_s;
    case RepeatMode::one: return u"Track"_s;
    case RepeatMode::off: break;
    }
    return u"None"_s;
}

void MprisPlayerAdaptor::setLoopStatus(const QString &status)
{
    const QStringList known{u"None"_s, u"Playlist"_s, u"Track"_s};
    if (!known.contains(status))
        return;
    // The player offers the repeat button's cycle only.
    for (int i = 0; i < 3 && loopStatus() != status; ++i)
        m_service->player().cycleRepeatMode();
}

double MprisPlayerAdaptor::rate() const
{
    return m_service->player().playbackRate();
}

void MprisPlayerAdaptor::setRate(double rate)
{
    // A rate of 0 means pause; others are held to what the player offers.
    if (rate <= 0) {
        m_service->player().pause();
        return;
    }
    m_service->player().setPlaybackRate(float(std::clamp(rate, minimumRate(), maximumRate())));
}

bool MprisPlayerAdaptor::shuffle() const
{
    return m_service->player().shuffleEnabled();
}

void MprisPlayerAdaptor::setShuffle(bool shuffle)
{
    if (shuffle != m_service->player().shuffleEnabled())
        m_service->player().toggleShuffle();
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    return m_service->metadata();
}

double MprisPlayerAdaptor::volume() const
{
    return m_service->player().volume();
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    m_service->player().setVolume(float(std::clamp(volume, 0.0, 1.0)));
}

qlonglong MprisPlayerAdaptor::position() const
{
    return qlonglong(m_service->player().currentTime() * 1e6);
}

bool MprisPlayerAdaptor::canGoNext() const
{
    return !m_service->player().queue().isEmpty();
}

bool MprisPlayerAdaptor::canGoPrevious() const
{
    return !m_service->player().queue().isEmpty();
}

bool MprisPlayerAdaptor::canPlay() const
{
    return m_service->player().currentItem() || !m_service->player().queue().isEmpty();
}

bool MprisPlayerAdaptor::canPause() const
{
    return m_service->player().currentItem().has_value();
}

bool MprisPlayerAdaptor::canSeek() const
{
    return m_service->player().currentItem() && m_service->player().duration() > 0;
}

void MprisPlayerAdaptor::Next()
{
    m_service->player().playNext();
}

void MprisPlayerAdaptor::Previous()
{
    m_service->player().playPrevious();
}

void MprisPlayerAdaptor::Pause()
{
    m_service->player().pause();
}

void MprisPlayerAdaptor::PlayPause()
{
    m_service->player().togglePlayPause();
}

void MprisPlayerAdaptor::Stop()
{
    m_service->player().stop();
}

void MprisPlayerAdaptor::Play()
{
    MediaPlayerManager &player = m_service->player();
    if (player.currentItem())
        player.resume();
    else if (!player.queue().isEmpty())
        player.playFromQueue(0);
}

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    const MediaPlayerManager &player = m_service->player();
    if (!canSeek())
        return;
    const double target = player.currentTime() + double(offset) / 1e6;
    // Past the end is the next item; before the start, the start.
    if (target >= player.duration())
        m_service->player().playNext();
    else
        m_service->seekTo(std::max(0.0, target));
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath &trackId, qlonglong position)
{
    const MediaPlayerManager &player = m_service->player();
    // A position for another item than the current one, or outside it, is ignored.
    if (!player.currentItem() || trackId != MprisService::trackId(*player.currentItem()))
        return;
    if (position < 0 || double(position) / 1e6 > player.duration())
        return;
    m_service->seekTo(double(position) / 1e6);
}

void MprisPlayerAdaptor::OpenUri(const QString &uri)
{
    const QUrl url(uri);
    if (!url.isLocalFile() || !QFileInfo::exists(url.toLocalFile())) {
        std::fprintf(stderr, "lyrabox: OpenUri refused \"%s\": only files on this computer open\n",
                     qPrintable(uri.left(200)));
        return;
    }
    LaunchFiles::open(m_service->library(), m_service->player(), {url});
}
