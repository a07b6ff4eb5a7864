#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QUrl>
#include <chrono>
#include <functional>

// One Lyrabox per session: a launch while another runs hands its files to the running
// one ("io.github.lyrabox.Lyrabox" on the session bus, method Open) and ends; the
// running one opens them and comes to the front.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.lyrabox.Lyrabox")

public:
    using Opener = std::function<void(const QList<QUrl> &files)>;

    // Asks a running instance to open `files` (possibly none: it only comes to the
    // front). True when one answered within `timeout`; false when none runs, none
    // answered in time (a hung process holding the name) or there is no bus.
    static bool handOff(const QDBusConnection &bus, const QList<QUrl> &files,
                        std::chrono::milliseconds timeout = std::chrono::seconds(2));

    // The running instance's side: `open` is called on the main thread for each launch.
    SingleInstance(const QDBusConnection &bus, Opener open, QObject *parent = nullptr);
    ~SingleInstance() override;
    // False when there is no bus or the name is held (then launches are not handed here).
    bool registerOnBus();

public Q_SLOTS:
    // D-Bus: file URIs; anything not a local file is dropped.
    void Open(const QStringList &uris);

private:
    QDBusConnection m_bus;
    Opener m_open;
    bool m_registered = false;
};
