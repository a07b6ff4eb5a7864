// Position, length, seeking, skips, speed, volume, video detection and chapters, over
// a scripted player.
#include "PlayerTestFixture.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

TEST_F(PlayerTest, TimesFollowTheCurrentItemOnlyAndSurviveUntilTheNewOnesArrive)
{
    player.play(items(3), 0);
    const auto first = state.currentItem;
    player.playNext();
    fake->completeDuration(999, first); // a load for the item that was replaced
    EXPECT_EQ(player.duration(), 0);
    fake->completeDuration(300);
    fake->reportTime(100);
    player.playNext();
    EXPECT_EQ(player.currentTime(), 100);
    EXPECT_EQ(player.duration(), 300);
    fake->completeDuration(notANumber); // a live stream
    fake->reportTime(notANumber);
    EXPECT_TRUE(player.duration() == 0 && player.currentTime() == 0);
    EXPECT_EQ(fake->timeObserverCount(), 1) << "one time observer, whatever was loaded";
}

// The remaining time goes through the shared time text: hours only when there are any.
TEST_F(PlayerTest, ProgressAndRemainingTimeDeriveFromTimeAndLength)
{
    const std::tuple<double, double, double, QString> cases[] = {
        {10, 100, 0.1, u"-1:30"_s},  {70, 65, 70.0 / 65, u"-0:00"_s}, {5, 0, 0, u"-0:00"_s},
        {5, infinity, 0, u"-0:00"_s}, {1.5, 3726.9, 1.5 / 3726.9, u"-1:02:05"_s}};
    player.play(items(1), 0);
    for (const auto &[time, duration, progress, remaining] : cases) {
        SCOPED_TRACE(remaining.toStdString());
        fake->completeDuration(duration);
        fake->reportTime(time);
        EXPECT_DOUBLE_EQ(player.progress(), progress);
        EXPECT_EQ(player.formattedRemainingTime(), remaining);
        player.play(items(1), 0);
    }
}

TEST_F(PlayerTest, VideoTracksPublishASurfaceThatOutlivesLaterAudio)
{
    using T = PlayerBackend::TrackType;
    player.play(items(3), 0);
    const auto first = state.currentItem;
    fake->completeTracks(QList<T>{T::Audio, T::CoverArt}); // a cover picture is not video
    EXPECT_FALSE(player.hasVideo());

    player.playNext();
    fake->completeTracks(QList<T>{T::Video}, first); // the replaced item: ignored
    EXPECT_EQ(state.surfacesMade, 0);
    fake->completeTracks(QList<T>{T::Video, T::Audio});
    VideoSurface *surface = player.playerLayer();
    EXPECT_TRUE(player.hasVideo() && surface);

    player.playNext();
    fake->completeTracks(QList<T>{T::Audio});
    EXPECT_FALSE(player.hasVideo());
    EXPECT_EQ(player.playerLayer(), surface);
}

// Seeks are exact, in six-hundredths, and not clamped; skips stay within the item.
TEST_F(PlayerTest, SeeksAndSkips)
{
    player.seek(12); // no player yet: only the position
    EXPECT_EQ(player.currentTime(), 12);
    player.play(items(1), 0);
    player.seek(90.5);
    player.seek(-3);
    player.seek(notANumber); // not a time: ignored
    EXPECT_EQ(state.seeks, (QList<MediaTime>{{54300, 600}, {-1800, 600}}));
    EXPECT_EQ(player.currentTime(), -3);

    const std::tuple<double, double, double, double> skips[] = {
        // position, length (0: not loaded), amount (negative: backward), expected
        {50, 60, 15, 60},       {10, 60, 15, 25}, {10, 0, 15, 0},
        {10, infinity, 15, 25}, {10, 60, -15, 0}, {40, 60, -15, 25}};
    for (const auto &[position, duration, amount, expected] : skips) {
        SCOPED_TRACE(testing::Message() << position << " + " << amount);
        player.play(items(1), 0);
        fake->completeDuration(duration);
        fake->reportTime(position);
        amount > 0 ? player.skipForward(amount) : player.skipBackward(-amount);
        EXPECT_DOUBLE_EQ(player.currentTime(), expected);
        EXPECT_EQ(state.seeks.last(), MediaTime::fromSeconds(expected));
    }
}

// Volume steps stay within 0..1 and mute keeps the level; speed applies at once while
// playing, at the next start while paused, and to every later item.
TEST_F(PlayerTest, VolumeAndSpeedStayValidAndCarryOverToTheNextItem)
{
    player.adjustVolume(0.1f); // no player yet
    player.play(items(2), 0);
    EXPECT_FLOAT_EQ(state.volume, 0.9f);
    player.adjustVolume(0.15f);
    EXPECT_EQ(player.volume(), 1.0f);
    player.toggleMute();
    player.adjustVolume(-0.1f);
    player.setPlaybackRate(2.0f);
    player.pause();
    const qsizetype ratesSet = state.rates.size();
    player.setPlaybackRate(1.5f);
    for (float bad : {0.0f, -1.0f, float(notANumber), float(infinity)})
        player.setPlaybackRate(bad);
    EXPECT_EQ(state.rates.size(), ratesSet);
    EXPECT_EQ(state.rates.last(), 2.0f);
    player.playNext();
    EXPECT_EQ(state.rates.last(), 1.5f);
    EXPECT_EQ(state.volume, 0.0f) << "muted stays silent, also for the next item";
    player.toggleMute();
    EXPECT_FLOAT_EQ(state.volume, 0.9f);
    for (int i = 0; i < 12; ++i)
        player.adjustVolume(-0.1f);
    player.adjustVolume(notANumber);
    EXPECT_EQ(player.volume(), 0.0f);
}

// Start inclusive, end exclusive; in a gap or past the end the last chapter is kept; of
// overlapping chapters the first match wins. Seeking to a chapter of the loaded item sets
// position and chapter at once; one of another item, or an unknown id, moves nothing.
TEST_F(PlayerTest, CurrentChapterFollowsThePosition)
{
    const QList<Chapter> chapters = {Chapter(u"One"_s, 0, 60, 0), Chapter(u"Two"_s, 60, 120, 1),
                                     Chapter(u"Three"_s, 130, 200, 2),
                                     Chapter(u"Overlap"_s, 150, 220, 3)};
    const Chapter elsewhere(u"Other"_s, 30, 60, 0);
    player.play({item(u"Book"_s, chapters), item(u"Next"_s, {elsewhere}), item(u"Song"_s)}, 0);
    EXPECT_EQ(player.currentChapter()->title, u"One"_s) << "the first one on load";
    for (const auto &[time, expected] :
         {std::pair{60.0, u"Two"_s}, {59.99, u"One"_s}, {0.0, u"One"_s}, {125.0, u"Two"_s},
          {500.0, u"Two"_s}, {160.0, u"Three"_s}, {210.0, u"Overlap"_s}, {120.0, u"Two"_s}}) {
        fake->reportTime(70); // in "Two"
        fake->reportTime(time);
        ASSERT_TRUE(player.currentChapter()) << time;
        EXPECT_EQ(player.currentChapter()->title, expected) << time;
    }

    player.pause();
    player.seekToChapter(chapters[2].id.toString(QUuid::WithoutBraces));
    for (const QString &id : {elsewhere.id.toString(), QUuid::createUuid().toString(), u"x"_s})
        player.seekToChapter(id);
    EXPECT_EQ(player.currentTime(), 130);
    EXPECT_EQ(player.currentChapter(), chapters[2]);
    EXPECT_EQ(state.seeks, (QList<MediaTime>{{78000, 600}}));
    EXPECT_FALSE(state.playing);
    player.playNext();
    EXPECT_EQ(player.currentChapter(), elsewhere);
    player.playNext();
    EXPECT_FALSE(player.currentChapter() || !player.chapters().isEmpty());
}
