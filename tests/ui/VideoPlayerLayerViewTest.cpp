// The video item under X (Xvfb in CI) with a real OpenGL context: a generated test
// pattern shows up in a screenshot of the window, fitted on black, also for a video
// loaded before the item existed and for an item destroyed and made again meanwhile.
#include "MediaFixtures.h"
#include "TestSupport.h"
#include "core/MediaPlayerManager.h"
#include "media/MpvPlayerBackend.h"
#include "media/video/VideoPlayerLayerView.h"

#include <QGuiApplication>
#include <QImage>
#include <QQuickWindow>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

// Every other pixel of `area`: how many are clearly coloured (the pattern) and black.
std::pair<int, int> colourfulAndBlack(const QImage &image, const QRect &area)
{
    int colourful = 0, black = 0;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            const QColor c = image.pixelColor(x, y);
            colourful += c.saturation() > 80 && c.value() > 60;
            black += c.value() < 16;
        }
    }
    return {colourful, black};
}

} // namespace

TEST(VideoItem, FitsThePictureOnBlackAndSurvivesBeingMadeAgain)
{
    MediaPlayerManager player{[] {
        MpvPlayerBackend::Options options;
        options.audioOutput = "null";
        options.videoOutput = "libmpv";
        return std::make_unique<MpvPlayerBackend>(options);
    }};
    QQuickWindow window;
    window.resize(320, 240);
    window.setColor(Qt::white); // anything the item does not draw shows white
    window.show();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return window.isExposed(); }, 10s));
    ASSERT_EQ(window.rendererInterface()->graphicsApi(), QSGRendererInterface::OpenGL);

    // A tall, narrow picture in a wide window, playing before any render context exists.
    const QString path = MediaFixtures::cachedVideo(u"tall.mp4"_s, QSize(64, 256), 20);
    ASSERT_FALSE(path.isEmpty()) << qPrintable(MediaFixtures::lastError());
    MediaItem item;
    item.url = QUrl::fromLocalFile(path);
    player.play(QList<MediaItem>{item}, 0);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.currentTime() > 0.3; }, 10s));
    ASSERT_NE(player.playerLayer(), nullptr);

    const auto shows = [&](const QRect &bars, const QRect &middle) {
        QImage shot;
        const bool shown = TestSupport::waitUntil([&] {
            shot = window.grabWindow().scaled(window.size());
            return colourfulAndBlack(shot, middle).first > 200 &&
                   colourfulAndBlack(shot, bars).second == bars.width() * bars.height() / 4;
        }, 15s);
        if (!shown) // kept for a look at what was drawn instead
            shot.save(TestSupport::scratchRoot() + u"/video-item-failure.png"_s);
        return shown;
    };
    std::unique_ptr<VideoPlayerLayerView> view;
    for (int round = 0; round < 3; ++round) {
        view.reset(); // the section is left while the video goes on
        EXPECT_TRUE(player.isPlaying());
        view = std::make_unique<VideoPlayerLayerView>(window.contentItem());
        view->setSize(window.size());
        view->setPlayerLayer(player.playerLayer());
        EXPECT_TRUE(shows(QRect(0, 0, 100, 240), QRect(140, 40, 40, 160))) << "round " << round;
    }
    EXPECT_TRUE(shows(QRect(220, 0, 100, 240), QRect(140, 40, 40, 160)));

    // Following the host's size: a wider window keeps the bars black.
    window.resize(480, 240);
    view->setSize(window.size());
    EXPECT_TRUE(shows(QRect(0, 0, 180, 240), QRect(220, 40, 40, 160)));
    EXPECT_GT(player.currentTime(), 0.5);
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    VideoPlayerLayerView::selectGraphicsApi();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
