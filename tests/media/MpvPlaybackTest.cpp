// The playback engine over the real libmpv player with null outputs, on files made by
// ffmpeg.
#include "PlaybackFixtures.h"
#include "TestSupport.h"
#include "core/MediaPlayerManager.h"
#include "media/MpvPlayerBackend.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QThread>
#include <cmath>
#include <gtest/gtest.h>
#include <mpv/client.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using RepeatMode = MediaPlayerManager::RepeatMode;

namespace {

MediaItem itemFor(const QString &path, const QString &title)
{
    MediaItem item;
    item.url = PlaybackFixtures::urlOf(path);
    item.title = title;
    return item;
}

class MpvPlayback : public ::testing::Test
{
protected:
    MpvPlayerBackend *backend = nullptr;
    MediaPlayerManager player{[this] {
        MpvPlayerBackend::Options options;
        options.audioOutput = "null";
        options.videoOutput = "null";
        auto made = std::make_unique<MpvPlayerBackend>(options);
        backend = made.get();
        return made;
    }};
    QStringList started; // titles of the items loaded, in order

    void SetUp() override
    {
        QObject::connect(&player, &MediaPlayerManager::currentItemChanged, [this] {
            started.append(player.currentItem()->title);
        });
    }

    QString title() const { return player.currentItem() ? player.currentItem()->title : QString(); }

    double mpvDouble(const char *name) const
    {
        double value = std::nan("");
        mpv_get_property(backend->core().get(), name, MPV_FORMAT_DOUBLE, &value);
        return value;
    }

    // Plays until the position has moved past `seconds`.
    bool playedPast(double seconds)
    {
        return TestSupport::waitUntil([&] { return player.currentTime() > seconds; }, 10s);
    }

    // Lets the event loop run for a while without expecting anything.
    static void idle(std::chrono::milliseconds span) { TestSupport::waitUntil([] { return false; }, span); }
};

} // namespace

TEST_F(MpvPlayback, PlaysAndReportsPositionAndLength)
{
    const QString tone = PlaybackFixtures::toneMp3(3);
    ASSERT_FALSE(tone.isEmpty());
    player.play(QList<MediaItem>{itemFor(tone, u"Tone"_s)}, 0);
    ASSERT_TRUE(backend && backend->isValid());
    ASSERT_TRUE(playedPast(0.3));
    EXPECT_TRUE(TestSupport::waitUntil([&] { return player.duration() > 0; }));
    EXPECT_NEAR(player.duration(), 3.0, 0.1);
    EXPECT_FALSE(player.hasVideo());
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(MpvPlayback, EndOfItemFollowsTheRepeatMode)
{
    const QString a = PlaybackFixtures::toneMp3(0.8);
    const QString b = PlaybackFixtures::toneMp3(0.9);
    const QList<MediaItem> queue{itemFor(a, u"A"_s), itemFor(b, u"B"_s)};

    // Off: A, B, then stop on B.
    player.play(queue, 0);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !player.isPlaying(); }, 15s));
    EXPECT_EQ(started, (QStringList{u"A"_s, u"B"_s}));
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(title(), u"B"_s);

    // All: wraps around to A.
    started.clear();
    player.cycleRepeatMode();
    ASSERT_EQ(player.repeatMode(), RepeatMode::all);
    player.play(queue, 1);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return started.size() >= 3; }, 15s));
    EXPECT_EQ(started.mid(0, 3), (QStringList{u"B"_s, u"A"_s, u"B"_s}));
    EXPECT_TRUE(player.isPlaying());

    // One: the same item restarts from its beginning.
    player.cycleRepeatMode();
    ASSERT_EQ(player.repeatMode(), RepeatMode::one);
    player.play(queue, 0);
    started.clear();
    int restarts = 0;
    double last = 0;
    QObject::connect(&player, &MediaPlayerManager::currentTimeChanged, [&] {
        if (player.currentTime() + 0.3 < last)
            ++restarts;
        last = player.currentTime();
    });
    // Each restart follows a run to the end: the item plays again each time.
    ASSERT_TRUE(TestSupport::waitUntil([&] { return restarts >= 2; }, 15s));
    EXPECT_TRUE(started.isEmpty()) << "restarts do not load another item";
    EXPECT_EQ(player.currentIndex(), 0);
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(MpvPlayback, ShuffledQueuePlaysInTheShuffleOrderOnce)
{
    QList<MediaItem> queue;
    for (int i = 0; i < 4; ++i)
        queue.append(itemFor(PlaybackFixtures::toneMp3(0.5 + 0.1 * i), QString::number(i)));
    player.toggleShuffle();
    player.play(queue, 2);
    const QList<int> order = player.shuffledIndices();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !player.isPlaying(); }, 20s));
    QStringList expected;
    for (int position : order)
        expected.append(QString::number(position));
    EXPECT_EQ(started, expected);
    EXPECT_EQ(player.currentIndex(), order.last());
}

TEST_F(MpvPlayback, ExactSeekLandsOnTheTarget)
{
    const QString tone = PlaybackFixtures::toneMp3(10);
    player.play(QList<MediaItem>{itemFor(tone, u"Tone"_s)}, 0);
    ASSERT_TRUE(playedPast(0.1));
    player.pause();
    player.seek(6.25);
    EXPECT_EQ(player.currentTime(), 6.25);
    player.resume();
    // The first positions after the jump start at the target, not at a nearby frame.
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.currentTime() > 6.25; }, 10s));
    EXPECT_LT(player.currentTime(), 6.25 + 0.5);

    // Paused, the reported position is the target, not mpv's reading short of it.
    player.pause();
    player.seek(2.5);
    QList<double> reported;
    QObject::connect(&player, &MediaPlayerManager::currentTimeChanged,
                     [&] { reported.append(player.currentTime()); });
    idle(700ms);
    EXPECT_EQ(player.currentTime(), 2.5);
    for (double seconds : reported)
        EXPECT_EQ(seconds, 2.5);
}

TEST_F(MpvPlayback, DoubleSpeedAdvancesTwiceAsFast)
{
    const QString tone = PlaybackFixtures::toneMp3(12);
    player.play(QList<MediaItem>{itemFor(tone, u"Tone"_s)}, 0);
    ASSERT_TRUE(playedPast(0.2));

    auto advanceOver = [&](std::chrono::milliseconds span) {
        const double from = mpvDouble("time-pos");
        QElapsedTimer clock;
        clock.start();
        idle(span);
        return (mpvDouble("time-pos") - from) / (clock.nsecsElapsed() / 1e9);
    };
    const double normal = advanceOver(1200ms);
    player.setPlaybackRate(2.0f);
    idle(100ms);
    const double doubled = advanceOver(1200ms);
    EXPECT_NEAR(normal, 1.0, 0.2);
    EXPECT_NEAR(doubled / normal, 2.0, 0.35);
    EXPECT_DOUBLE_EQ(mpvDouble("speed"), 2.0);
}

TEST_F(MpvPlayback, MuteSilencesAndUnmuteRestoresTheLevel)
{
    const QString tone = PlaybackFixtures::toneMp3(5);
    player.play(QList<MediaItem>{itemFor(tone, u"Tone"_s)}, 0);
    ASSERT_TRUE(playedPast(0.1));
    const double level = 100.0 * std::cbrt(0.8);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return std::abs(mpvDouble("volume") - level) < 0.01; }));

    player.toggleMute();
    EXPECT_TRUE(TestSupport::waitUntil([&] { return mpvDouble("volume") == 0; }));
    player.adjustVolume(-0.3f);
    idle(100ms);
    EXPECT_EQ(mpvDouble("volume"), 0);

    player.toggleMute();
    const double lowered = 100.0 * std::cbrt(double(0.8f - 0.3f));
    EXPECT_TRUE(TestSupport::waitUntil([&] { return std::abs(mpvDouble("volume") - lowered) < 0.01; }));
}

class UnplayableFile : public MpvPlayback, public ::testing::WithParamInterface<int>
{
};

// Neither a missing nor a corrupt file ends early, skips or crashes: it stays current.
TEST_P(UnplayableFile, StaysCurrentWithoutSkipping)
{
    const QString bad = GetParam() == 0 ? PlaybackFixtures::missingFile()
                                        : PlaybackFixtures::corruptMp3();
    const QString good = PlaybackFixtures::toneMp3(2);
    for (RepeatMode mode : {RepeatMode::off, RepeatMode::all}) {
        while (player.repeatMode() != mode)
            player.cycleRepeatMode();
        started.clear();
        player.play(QList<MediaItem>{itemFor(bad, u"Bad"_s), itemFor(good, u"Good"_s)}, 0);
        idle(1500ms);
        EXPECT_EQ(started, QStringList{u"Bad"_s});
        EXPECT_EQ(player.currentIndex(), 0);
        EXPECT_TRUE(player.isPlaying());
        EXPECT_FALSE(player.hasVideo());
    }
    player.playNext();
    EXPECT_TRUE(playedPast(0.2)) << "the player still works";
    EXPECT_EQ(title(), u"Good"_s);
}

INSTANTIATE_TEST_SUITE_P(MissingAndCorrupt, UnplayableFile, ::testing::Values(0, 1));

TEST_F(MpvPlayback, AFileDeletedWhilePlayingDoesNotBreakThePlayer)
{
    const QString source = PlaybackFixtures::toneMp3(4);
    const QString copy = TestSupport::scratchRoot() + u"/deleted-while-playing.mp3"_s;
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(source, copy));
    player.play(QList<MediaItem>{itemFor(copy, u"Doomed"_s), itemFor(source, u"Next"_s)}, 0);
    ASSERT_TRUE(playedPast(0.3));
    ASSERT_TRUE(QFile::remove(copy));
    player.seek(3.0);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return title() == u"Next"_s; }, 10s));
    EXPECT_TRUE(playedPast(0.2));
}

TEST_F(MpvPlayback, VideoIsDetectedButACoverPictureIsNot)
{
    player.play(QList<MediaItem>{itemFor(PlaybackFixtures::mp3WithCover(3), u"Cover"_s),
                                 itemFor(PlaybackFixtures::testPatternVideo(3), u"Video"_s)},
                0);
    ASSERT_TRUE(playedPast(0.2));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.duration() > 0; }));
    EXPECT_FALSE(player.hasVideo());
    EXPECT_EQ(player.playerLayer(), nullptr);

    player.playNext();
    ASSERT_TRUE(TestSupport::waitUntil([&] { return player.hasVideo(); }));
    EXPECT_NE(player.playerLayer(), nullptr);
}

TEST_F(MpvPlayback, ARestartedFinishedItemPlaysAgain)
{
    const QString tone = PlaybackFixtures::toneMp3(0.6);
    player.play(QList<MediaItem>{itemFor(tone, u"Tone"_s)}, 0);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !player.isPlaying(); }, 10s));
    player.playPrevious(); // past three seconds? no: reloads the only item
    ASSERT_TRUE(TestSupport::waitUntil([&] { return !player.isPlaying(); }, 10s));
    EXPECT_EQ(started, (QStringList{u"Tone"_s, u"Tone"_s}));

    // resume() on the finished item plays it again from its start.
    player.resume();
    EXPECT_TRUE(playedPast(0.1));
}
