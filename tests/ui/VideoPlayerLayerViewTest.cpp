// The video item under X (Xvfb in CI) with a real OpenGL context: a generated test
// pattern shows up in a screenshot of the window, also for a video loaded before the
// item existed, and the item survives being destroyed and made again during playback.
#include "PlaybackFixtures.h"
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

struct PixelCount
{
    int colourful = 0; // clearly coloured: part of the test pattern
    int black = 0;
};

PixelCount countPixels(const QImage &image, const QRect &area)
{
    PixelCount count;
    for (int y = area.top(); y <= area.bottom(); y += 2) {
        for (int x = area.left(); x <= area.right(); x += 2) {
            const QColor c = image.pixelColor(x, y);
            if (c.saturation() > 80 && c.value() > 60)
                ++count.colourful;
            else if (c.value() < 16)
                ++count.black;
        }
    }
    return count;
}

class VideoItemTest : public ::testing::Test
{
protected:
    MediaPlayerManager player{[] {
        MpvPlayerBackend::Options options;
        options.audioOutput = "null";
        options.videoOutput = "libmpv";
        return std::make_unique<MpvPlayerBackend>(options);
    }};
    QQuickWindow window;

    void SetUp() override
    {
        window.resize(320, 240);
        window.setColor(Qt::white); // anything not drawn by the item shows as white
        window.show();
        ASSERT_TRUE(TestSupport::waitUntil([&] { return window.isExposed(); }, 10s));
    }

    std::unique_ptr<VideoPlayerLayerView> makeView()
    {
        auto view = std::make_unique<VideoPlayerLayerView>(window.contentItem());
        view->setSize(window.size());
        view->setPlayerLayer(player.playerLayer());
        return view;
    }

    // Waits until `check` holds for a screenshot of the window.
    bool screenshotShows(const std::function<bool(const QImage &)> &check)
    {
        QImage last;
        const bool shown = TestSupport::waitUntil([&] {
            last = window.grabWindow();
            return check(last);
        }, 15s);
        if (!shown) // kept for a look at what was drawn instead
            last.save(TestSupport::scratchRoot() + u"/video-item-failure.png"_s);
        return shown;
    }

    void playVideo(int width, int height)
    {
        const QString path = PlaybackFixtures::testPatternVideo(20, width, height);
        ASSERT_FALSE(path.isEmpty());
        MediaItem item;
        item.url = PlaybackFixtures::urlOf(path);
        player.play(QList<MediaItem>{item}, 0);
        ASSERT_TRUE(TestSupport::waitUntil([&] { return player.playerLayer() != nullptr; }, 10s));
    }
};

} // namespace

TEST_F(VideoItemTest, ShowsThePictureAndSurvivesBeingMadeAgain)
{
    ASSERT_EQ(window.rendererInterface()->graphicsApi(), QSGRendererInterface::OpenGL);
    // Loaded and playing before any render context exists.
    playVideo(320, 240);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.currentTime() > 0.3; }, 10s));

    const QRect whole(0, 0, 320, 240);
    for (int round = 0; round < 3; ++round) {
        auto view = makeView();
        EXPECT_TRUE(screenshotShows([&](const QImage &shot) {
            return countPixels(shot.scaled(window.size()), whole).colourful > 2000;
        })) << "round " << round;
        view.reset(); // the section is left while the video goes on
        TestSupport::waitUntil([] { return false; }, 150ms);
        EXPECT_TRUE(player.isPlaying());
    }
    EXPECT_TRUE(player.currentTime() > 0.5);
}

TEST_F(VideoItemTest, FitsAnOddAspectRatioOnBlack)
{
    playVideo(64, 256); // a tall, narrow picture in a wide window
    auto view = makeView();
    const QRect left(0, 0, 100, 240);
    const QRect middle(140, 40, 40, 160);
    const QRect right(220, 0, 100, 240);
    EXPECT_TRUE(screenshotShows([&](const QImage &raw) {
        const QImage shot = raw.scaled(window.size());
        const PixelCount l = countPixels(shot, left);
        const PixelCount r = countPixels(shot, right);
        const PixelCount m = countPixels(shot, middle);
        return m.colourful > 200 && l.black == 50 * 120 && r.black == 50 * 120;
    }));

    // Following the host's size: a wider window keeps the bars black.
    window.resize(480, 240);
    view->setSize(window.size());
    EXPECT_TRUE(screenshotShows([&](const QImage &raw) {
        const QImage shot = raw.scaled(window.size());
        return countPixels(shot, QRect(0, 0, 180, 240)).black == 90 * 120
               && countPixels(shot, QRect(220, 40, 40, 160)).colourful > 200;
    }));
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    VideoPlayerLayerView::selectGraphicsApi();
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
