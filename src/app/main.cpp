// LyraboxApp: the program's entry point.
#include "LyraboxApp.h"
#include "Translations.h"
#include "core/LaunchFiles.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "media/AvApi.h"
#include "media/MpvApi.h"
#include "platform/DesktopTheme.h"
#include "platform/MprisService.h"
#include "platform/ScreenSaverInhibitor.h"
#include "platform/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

using namespace Qt::StringLiterals;

namespace {

// Hooks for bench/ui.sh, read from the environment so that they stay out of the
// user's way (no command-line options):
//   LYRABOX_BENCH_FIRST_FRAME=1   print "first-frame" when the window first shows a
//                                 frame, then quit;
//   LYRABOX_BENCH_PLAY=<path>     import the file (or folder) and play its first item
//                                 once imported;
//   LYRABOX_BENCH_QUIT_AFTER=<s>  quit after that many seconds.
//   LYRABOX_AUDIO_OUTPUT=<ao>     mpv's audio output (e.g. "null" without a sound card).
void installBenchHooks(LyraboxApp &app)
{
    if (qEnvironmentVariableIntValue("LYRABOX_BENCH_FIRST_FRAME") == 1) {
        QObject::connect(app.window(), &QQuickWindow::frameSwapped, &app, [] {
            std::fputs("first-frame\n", stdout);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        });
    }
    const QString file = qEnvironmentVariable("LYRABOX_BENCH_PLAY");
    if (!file.isEmpty()) {
        LibraryManager &library = app.libraryManager();
        MediaPlayerManager &player = app.playerManager();
        QObject::connect(&library, &LibraryManager::importsFinished, &app, [&library, &player] {
            if (!library.allItems().isEmpty() && !player.currentItem())
                player.play(library.allItems().first());
        });
        if (QFileInfo(file).isDir())
            library.addFolder(QUrl::fromLocalFile(file));
        else
            library.addFiles({QUrl::fromLocalFile(file)});
    }
    bool ok = false;
    const double quitAfter = qEnvironmentVariable("LYRABOX_BENCH_QUIT_AFTER").toDouble(&ok);
    if (ok && quitAfter > 0)
        QTimer::singleShot(int(quitAfter * 1000), qApp, &QCoreApplication::quit);
}

} // namespace

int main(int argc, char *argv[])
{
    LyraboxApp::prepareGraphics();
    // Qt Quick sizes its texture atlas after the window (2048 x 1024 here); making and
    // clearing one that large costs the first frame tens of milliseconds on a software
    // renderer, and the icons and small covers it holds fit one of 512 x 512.
    if (!qEnvironmentVariableIsSet("QSG_ATLAS_WIDTH")
        && !qEnvironmentVariableIsSet("QSG_ATLAS_HEIGHT")) {
        qputenv("QSG_ATLAS_WIDTH", "512");
        qputenv("QSG_ATLAS_HEIGHT", "512");
    }
    // The desktop's own file choosers where it offers them.
    if (const QByteArray theme = DesktopTheme::preferredHere(); !theme.isEmpty())
        qputenv("QT_QPA_PLATFORMTHEME", theme);
    QGuiApplication application(argc, argv);
    QGuiApplication::setOrganizationName(u"Lyrabox"_s);
    QGuiApplication::setApplicationName(u"Lyrabox"_s);
    QGuiApplication::setDesktopFileName(u"lyrabox"_s);
    // The user's language where Lyrabox has a catalogue for it (and its direction).
    Translations::install(application);

    // Files and folders given to us ("Open With", "lyrabox FILE..."). When Lyrabox
    // already runs in this session they are handed to it, and this launch ends.
    const LaunchFiles::Parsed launch =
        LaunchFiles::parse(QCoreApplication::arguments().mid(1), QDir::currentPath());
    for (const QString &skipped : launch.skipped)
        std::fprintf(stderr, "lyrabox: skipped \"%s\": not a file or folder on this computer\n",
                     qPrintable(skipped));
    if (SingleInstance::handOff(QDBusConnection::sessionBus(), launch.urls))
        return 0;

    LyraboxApp::Options options;
    const QByteArray audioOutput = qgetenv("LYRABOX_AUDIO_OUTPUT");
    if (!audioOutput.isEmpty())
        options.audioOutput = audioOutput;
    LyraboxApp app(options);
    if (!app.isValid())
        return 1;
    installBenchHooks(app);
    // The player's and the inspector's libraries load once the window is up, off the
    // main thread, so that neither the first frame nor the first play or import waits
    // for them. An import started earlier loads libavformat itself.
    // On the session bus once the window is up (connecting costs the first frame): the
    // desktop's media keys and panels (MPRIS2), and the screen saver held off while a
    // video plays.
    std::unique_ptr<ScreenSaverInhibitor> screenSaver;
    std::unique_ptr<MprisService> mpris;
    std::unique_ptr<SingleInstance> instance;
    QObject::connect(
        app.window(), &QQuickWindow::frameSwapped, &app,
        [&app, &screenSaver, &mpris, &instance, urls = launch.urls] {
            Mpv::preloadApi();
            Av::preloadApi();
            LaunchFiles::open(app.libraryManager(), app.playerManager(), urls);
            const QDBusConnection bus = QDBusConnection::sessionBus();
            if (!bus.isConnected()) {
                std::fputs("lyrabox: no session bus: media keys and panels will not reach "
                           "Lyrabox\n", stderr);
                return;
            }
            screenSaver = std::make_unique<ScreenSaverInhibitor>(bus);
            screenSaver->follow(app.playerManager());
            QQuickWindow *window = app.window();
            const auto raise = [window] {
                window->show();
                window->raise();
                window->requestActivate();
            };
            mpris = std::make_unique<MprisService>(bus, app.playerManager(), app.libraryManager(),
                                                   MprisService::Hooks{raise, [] { QCoreApplication::quit(); }});
            if (!mpris->registerOnBus())
                std::fputs("lyrabox: the media player name could not be taken on the session "
                           "bus\n", stderr);
            // Later launches in this session hand their files here.
            instance = std::make_unique<SingleInstance>(bus, [&app, raise](const QList<QUrl> &files) {
                LaunchFiles::open(app.libraryManager(), app.playerManager(), files);
                raise();
            });
            instance->registerOnBus();
        },
        Qt::SingleShotConnection);
    return application.exec();
}
