#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariantMap>
#include <functional>

class LibraryManager;
class MediaPlayerManager;
class MprisPlayerAdaptor;
struct MediaItem;

// Lyrabox as an MPRIS2 media player on the session bus ("org.mpris.MediaPlayer2.lyrabox",
// object /org/mpris/MediaPlayer2): the desktop's media keys and panels (and playerctl)
// read and drive the player through its public operations. Changes are announced with
// PropertiesChanged, gathered per event-loop turn, and jumps with Seeked. Main thread.
class MprisService : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<void()> raise; // show the window in front
        std::function<void()> quit;
    };

    MprisService(const QDBusConnection &bus, MediaPlayerManager &player, LibraryManager &library,
                 Hooks hooks, QObject *parent = nullptr);
    ~MprisService() override;

    // Registers the object and takes the bus name (a name of its own with the process
    // id when another player holds the plain one). False when there is no bus.
    bool registerOnBus();
    QString busName() const { return m_busName; }

    // Where covers are written for mpris:artUrl (one file per cover).
    void setArtDirectory(const QString &directory) { m_artDirectory = directory; }

    // For the adaptors.
    MediaPlayerManager &player() { return m_player; }
    const MediaPlayerManager &player() const { return m_player; }
    LibraryManager &library() { return m_library; }
    const Hooks &hooks() const { return m_hooks; }
    QVariantMap metadata() const;
    // The object path naming an item in mpris:trackid.
    static QDBusObjectPath trackId(const MediaItem &item);
    void seekTo(double seconds);

private:
    void changed(const QString &property);
    void flush();
    void onTime();
    QString artUrl(const MediaItem &item) const;

    QDBusConnection m_bus;
    MediaPlayerManager &m_player;
    LibraryManager &m_library;
    Hooks m_hooks;
    MprisPlayerAdaptor *m_playerAdaptor = nullptr;
    QString m_busName;
    QString m_artDirectory;
    QSet<QString> m_changed;
    bool m_flushQueued = false;
    // The position expected from the last report, to tell a jump from playing on.
    double m_lastTime = 0;
    QElapsedTimer m_sinceLastTime;
};
