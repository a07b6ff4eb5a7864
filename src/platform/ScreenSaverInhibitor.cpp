#include "ScreenSaverInhibitor.h"

#include "core/MediaPlayerManager.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QDBusMessage screenSaverCall(const QString &method)
{
    return QDBusMessage::createMethodCall(u"org.freedesktop.ScreenSaver"_s,
                                          u"/org/freedesktop/ScreenSaver"_s,
                                          u"org.freedesktop.ScreenSaver"_s, method);
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QObject *parent)
    : ScreenSaverInhibitor(QDBusConnection::sessionBus(), parent)
{
}

ScreenSaverInhibitor::ScreenSaverInhibitor(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    // Waited for (briefly): the program may be quitting, and an unsent release would
    // keep the screen on until the service notices we are gone.
    if (m_cookie != 0 && m_bus.isConnected()) {
        QDBusMessage call = screenSaverCall(u"UnInhibit"_s);
        call << m_cookie;
        m_bus.call(call, QDBus::Block, 500);
    }
}

void ScreenSaverInhibitor::setInhibited(bool inhibited)
{
    m_wanted = inhibited;
    if (inhibited && m_cookie == 0 && !m_pending)
        request();
    else if (!inhibited && m_cookie != 0)
        release();
}

void ScreenSaverInhibitor::request()
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage call = screenSaverCall(u"Inhibit"_s);
    call << u"Lyrabox"_s << tr("Playing a video");
    m_pending = true;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        watcher->deleteLater();
        m_pending = false;
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            static bool told = false;
            if (!std::exchange(told, true))
                std::fprintf(stderr, "lyrabox: the screen saver cannot be held off: %s\n",
                             qPrintable(reply.error().message()));
            return;
        }
        m_cookie = reply.value();
        Q_EMIT cookieChanged();
        // Given up, or wanted again after a release, while the answer was on its way.
        if (!m_wanted)
            release();
    });
}

void ScreenSaverInhibitor::release()
{
    QDBusMessage call = screenSaverCall(u"UnInhibit"_s);
    call << m_cookie;
    m_bus.asyncCall(call);
    m_cookie = 0;
    Q_EMIT cookieChanged();
}

void ScreenSaverInhibitor::follow(const MediaPlayerManager &player)
{
    const auto update = [this, &player] { setInhibited(player.isPlaying() && player.hasVideo()); };
    connect(&player, &MediaPlayerManager::isPlayingChanged, this, update);
    connect(&player, &MediaPlayerManager::hasVideoChanged, this, update);
    update();
}
