// Drops on the real window: what is refused, and a large drop that must leave the
// window responsive while the import runs.
#include "LyraboxApp.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(LyraboxPlugin)

using namespace Qt::StringLiterals;

namespace {

// Drags `data` onto the middle of the window and drops it there.
void drop(QQuickWindow *window, QMimeData *data)
{
    const QPoint centre(window->width() / 2, window->height() / 2);
    QDragEnterEvent enter(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QDragMoveEvent move(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent dropped(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    for (QEvent *event : std::initializer_list<QEvent *>{&enter, &move, &dropped})
        QCoreApplication::sendEvent(window, event);
}

// Text, pictures and remote addresses are refused; five thousand files import while the
// window keeps responding.
TEST(DropTest, RefusesAllButLocalFilesAndImportsThemWhileTheWindowResponds)
{
    if (QGuiApplication::platformName() != u"xcb"_s) // OpenGL for the video item
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    LyraboxApp::Options options;
    options.audioOutput = "null";
    LyraboxApp app(options);
    ASSERT_TRUE(app.isValid());
    QQuickWindow *window = app.window();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return window->isExposed(); }));
    QTemporaryDir dir{TestSupport::scratchRoot() + u"/drop-XXXXXX"_s};
    LibraryManager &library = app.libraryManager();
    QMimeData text, picture, remote;
    text.setText(u"/etc/passwd.mp3\nhttps://example.invalid/a.mp3"_s);
    picture.setImageData(QImage(8, 8, QImage::Format_RGB32));
    remote.setUrls({QUrl(u"https://example.invalid/a.mp3"_s)});
    for (QMimeData *data : {&text, &picture, &remote})
        drop(window, data);
    EXPECT_EQ(library.runningImports(), 0);

    QList<QUrl> urls;
    for (int i = 1; i <= 5000; ++i) {
        const QString path = dir.filePath(u"Track %1.mp3"_s.arg(i));
        QFile(path).open(QIODevice::WriteOnly);
        urls.append(QUrl::fromLocalFile(path));
    }
    QMimeData files;
    files.setUrls(urls);

    // The event loop's longest stall while the import runs, seen by a 10 ms timer.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    QQuickItem *spinner = window->findChild<QQuickItem *>(u"importSpinner"_s);
    ASSERT_NE(spinner, nullptr);
    bool spinnerShown = false;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        spinnerShown = spinnerShown || spinner->isVisible();
    });

    sinceTick.start();
    ticker.start(10);
    drop(window, &files);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return library.runningImports() == 0; },
                                       std::chrono::seconds(120)));
    ASSERT_EQ(library.allItems().size(), 5000);
    ticker.stop();
    EXPECT_EQ(library.allItems().first().title, u"Track 1"_s);
    EXPECT_EQ(library.allItems().last().title, u"Track 5000"_s);
    // A frame or two at most: the import never holds the window up.
    EXPECT_LT(longestGap, 250) << "the event loop stalled for " << longestGap << " ms";
    EXPECT_TRUE(spinnerShown);
    EXPECT_FALSE(spinner->isVisible());
}

} // namespace
