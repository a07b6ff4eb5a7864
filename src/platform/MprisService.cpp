#include "MprisService.h"

#include "MprisAdaptors.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"

#include <QCryptographicHash>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QMetaProperty>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString objectPath = u"/org/mpris/MediaPlayer2"_s;
const QString playerInterface = u"org.mpris.MediaPlayer2.Player"_s;

} // namespace

MprisService::MprisService(const QDBusConnection &bus, MediaPlayerManager &player,
                           LibraryManager &library, Hooks hooks, QObject *parent)
    : QObject(parent), m_bus(bus), m_player(player), m_library(library), m_hooks(std::move(hooks)),
      m_artDirectory(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                     + u"/Lyrabox/covers"_s)
{
    new MprisRootAdaptor(this);
    m_playerAdaptor = new MprisPlayerAdaptor(this);

    using P = MediaPlayerManager;
    const auto watch = [this](auto signal, QStringList properties) {
        connect(&m_player, signal, this, [this, properties] {
            for (const QString &property : properties)
                changed(property);
        });
    };
    watch(&P::isPlayingChanged, {u"PlaybackStatus"_s});
    watch(&P::currentItemChanged,
          {u"PlaybackStatus"_s, u"Metadata"_s, u"CanPause"_s, u"CanPlay"_s, u"CanSeek"_s});
    watch(&P::durationChanged, {u"Metadata"_s, u"CanSeek"_s});
    watch(&P::repeatModeChanged, {u"LoopStatus"_s});
    watch(&P::shuffleEnabledChanged, {u"Shuffle"_s});
    watch(&P::playbackRateChanged, {u"Rate"_s});
    watch(&P::volumeChanged, {u"Volume"_s});
    watch(&P::queueChanged, {u"CanGoNext"_s, u"CanGoPrevious"_s, u"CanPlay"_s});
    connect(&m_player, &P::currentTimeChanged, this, &MprisService::onTime);
}

MprisService::~MprisService()
{
    if (!m_busName.isEmpty()) {
        m_bus.unregisterService(m_busName);
        m_bus.unregisterObject(objectPath);
    }
}

bool MprisService::registerOnBus()
{
    if (!m_bus.isConnected())
        return false;
    if (!m_bus.registerObject(objectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    // The bus answers at once even when the name is held by a process that no longer
    // answers; then this instance takes a name of its own, as MPRIS allows.
    for (const QString &name : {u"org.mpris.MediaPlayer2.lyrabox"_s,
                                u"org.mpris.MediaPlayer2.lyrabox.instance%1"_s.arg(getpid())}) {
        if (m_bus.registerService(name)) {
            m_busName = name;
            return true;
        }
    }
    m_bus.unregisterObject(objectPath);
    return false;
}

QDBusObjectPath MprisService::trackId(const MediaItem &item)
{
    return QDBusObjectPath(u"/io/github/lyrabox/track/"_s + item.id.toString(QUuid::Id128));
}

QVariantMap MprisService::metadata() const
{
    if (!m_player.currentItem())
        return {};
    const MediaItem &item = *m_player.currentItem();
    const double length = m_player.duration() > 0 ? m_player.duration() : item.duration;
    QVariantMap map{{u"mpris:trackid"_s, QVariant::fromValue(trackId(item))},
                    {u"mpris:length"_s, qlonglong(length * 1e6)},
                    {u"xesam:title"_s, item.title},
                    {u"xesam:url"_s, item.url.toString()}};
    if (!item.artist.isEmpty())
        map.insert(u"xesam:artist"_s, QStringList{item.artist});
    if (!item.album.isEmpty())
        map.insert(u"xesam:album"_s, item.album);
    const QString art = artUrl(item);
    if (!art.isEmpty())
        map.insert(u"mpris:artUrl"_s, art);
    return map;
}

QString MprisService::artUrl(const MediaItem &item) const
{
    if (item.artwork.isEmpty() || m_artDirectory.isEmpty())
        return {};
    // One file per cover, named by its bytes: a book's chapters share one.
    const QString name = QString::fromLatin1(
        QCryptographicHash::hash(item.artwork, QCryptographicHash::Sha1).toHex());
    const QString path = m_artDirectory + u'/' + name;
    if (!QFile::exists(path)) {
        if (!QDir().mkpath(m_artDirectory))
            return {};
        QFile::setPermissions(m_artDirectory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(item.artwork) != item.artwork.size()
            || !file.commit())
            return {};
    }
    return QUrl::fromLocalFile(path).toString();
}

void MprisService::seekTo(double seconds)
{
    m_player.seek(seconds);
    m_lastTime = seconds;
    m_sinceLastTime.start();
    Q_EMIT m_playerAdaptor->Seeked(qlonglong(seconds * 1e6));
}

void MprisService::onTime()
{
    const double now = m_player.currentTime();
    // Where playing on from the last report would be; a report far from it is a jump
    // (the seek bar, a skip, a chapter), which MPRIS announces with Seeked.
    const double elapsed = m_sinceLastTime.isValid() ? m_sinceLastTime.elapsed() / 1000.0 : 0;
    const double expected = m_lastTime + (m_player.isPlaying() ? elapsed * m_player.playbackRate() : 0);
    const bool jumped = m_sinceLastTime.isValid() && std::abs(now - expected) > 1.0;
    m_lastTime = now;
    m_sinceLastTime.start();
    if (jumped)
        Q_EMIT m_playerAdaptor->Seeked(qlonglong(now * 1e6));
}

void MprisService::changed(const QString &property)
{
    m_changed.insert(property);
    if (!std::exchange(m_flushQueued, true))
        QMetaObject::invokeMethod(this, &MprisService::flush, Qt::QueuedConnection);
}

void MprisService::flush()
{
    m_flushQueued = false;
    if (m_busName.isEmpty() || m_changed.isEmpty())
        return;
    QVariantMap values;
    const QMetaObject *meta = m_playerAdaptor->metaObject();
    for (const QString &name : std::as_const(m_changed)) {
        const int index = meta->indexOfProperty(name.toLatin1().constData());
        if (index >= 0)
            values.insert(name, meta->property(index).read(m_playerAdaptor));
    }
    m_changed.clear();
    QDBusMessage signal = QDBusMessage::createSignal(objectPath, u"org.freedesktop.DBus.Properties"_s,
                                                     u"PropertiesChanged"_s);
    signal << playerInterface << values << QStringList();
    m_bus.send(signal);
}
