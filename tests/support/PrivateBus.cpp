#include "PrivateBus.h"

#include "TestSupport.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

PrivateBus::PrivateBus()
{
    if (QStandardPaths::findExecutable(u"dbus-daemon"_s).isEmpty())
        return;
    m_daemon.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
    if (!m_daemon.waitForStarted() || !TestSupport::waitUntil([&] { return m_daemon.canReadLine(); }))
        return;
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    // Names of their own per bus: a closed connection's name is reused only once every
    // copy of it is gone.
    static int run = 0;
    ++run;
    m_client = QDBusConnection::connectToBus(m_address, u"private-client-%1"_s.arg(run));
    m_service = QDBusConnection::connectToBus(m_address, u"private-service-%1"_s.arg(run));
}

PrivateBus::~PrivateBus()
{
    QDBusConnection::disconnectFromBus(m_client.name());
    QDBusConnection::disconnectFromBus(m_service.name());
    m_daemon.kill();
    m_daemon.waitForFinished();
}
