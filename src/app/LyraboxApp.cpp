#include "LyraboxApp.h"

#include "ImageProviders.h"
#include "core/DownloadManager.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/Preferences.h"
#include "core/YouTubeService.h"
#include "media/MpvPlayerBackend.h"
#include "media/video/VideoPlayerLayerView.h"
#include "platform/Appearance.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <clocale>

using namespace Qt::StringLiterals;

void LyraboxApp::prepareGraphics()
{
    VideoPlayerLayerView::selectGraphicsApi();
    // Text drawn with the platform's hinted glyphs: crisper at the small sizes of a
    // desktop window than distance fields, and their glyph caches cost the first frame
    // far less to build for the several weights the window uses.
    QQuickWindow::setTextRenderType(QQuickWindow::NativeTextRendering);
}

LyraboxApp::LyraboxApp(const Options &options, QObject *parent) : QObject(parent)
{
    // mpv refuses to start under a locale whose decimal separator is not ".".
    std::setlocale(LC_NUMERIC, "C");

    QQuickStyle::setStyle(u"Fusion"_s);
    QGuiApplication::setPalette(Appearance::palette(Appearance::current()));

    m_preferences = std::make_unique<Preferences>();
    m_youtubeService = std::make_unique<YouTubeService>();
    m_downloadManager = std::make_unique<DownloadManager>();
    m_libraryManager = std::make_unique<LibraryManager>();
    m_libraryManager->setPreferences(m_preferences.get());
    const QByteArray audioOutput = options.audioOutput;
    m_playerManager = std::make_unique<MediaPlayerManager>(
        [audioOutput] {
            MpvPlayerBackend::Options mpv;
            mpv.audioOutput = audioOutput;
            return std::make_unique<MpvPlayerBackend>(mpv);
        },
        m_preferences.get());
    // Silences are skipped only in audiobooks, which the library knows.
    LibraryManager *library = m_libraryManager.get();
    m_playerManager->setAudiobookTest(
        [library](const MediaItem &item) { return library->isInAudiobook(item.id); });

    m_engine = std::make_unique<QQmlApplicationEngine>();
    // The app's QML modules live in its resources under their URI paths.
    m_engine->addImportPath(u"qrc:/"_s);
    addImageProviders(*m_engine);
    m_engine->setInitialProperties({
        {u"playerManager"_s, QVariant::fromValue<QObject *>(m_playerManager.get())},
        {u"libraryManager"_s, QVariant::fromValue<QObject *>(m_libraryManager.get())},
        {u"youtubeService"_s, QVariant::fromValue<QObject *>(m_youtubeService.get())},
        {u"downloadManager"_s, QVariant::fromValue<QObject *>(m_downloadManager.get())},
    });
    m_engine->load(QUrl(u"qrc:/Lyrabox/Main.qml"_s));
    const QList<QObject *> roots = m_engine->rootObjects();
    m_window = roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
    if (!m_window)
        return;
    connect(m_window, &QWindow::visibleChanged, this, [this](bool visible) {
        if (visible)
            contentShown();
    });
    if (m_window->isVisible())
        contentShown();
    // frameSwapped comes from the render thread; the queued call lands on this one.
    connect(
        m_window, &QQuickWindow::frameSwapped, this,
        [this] { m_window->setProperty("hasShownFirstFrame", true); },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
}

LyraboxApp::~LyraboxApp()
{
    // The views go first: they hold references to the managers.
    m_engine.reset();
}

void LyraboxApp::contentShown()
{
    // Each time the window's content appears; giving the same service again is harmless.
    m_downloadManager->setYoutubeService(m_youtubeService.get());
}
