#pragma once

#include <QDBusConnection>
#include <QObject>

class MediaPlayerManager;

// Keeps the desktop's screen saver away while asked to: org.freedesktop.ScreenSaver's
// Inhibit and UnInhibit on the session bus, without waiting for answers. With no bus
// or no such service nothing happens. Main thread.
class ScreenSaverInhibitor : public QObject
{
    Q_OBJECT

public:
    // The session bus.
    explicit ScreenSaverInhibitor(QObject *parent = nullptr);
    explicit ScreenSaverInhibitor(const QDBusConnection &bus, QObject *parent = nullptr);
    // Gives back what it holds.
    ~ScreenSaverInhibitor() override;

    void setInhibited(bool inhibited);
    bool isInhibited() const { return m_wanted; }
    // The service's cookie for what is held now; 0 when nothing is.
    uint cookie() const { return m_cookie; }

    // Inhibits while `player` plays a video; paused, stopped, ended or an audio item:
    // released.
    void follow(const MediaPlayerManager &player);

Q_SIGNALS:
    void cookieChanged();

private:
    void request();
    void release();

    QDBusConnection m_bus;
    bool m_wanted = false;
    bool m_pending = false;
    uint m_cookie = 0;
};
