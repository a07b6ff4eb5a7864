// The playback engine over the real libmpv player with null outputs, on generated files.
#include "MediaFixtures.h"
#include "TestItems.h"
#include "TestSupport.h"
#include "core/MediaPlayerManager.h"
#include "core/Preferences.h"
#include "media/MpvPlayerBackend.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <mpv/client.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using MediaFixtures::cachedTone;
using RepeatMode = MediaPlayerManager::RepeatMode;

namespace {

MediaItem itemFor(const QString &path, const QString &title)
{
    MediaItem item = TestItems::makeItem(title);
    item.url = QUrl::fromLocalFile(path);
    return item;
}

// A factory of mpv back ends with null outputs, noting the one it made in `backend`.
auto nullMpv(MpvPlayerBackend *&backend)
{
    return [&backend] {
        MpvPlayerBackend::Options options;
        options.audioOutput = "null";
        options.videoOutput = "null";
        auto made = std::make_unique<MpvPlayerBackend>(options);
        backend = made.get();
        return made;
    };
}

double mpvDouble(MpvPlayerBackend *backend, const char *name)
{
    double value = std::nan("");
    mpv_get_property(backend->core().get(), name, MPV_FORMAT_DOUBLE, &value);
    return value;
}

class MpvPlayback : public ::testing::Test
{
protected:
    MpvPlayerBackend *backend = nullptr;
    MediaPlayerManager player{nullMpv(backend)};
    QStringList started; // titles of the items loaded, in order
    QMetaObject::Connection startLog = QObject::connect(
        &player, &MediaPlayerManager::currentItemChanged, [this] { started.append(title()); });

    QString title() const { return player.currentItem() ? player.currentItem()->title : QString(); }

    bool playedPast(double seconds)
    {
        return TestSupport::waitUntil([&] { return player.currentTime() > seconds; }, 10s);
    }
    bool stops() { return TestSupport::waitUntil([&] { return !player.isPlaying(); }, 15s); }
    void setRepeat(RepeatMode mode)
    {
        while (player.repeatMode() != mode)
            player.cycleRepeatMode();
    }
    static void idle(auto t) { TestSupport::waitUntil([] { return false; }, t); }
};

} // namespace

TEST_F(MpvPlayback, EndOfItemFollowsTheRepeatMode)
{
    const QList<MediaItem> queue{itemFor(cachedTone(0.8), u"A"_s),
                                 itemFor(cachedTone(0.9), u"B"_s)};
    player.play(queue, 0);
    ASSERT_TRUE(backend && backend->isValid());
    EXPECT_TRUE(TestSupport::waitUntil([&] { return std::abs(player.duration() - 0.8) < 0.1; }));
    ASSERT_TRUE(stops());
    EXPECT_EQ(started, (QStringList{u"A"_s, u"B"_s})) << "and stops at B";

    // One: the same item restarts from its beginning, each time after a run to its end.
    setRepeat(RepeatMode::one);
    player.play(queue, 0);
    started.clear();
    int restarts = 0;
    double last = 0;
    QObject::connect(&player, &MediaPlayerManager::currentTimeChanged, [&] {
        restarts += player.currentTime() + 0.3 < last;
        last = player.currentTime();
    });
    ASSERT_TRUE(TestSupport::waitUntil([&] { return restarts >= 2; }, 15s));
    EXPECT_TRUE(started.isEmpty() && player.isPlaying()) << "restarts load no other item";

    // A finished item plays again when restarted or resumed.
    setRepeat(RepeatMode::off);
    started.clear();
    player.play(QList<MediaItem>{itemFor(cachedTone(0.6), u"C"_s)}, 0);
    ASSERT_TRUE(stops());
    player.playPrevious();
    ASSERT_TRUE(stops());
    EXPECT_EQ(started, (QStringList{u"C"_s, u"C"_s}));
    player.resume();
    EXPECT_TRUE(player.isPlaying() && stops()) << "it plays to its end once more";
}

TEST_F(MpvPlayback, SeekSpeedAndVolumeReachThePlayer)
{
    player.play(QList<MediaItem>{itemFor(cachedTone(12), u"Tone"_s)}, 0);
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

    // The level reaches mpv on a cubic curve, and muted it is silent.
    const auto volumeIs = [&](double level) {
        return TestSupport::waitUntil(
            [&] { return std::abs(mpvDouble(backend, "volume") - level) < 0.01; });
    };
    EXPECT_TRUE(volumeIs(100.0 * std::cbrt(0.8)));
    player.toggleMute();
    EXPECT_TRUE(volumeIs(0));
}

// Neither a missing nor a corrupt file ends early, skips or crashes: it stays current. A
// file deleted while it plays ends there. A cover picture is not video; a clip is.
TEST_F(MpvPlayback, UnplayableFilesStayCurrentAndDeletedOnesEnd)
{
    const QString corrupt = MediaFixtures::fixtureDirectory() + u"/corrupt.mp3"_s;
    ASSERT_TRUE(MediaFixtures::writeNoise(corrupt, 64 * 1024, 7));
    MediaFixtures::AudioOptions withCover;
    withCover.cover = MediaFixtures::Picture{};
    const QString good = MediaFixtures::cachedAudio(u"cover.mp3"_s, withCover);
    for (const auto &[bad, mode] :
         {std::pair{MediaFixtures::fixtureDirectory() + u"/missing.mp3"_s, RepeatMode::off},
          {corrupt, RepeatMode::all}}) {
        SCOPED_TRACE(bad.toStdString());
        setRepeat(mode);
        started.clear();
        player.play(QList<MediaItem>{itemFor(bad, u"Bad"_s), itemFor(good, u"Good"_s)}, 0);
        idle(1500ms);
        EXPECT_EQ(started, QStringList{u"Bad"_s});
        EXPECT_TRUE(player.isPlaying() && !player.hasVideo());
    }
    player.playNext();
    EXPECT_TRUE(playedPast(0.2)) << "the player still works";
    EXPECT_EQ(title(), u"Good"_s);
    EXPECT_FALSE(player.hasVideo() || player.playerLayer());

    const QString doomed = MediaFixtures::fixtureDirectory() + u"/deleted-while-playing.mp3"_s;
    QFile::remove(doomed);
    ASSERT_TRUE(QFile::copy(cachedTone(4), doomed));
    setRepeat(RepeatMode::off);
    player.play({itemFor(doomed, u"Doomed"_s),
                 itemFor(MediaFixtures::cachedVideo(u"clip.mp4"_s), u"Next"_s)}, 0);
    // The time shown is the last item's until the first report, so wait for this file's
    // own length: only then has the player opened it.
    ASSERT_TRUE(TestSupport::waitUntil([&] { return std::abs(player.duration() - 4) < 0.1; }));
    ASSERT_TRUE(playedPast(0.3));
    ASSERT_TRUE(QFile::remove(doomed));
    player.seek(3.0);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return title() == u"Next"_s; }, 10s));
    EXPECT_TRUE(TestSupport::waitUntil([&] { return player.hasVideo() && player.playerLayer(); }));
}

// The stored preferences reach the real player: the default speed from the start, and in
// an audiobook a five-second silence skipped (pauses under a second stay).
TEST(MpvPreferences, StoredSpeedFromTheStartAndSilenceSkippedInAudiobooks)
{
    QTemporaryDir dir;
    MediaFixtures::AudioOptions options;
    options.seconds = 7;
    options.silentFrom = 1;
    options.silentSeconds = 5;
    const QString path = dir.filePath(u"pause.mp3"_s);
    ASSERT_TRUE(MediaFixtures::writeAudio(path, options)) << MediaFixtures::lastError().toStdString();
    Preferences preferences(dir.filePath(u"Lyrabox.conf"_s));
    preferences.setDefaultPlaybackRate(1.5);
    preferences.setSkipSilence(true);
    MpvPlayerBackend *backend = nullptr;
    MediaPlayerManager player(nullMpv(backend), &preferences);
    // Wall-clock seconds from the first moment it moves (opening the file is not playing
    // it) to the end of the item.
    const auto playedSeconds = [&](const QString &title) {
        bool ended = false;
        const auto connection = QObject::connect(&player, &MediaPlayerManager::isPlayingChanged,
                                                 [&] { ended = ended || !player.isPlaying(); });
        player.play(QList<MediaItem>{itemFor(path, title)}, 0);
        EXPECT_TRUE(TestSupport::waitUntil([&] { return player.currentTime() > 0; }, 10s));
        QElapsedTimer clock;
        clock.start();
        const bool done = TestSupport::waitUntil([&] { return ended; }, 12s);
        QObject::disconnect(connection);
        return done ? clock.elapsed() / 1000.0 : std::nan("");
    };
    player.setAudiobookTest([](const MediaItem &) { return true; });
    // 2 s of tone and half a second of the pause remain of 7 s, at one and a half times.
    const double skipping = playedSeconds(u"Book"_s);
    EXPECT_EQ(mpvDouble(backend, "speed"), 1.5);
    EXPECT_LT(skipping, 2.4);
    EXPECT_GT(skipping, 1.2);

    // Outside audiobooks the whole pause plays.
    player.setAudiobookTest([](const MediaItem &) { return false; });
    EXPECT_GT(playedSeconds(u"Song"_s), 4.2);
}
