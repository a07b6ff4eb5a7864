#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <memory>

class QQmlApplicationEngine;
class MediaPlayerManager;
class LibraryManager;
class YouTubeService;
class DownloadManager;
class Preferences;

// The application: owns the four managers, created once and kept for the whole run,
// and the main window, which receives all four. Main thread only.
class LyraboxApp : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        // mpv's audio output ("auto"; "null" for headless runs).
        QByteArray audioOutput = "auto";
    };

    // Before the QGuiApplication exists: the video item draws with OpenGL.
    static void prepareGraphics();

    // After the QGuiApplication exists: numeric locale for mpv, style, palette, the
    // managers and the main window.
    explicit LyraboxApp(const Options &options, QObject *parent = nullptr);
    ~LyraboxApp() override;

    // False when the main window could not be made.
    bool isValid() const { return m_window != nullptr; }

    MediaPlayerManager &playerManager() const { return *m_playerManager; }
    LibraryManager &libraryManager() const { return *m_libraryManager; }
    YouTubeService &youtubeService() const { return *m_youtubeService; }
    DownloadManager &downloadManager() const { return *m_downloadManager; }
    QQuickWindow *window() const { return m_window; }
    QQmlApplicationEngine &engine() const { return *m_engine; }

private:
    void contentShown();

    // Declared in creation order; destroyed in reverse, the engine (and the views that
    // reference the managers) first. The download queue runs through the online-video
    // service, so it goes before it.
    // Read by the player and the library where they apply it; the settings window has
    // its own instance on the same settings, whose writes these hear.
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<YouTubeService> m_youtubeService;
    std::unique_ptr<DownloadManager> m_downloadManager;
    std::unique_ptr<LibraryManager> m_libraryManager;
    std::unique_ptr<MediaPlayerManager> m_playerManager;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QPointer<QQuickWindow> m_window;
};
