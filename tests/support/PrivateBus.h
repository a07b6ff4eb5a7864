#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

// A session bus of the test's own (dbus-daemon --session), with two connections to it:
// one for the code under test, one for the services the test plays. `ok()` is false
// when dbus-daemon is missing or did not start.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    bool ok() const { return m_client.isConnected() && m_service.isConnected(); }
    QDBusConnection &client() { return m_client; }
    QDBusConnection &service() { return m_service; }
    QString address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
    QDBusConnection m_client{QStringLiteral("unused")};
    QDBusConnection m_service{QStringLiteral("unused")};
};
