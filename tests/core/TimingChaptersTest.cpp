// Position, length, seeking, skips, speed, volume, video detection and chapters, over
// a scripted player.
#include "PlayerTestFixture.h"

#include <QSignalSpy>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

QList<Chapter> twoChapters()
{
    return {Chapter(u"One"_s, 0, 60, 0), Chapter(u"Two"_s, 60, 120, 1)};
}

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
    EXPECT_EQ(player.duration(), 0);
    fake->reportTime(notANumber);
    EXPECT_EQ(player.currentTime(), 0);

    player.playPrevious();
    fake->completeDuration(infinity);
    EXPECT_EQ(player.progress(), 0);
    EXPECT_EQ(player.formattedRemainingTime(), u"-0:00"_s);
    EXPECT_EQ(fake->timeObserverCount(), 1) << "one time observer, whatever was loaded";
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
    EXPECT_TRUE(player.hasVideo());
    VideoSurface *surface = player.playerLayer();
    ASSERT_NE(surface, nullptr);

    player.playNext();
    fake->completeTracks(QList<T>{T::Audio});
    EXPECT_FALSE(player.hasVideo());
    EXPECT_EQ(player.playerLayer(), surface);
    player.playPrevious();
    fake->completeTracks(std::nullopt); // failed: nothing changes
    EXPECT_FALSE(player.hasVideo());
}

TEST_F(PlayerTest, SeekIsExactAtSixHundredthsAndNotClamped)
{
    player.seek(12); // no player yet: only the position
    EXPECT_EQ(player.currentTime(), 12);

    player.play(items(1), 0);
    player.seek(90.5);
    player.seek(-3);
    player.seek(notANumber); // not a time: ignored
    EXPECT_EQ(state.seeks, (QList<MediaTime>{{54300, 600}, {-1800, 600}}));
    EXPECT_EQ(player.currentTime(), -3);
}

struct SkipCase
{
    double position;
    double duration;
    double amount; // negative: backward
    double expected;
};

class Skip : public PlayerTest, public ::testing::WithParamInterface<SkipCase>
{
};

TEST_P(Skip, StaysWithinTheItem)
{
    const SkipCase c = GetParam();
    player.play(items(1), 0);
    fake->completeDuration(c.duration);
    fake->reportTime(c.position);
    if (c.amount > 0)
        player.skipForward(c.amount);
    else
        player.skipBackward(-c.amount);
    EXPECT_DOUBLE_EQ(player.currentTime(), c.expected);
    ASSERT_EQ(state.seeks.size(), 1);
    EXPECT_EQ(state.seeks[0], MediaTime::fromSeconds(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Amounts, Skip,
                         ::testing::Values(SkipCase{50, 60, 15, 60}, SkipCase{10, 60, 15, 25},
                                           SkipCase{10, 0, 15, 0}, // length not loaded
                                           SkipCase{10, infinity, 15, 25},
                                           SkipCase{10, 60, -15, 0},
                                           SkipCase{40, 60, -15, 25}));

TEST_F(PlayerTest, VolumeStepsStayInRangeAndMuteKeepsTheLevelAcrossItems)
{
    player.adjustVolume(0.1f); // no player yet
    player.play(items(2), 0);
    EXPECT_FLOAT_EQ(state.volume, 0.9f);
    player.adjustVolume(0.05f);
    player.adjustVolume(0.1f);
    EXPECT_EQ(player.volume(), 1.0f);

    player.toggleMute();
    player.adjustVolume(-0.1f);
    player.playNext();
    EXPECT_EQ(state.volume, 0.0f) << "muted stays silent, also for the next item";
    player.toggleMute();
    EXPECT_FLOAT_EQ(state.volume, 0.9f);

    for (int i = 0; i < 12; ++i)
        player.adjustVolume(-0.1f);
    player.adjustVolume(notANumber);
    EXPECT_EQ(player.volume(), 0.0f);
}

TEST_F(PlayerTest, SpeedAppliesAtOnceWhilePlayingAndAtTheNextStartWhilePaused)
{
    player.play(items(2), 0);
    player.setPlaybackRate(2.0f);
    EXPECT_EQ(state.rate, 2.0f);

    player.pause();
    const qsizetype ratesSet = state.rates.size();
    player.setPlaybackRate(1.5f);
    EXPECT_EQ(state.rates.size(), ratesSet);
    EXPECT_FALSE(state.playing);
    player.resume();
    EXPECT_EQ(state.rate, 1.5f);

    player.playNext(); // every load plays at the chosen speed
    EXPECT_EQ(state.rates.value(state.rates.size() - 1), 1.5f);
    for (float bad : {0.0f, -1.0f, float(notANumber), float(infinity)})
        player.setPlaybackRate(bad);
    EXPECT_EQ(player.playbackRate(), 1.5f);
}

struct ProgressCase
{
    double time;
    double duration;
    double progress;
    QString remaining;
};

class Progress : public PlayerTest, public ::testing::WithParamInterface<ProgressCase>
{
};

TEST_P(Progress, DerivesFromTimeAndLength)
{
    player.play(items(1), 0);
    fake->completeDuration(GetParam().duration);
    fake->reportTime(GetParam().time);
    EXPECT_DOUBLE_EQ(player.progress(), GetParam().progress);
    EXPECT_EQ(player.formattedRemainingTime(), GetParam().remaining);
}

INSTANTIATE_TEST_SUITE_P(Values, Progress,
                         ::testing::Values(ProgressCase{10, 100, 0.1, u"-1:30"_s},
                                           ProgressCase{70, 65, 70.0 / 65, u"-0:00"_s},
                                           ProgressCase{5, 0, 0, u"-0:00"_s},
                                           ProgressCase{0, 36000, 0, u"-10:00:00"_s},
                                           ProgressCase{1.5, 3726.9, 1.5 / 3726.9,
                                                        u"-1:02:05"_s}));

// Chapters ---------------------------------------------------------------------------

TEST_F(PlayerTest, ALoadPublishesTheItemsChaptersAndTheFirstOne)
{
    player.play(QList<MediaItem>{item(u"Book"_s, twoChapters()), item(u"Song"_s)}, 0);
    EXPECT_EQ(player.chapters().size(), 2);
    ASSERT_TRUE(player.currentChapter());
    EXPECT_EQ(player.currentChapter()->title, u"One"_s);

    player.playNext();
    EXPECT_TRUE(player.chapters().isEmpty());
    EXPECT_FALSE(player.currentChapter());
}

struct TrackingCase
{
    double time;
    QString expected; // the chapter current after the callback
};

class ChapterTracking : public PlayerTest, public ::testing::WithParamInterface<TrackingCase>
{
};

TEST_P(ChapterTracking, FindsTheChapterWithStartInclusiveEndExclusive)
{
    // A gap from 120 to 130 and an overlap of the last two chapters.
    QList<Chapter> chapters = twoChapters();
    chapters.append(Chapter(u"Three"_s, 130, 200, 2));
    chapters.append(Chapter(u"Overlap"_s, 150, 220, 3));
    player.play(QList<MediaItem>{item(u"Book"_s, chapters)}, 0);
    fake->reportTime(70); // in "Two"
    fake->reportTime(GetParam().time);
    ASSERT_TRUE(player.currentChapter());
    EXPECT_EQ(player.currentChapter()->title, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, ChapterTracking,
                         ::testing::Values(TrackingCase{60.0, u"Two"_s},
                                           TrackingCase{59.99, u"One"_s},
                                           TrackingCase{0, u"One"_s},
                                           TrackingCase{125, u"Two"_s},   // gap: kept
                                           TrackingCase{500, u"Two"_s},   // past the end
                                           TrackingCase{160, u"Three"_s}, // first match
                                           TrackingCase{210, u"Overlap"_s}));

TEST_F(PlayerTest, ChapterObserversHearOnlyChangesAmongThousands)
{
    QList<Chapter> chapters;
    for (int i = 0; i < 2000; ++i)
        chapters.append(Chapter(u"Chapter %1"_s.arg(i + 1), i * 18.0, (i + 1) * 18.0, i));
    player.play(QList<MediaItem>{item(u"Long"_s, chapters)}, 0);
    QSignalSpy changes(&player, &MediaPlayerManager::currentChapterChanged);
    for (double t = 0; t < 18; t += 0.25)
        fake->reportTime(t);
    EXPECT_EQ(changes.count(), 0);
    fake->reportTime(35999.9);
    EXPECT_EQ(player.currentChapter()->index, 1999);
    fake->reportTime(18.0 * 1000);
    EXPECT_EQ(player.currentChapter()->index, 1000);
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(PlayerTest, SeekToAChapterOfTheLoadedItemSetsPositionAndChapterAtOnce)
{
    const Chapter second(u"Two"_s, 90, 200, 1);
    const Chapter elsewhere(u"Other"_s, 30, 60, 0);
    player.play(QList<MediaItem>{item(u"Book"_s, {Chapter(u"One"_s, 0, 90, 0), second}),
                                 item(u"Next"_s, {elsewhere})},
                0);
    player.pause();
    player.seekToChapter(second.id.toString(QUuid::WithoutBraces));
    EXPECT_EQ(player.currentTime(), 90);
    EXPECT_EQ(player.currentChapter(), second);
    ASSERT_FALSE(state.seeks.isEmpty());
    EXPECT_EQ(state.seeks.last(), (MediaTime{54000, 600}));
    EXPECT_FALSE(state.playing);

    // A chapter of another item, an unknown id or no id at all: nothing moves.
    const qsizetype seeks = state.seeks.size();
    player.seekToChapter(elsewhere.id.toString());
    player.seekToChapter(QUuid::createUuid().toString());
    player.seekToChapter(u"not an id"_s);
    EXPECT_EQ(state.seeks.size(), seeks);
    EXPECT_EQ(player.currentTime(), 90);
}

TEST_F(PlayerTest, PublishedPropertiesNotifyTheirObserversOnce)
{
    QSignalSpy playing(&player, &MediaPlayerManager::isPlayingChanged);
    QSignalSpy item(&player, &MediaPlayerManager::currentItemChanged);
    QSignalSpy index(&player, &MediaPlayerManager::currentIndexChanged);
    QSignalSpy queue(&player, &MediaPlayerManager::queueChanged);
    QSignalSpy time(&player, &MediaPlayerManager::currentTimeChanged);
    QSignalSpy progress(&player, &MediaPlayerManager::progressChanged);
    player.play(items(2), 1);
    fake->reportTime(3);
    player.pause();
    EXPECT_EQ(playing.count(), 2);
    for (QSignalSpy *spy : {&item, &index, &queue, &time, &progress})
        EXPECT_EQ(spy->count(), 1) << spy->signal().constData();
    EXPECT_EQ(player.property("currentItem").value<MediaItem>().title, u"B"_s);
}
