// The queue, the transport, shuffle, repeat and the end of an item, over a scripted
// player.
#include "PlayerTestFixture.h"

#include <QRandomGenerator>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

QStringList titles(const QList<MediaItem> &list)
{
    QStringList out;
    for (const MediaItem &entry : list)
        out.append(entry.title);
    return out;
}

} // namespace

struct StartCase
{
    int count;
    int startingAt;
    int expectedIndex;
};

class PlayItemsStart : public PlayerTest, public ::testing::WithParamInterface<StartCase>
{
};

TEST_P(PlayItemsStart, ClampsThePositionAndLoadsOnlyAValidOne)
{
    const StartCase c = GetParam();
    player.play(items(c.count), c.startingAt);
    EXPECT_EQ(player.queue().size(), c.count);
    EXPECT_EQ(player.currentIndex(), c.expectedIndex);
    if (c.expectedIndex < 0) {
        EXPECT_TRUE(state.loadedUrls.isEmpty());
        EXPECT_FALSE(player.isPlaying());
        EXPECT_FALSE(player.currentItem());
    } else {
        EXPECT_EQ(state.loadedUrls.size(), 1);
        EXPECT_EQ(currentTitle(), player.queue()[c.expectedIndex].title);
        EXPECT_TRUE(player.isPlaying());
        EXPECT_TRUE(state.playing);
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, PlayItemsStart,
                         ::testing::Values(StartCase{0, 0, -1}, StartCase{3, 7, 2},
                                           StartCase{3, 1, 1}, StartCase{3, 0, 0},
                                           StartCase{3, -4, -1}, StartCase{0, -1, -1}));

TEST_F(PlayerTest, PlayItemUsesTheFirstQueuedEntryWithItsIdOrAppends)
{
    QList<MediaItem> queue = items(4);
    queue.append(queue[1]); // B again at position 4
    player.play(queue, 3);

    player.play(queue[1]);
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(player.queue().size(), 5);

    const MediaItem streamed = item(u"Stream"_s);
    player.play(streamed);
    EXPECT_EQ(player.queue().size(), 6);
    EXPECT_EQ(player.currentIndex(), 5);
    EXPECT_EQ(currentTitle(), u"Stream"_s);
    EXPECT_EQ(lastLoadedName(), u"Stream"_s);
}

TEST_F(PlayerTest, FirstPlayOfAnItemMakesThePlayerAndLaterLoadsReuseIt)
{
    EXPECT_EQ(fake, nullptr);
    player.play(item(u"A"_s));
    FakePlayerBackend *first = fake;
    ASSERT_NE(first, nullptr);
    player.play(item(u"B"_s));
    player.play(items(3), 2);
    EXPECT_EQ(fake, first);
    EXPECT_EQ(state.loadedUrls.size(), 3);
}

TEST_F(PlayerTest, PauseResumeAndToggleDriveThePlayer)
{
    player.togglePlayPause(); // nothing loaded: nothing to resume
    EXPECT_EQ(fake, nullptr);
    EXPECT_FALSE(player.isPlaying());

    player.play(items(2), 0);
    player.togglePlayPause();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(state.playing);
    player.togglePlayPause();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(state.playing);
    EXPECT_EQ(state.loadedUrls.size(), 1);
}

TEST_F(PlayerTest, StopPausesAtTheStartAndKeepsTheItem)
{
    player.play(items(2), 1);
    fake->reportTime(42);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(state.playing);
    EXPECT_EQ(player.currentTime(), 0);
    ASSERT_FALSE(state.seeks.isEmpty());
    EXPECT_EQ(state.seeks.last().value, 0);
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(currentTitle(), u"B"_s);
}

struct LastItemCase
{
    MediaPlayerManager::RepeatMode mode;
    int expectedIndex; // after playNext() from the last item
    int expectedLoads;
};

class NextAtLastItem : public PlayerTest, public ::testing::WithParamInterface<LastItemCase>
{
};

TEST_P(NextAtLastItem, MovesOnlyWhenRepeatingAll)
{
    setRepeat(GetParam().mode);
    player.play(items(3), 2);
    player.playNext();
    EXPECT_EQ(player.currentIndex(), GetParam().expectedIndex);
    EXPECT_EQ(state.loadedUrls.size(), GetParam().expectedLoads);
}

INSTANTIATE_TEST_SUITE_P(RepeatModes, NextAtLastItem,
                         ::testing::Values(LastItemCase{MediaPlayerManager::RepeatMode::off, 2, 1},
                                           LastItemCase{MediaPlayerManager::RepeatMode::all, 0, 2},
                                           LastItemCase{MediaPlayerManager::RepeatMode::one, 2,
                                                        1}));

TEST_F(PlayerTest, NextAndPreviousWalkTheQueueInOrder)
{
    player.play(items(3), 0);
    player.playNext();
    player.playNext();
    EXPECT_EQ(currentTitle(), u"C"_s);
    player.playPrevious();
    EXPECT_EQ(currentTitle(), u"B"_s);
    EXPECT_EQ(player.currentIndex(), 1);
}

TEST_F(PlayerTest, PreviousRestartsTheItemAfterThreeSeconds)
{
    player.play(items(3), 1);
    fake->reportTime(3.01);
    player.playPrevious();
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(player.currentTime(), 0);
    EXPECT_EQ(state.loadedUrls.size(), 1);
    ASSERT_EQ(state.seeks.size(), 1);
    EXPECT_EQ(state.seeks[0], (MediaTime{0, 600}));

    fake->reportTime(3.0);
    player.playPrevious();
    EXPECT_EQ(player.currentIndex(), 0);
    EXPECT_EQ(lastLoadedName(), u"A"_s);
}

TEST_F(PlayerTest, PreviousAtTheFirstItemReloadsItOrWrapsWithRepeatAll)
{
    for (RepeatMode mode : {RepeatMode::off, RepeatMode::one}) {
        setRepeat(mode);
        player.play(items(3), 0);
        const qsizetype loads = state.loadedUrls.size();
        player.playPrevious();
        EXPECT_EQ(player.currentIndex(), 0);
        EXPECT_EQ(state.loadedUrls.size(), loads + 1) << "the first item starts again";
    }
    setRepeat(RepeatMode::all);
    player.play(items(3), 0);
    player.playPrevious();
    EXPECT_EQ(player.currentIndex(), 2);
}

TEST_F(PlayerTest, ShuffleOrderIsAPermutationWithTheCurrentPositionFirst)
{
    player.play(items(4), 1);
    for (int round = 0; round < 2; ++round) {
        player.toggleShuffle(); // on
        QList<int> order = player.shuffledIndices();
        ASSERT_EQ(order.size(), 4);
        EXPECT_EQ(order.first(), 1);
        std::sort(order.begin(), order.end());
        EXPECT_EQ(order, (QList<int>{0, 1, 2, 3}));
        player.toggleShuffle(); // off
    }

    // Every position reaches the front of a fresh order's tail: the shuffle is not fixed.
    QSet<int> seconds;
    for (int i = 0; i < 200 && seconds.size() < 3; ++i) {
        player.toggleShuffle();
        seconds.insert(player.shuffledIndices()[1]);
        player.toggleShuffle();
    }
    EXPECT_EQ(seconds, (QSet<int>{0, 2, 3}));
}

TEST_F(PlayerTest, ShuffledPlaybackFollowsTheOrderAndStopsAtItsEnd)
{
    player.toggleShuffle();
    player.play(items(5), 2);
    const QList<int> order = player.shuffledIndices();
    ASSERT_EQ(order.first(), 2);
    for (int i = 1; i < order.size(); ++i) {
        player.playNext();
        EXPECT_EQ(player.currentIndex(), order[i]);
    }
    const qsizetype loads = state.loadedUrls.size();
    player.playNext(); // end of the order, repeat off
    EXPECT_EQ(state.loadedUrls.size(), loads);

    // Back through the order, and at its first entry the current item starts again.
    for (int i = order.size() - 2; i >= 0; --i) {
        player.playPrevious();
        EXPECT_EQ(player.currentIndex(), order[i]);
    }
    player.playPrevious();
    EXPECT_EQ(player.currentIndex(), order.first());
    EXPECT_EQ(state.loadedUrls.size(), loads + order.size());
}

TEST_F(PlayerTest, ShuffleWithRepeatAllWrapsIntoANewOrderWithoutReplayingTheLastItem)
{
    setRepeat(RepeatMode::all);
    player.toggleShuffle();
    player.play(items(4), 0);
    const QList<int> order = player.shuffledIndices();
    player.playPrevious(); // before the first entry: the last entry of the order
    EXPECT_EQ(player.currentIndex(), order.last());

    player.play(items(4), 0);
    for (int i = 0; i < 3; ++i)
        player.playNext();
    const int last = player.currentIndex();
    player.playNext();
    EXPECT_NE(player.currentIndex(), last);
    EXPECT_EQ(player.shuffledIndices().first(), last);
    EXPECT_EQ(player.currentIndex(), player.shuffledIndices()[1]);
}

TEST_F(PlayerTest, ItemsAddedWhileShufflingPlayAfterTheRemainingOnes)
{
    player.toggleShuffle();
    player.play(items(4), 0);
    player.addToQueue(item(u"E"_s));
    player.addToQueue(QList<MediaItem>{item(u"F"_s), item(u"G"_s)});
    EXPECT_EQ(player.shuffledIndices().mid(4), (QList<int>{4, 5, 6}));
    for (int i = 0; i < 4; ++i)
        player.playNext();
    EXPECT_EQ(currentTitle(), u"E"_s);
    EXPECT_EQ(titles(player.queue()).size(), 7);
}

TEST_F(PlayerTest, AddingToTheQueueDoesNotStartPlayback)
{
    player.addToQueue(item(u"A"_s));
    player.addToQueue(QList<MediaItem>{});
    EXPECT_EQ(player.queue().size(), 1);
    EXPECT_EQ(player.currentIndex(), -1);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(fake, nullptr);
    player.playNext(); // from "before anything": the first entry
    EXPECT_EQ(currentTitle(), u"A"_s);
}

TEST_F(PlayerTest, RepeatModesCycleAndCarryTheirTitles)
{
    QList<RepeatMode> seen;
    for (int i = 0; i < 3; ++i) {
        player.cycleRepeatMode();
        seen.append(player.repeatMode());
    }
    EXPECT_EQ(seen, (QList<RepeatMode>{RepeatMode::all, RepeatMode::one, RepeatMode::off}));

    EXPECT_EQ(MediaPlayerManager::allRepeatModes(), (QList<RepeatMode>{RepeatMode::off, RepeatMode::all, RepeatMode::one}));
    for (RepeatMode mode : MediaPlayerManager::allRepeatModes())
        EXPECT_EQ(MediaPlayerManager::repeatModeFromRawValue(
                      MediaPlayerManager::repeatModeTitle(mode)),
                  mode);
    EXPECT_EQ(MediaPlayerManager::repeatModeTitle(RepeatMode::all), u"Repeat All"_s);
    EXPECT_EQ(MediaPlayerManager::repeatModeTitle(RepeatMode::one), u"Repeat One"_s);
    EXPECT_EQ(MediaPlayerManager::repeatModeTitle(RepeatMode::off), u"Off"_s);
    EXPECT_FALSE(MediaPlayerManager::repeatModeFromRawValue(u"repeat all"_s));
    EXPECT_FALSE(MediaPlayerManager::repeatModeFromRawValue(u""_s));
}

// End of an item ---------------------------------------------------------------------

TEST_F(PlayerTest, EndWithRepeatOneRestartsTheSameItem)
{
    setRepeat(RepeatMode::one);
    player.play(items(3), 1);
    fake->reportTime(200);
    player.pause(); // even a paused player (ended by a race) plays again
    fake->finishCurrent();
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(player.currentTime(), 0);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(state.playing);
    EXPECT_EQ(state.loadedUrls.size(), 1);
    ASSERT_FALSE(state.seeks.isEmpty());
    EXPECT_EQ(state.seeks.last().value, 0);

    player.playNext(); // the user still moves on
    EXPECT_EQ(player.currentIndex(), 2);
}

TEST_F(PlayerTest, EndWithRepeatAllAdvancesAndWraps)
{
    setRepeat(RepeatMode::all);
    player.play(items(2), 0);
    fake->finishCurrent();
    EXPECT_EQ(currentTitle(), u"B"_s);
    fake->finishCurrent();
    EXPECT_EQ(currentTitle(), u"A"_s);
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(PlayerTest, EndWithRepeatOffAdvancesThenStopsAtTheLastItem)
{
    player.play(items(2), 0);
    fake->finishCurrent();
    EXPECT_EQ(currentTitle(), u"B"_s);
    fake->reportTime(59.5);
    fake->finishCurrent();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(currentTitle(), u"B"_s);
    EXPECT_EQ(player.currentTime(), 59.5);
    EXPECT_EQ(state.loadedUrls.size(), 2);

    player.playNext(); // ended: nothing follows
    EXPECT_EQ(state.loadedUrls.size(), 2);
    player.resume();
    EXPECT_TRUE(state.playing);
}

TEST_F(PlayerTest, EndWithRepeatOffStopsAtTheEndOfTheShuffleOrder)
{
    player.toggleShuffle();
    player.play(items(4), 3);
    const QList<int> order = player.shuffledIndices();
    for (int i = 1; i < order.size(); ++i)
        fake->finishCurrent();
    EXPECT_EQ(player.currentIndex(), order.last());
    fake->finishCurrent();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.currentIndex(), order.last());
}

TEST_F(PlayerTest, OnlyTheEndOfTheCurrentItemCounts)
{
    player.play(items(3), 0);
    const auto first = state.currentItem;
    player.playNext();
    fake->finish(first); // a late end of the replaced item
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(state.loadedUrls.size(), 2);
    EXPECT_TRUE(player.isPlaying());
}

// Queue edits ------------------------------------------------------------------------

struct MoveCase
{
    QSet<int> from;
    int to;
    QString expected;
};

class MoveQueueItem : public PlayerTest, public ::testing::WithParamInterface<MoveCase>
{
};

TEST_P(MoveQueueItem, MovesTheEntriesBeforeTheDestinationKeepingPositions)
{
    player.play(items(5), 1);
    player.moveQueueItem(GetParam().from, GetParam().to);
    EXPECT_EQ(titles(player.queue()).join(QString()), GetParam().expected);
    EXPECT_EQ(player.currentIndex(), 1) << "a position, not an item";
    EXPECT_EQ(currentTitle(), u"B"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveQueueItem,
    ::testing::Values(MoveCase{{0}, 3, u"BCADE"_s}, MoveCase{{4}, 0, u"EABCD"_s},
                      MoveCase{{1, 3}, 5, u"ACEBD"_s}, MoveCase{{0, 4}, 2, u"BAECD"_s},
                      MoveCase{{2}, 2, u"ABCDE"_s}, MoveCase{{2}, 3, u"ABCDE"_s},
                      MoveCase{{1, 2}, 2, u"ABCDE"_s}, MoveCase{{7, -1}, 0, u"ABCDE"_s},
                      MoveCase{{3}, 99, u"ABCED"_s}));

// The drag of one row, as the queue list asks for it: dropping a row onto itself or
// just below it, or from or to a position out of range, changes nothing and tells no one.
struct RowDragCase
{
    int from;
    int to;
    QString expected;
};

class DragQueueRow : public PlayerTest, public ::testing::WithParamInterface<RowDragCase>
{
};

TEST_P(DragQueueRow, MovesOneEntryOrNothing)
{
    player.play(items(5), 1);
    QSignalSpy changed(&player, &MediaPlayerManager::queueChanged);
    player.moveQueueItem(GetParam().from, GetParam().to);
    EXPECT_EQ(titles(player.queue()).join(QString()), GetParam().expected);
    EXPECT_EQ(changed.count(), GetParam().expected == u"ABCDE"_s ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, DragQueueRow,
    ::testing::Values(RowDragCase{0, 5, u"BCDEA"_s}, RowDragCase{4, 0, u"EABCD"_s},
                      RowDragCase{1, 3, u"ACBDE"_s}, RowDragCase{3, 1, u"ADBCE"_s},
                      RowDragCase{2, 2, u"ABCDE"_s}, RowDragCase{2, 3, u"ABCDE"_s},
                      RowDragCase{5, 0, u"ABCDE"_s}, RowDragCase{-1, 2, u"ABCDE"_s},
                      RowDragCase{0, 6, u"ABCDE"_s}, RowDragCase{1, -1, u"ABCDE"_s}));

TEST_F(PlayerTest, PlayingFromTheQueueRestartsItThereAndIgnoresOtherPositions)
{
    player.play(items(4), 0);
    player.removeFromQueue(1); // A C D
    player.playFromQueue(2);
    EXPECT_EQ(currentTitle(), u"D"_s);
    EXPECT_EQ(player.currentIndex(), 2);
    EXPECT_EQ(titles(player.queue()).join(QString()), u"ACD"_s);
    const qsizetype loads = state.loadedUrls.size();
    player.playFromQueue(3);
    player.playFromQueue(-1);
    EXPECT_EQ(state.loadedUrls.size(), loads);
    EXPECT_EQ(currentTitle(), u"D"_s);
    player.clearQueue();
    player.playFromQueue(0);
    EXPECT_EQ(state.loadedUrls.size(), loads);
}

TEST_F(PlayerTest, SeekingToAChapterByIdUsesTheLoadedItemsChapters)
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

    // A chapter of another item, an unknown id or no id at all: nothing moves.
    const qsizetype seeks = state.seeks.size();
    player.seekToChapter(elsewhere.id.toString());
    player.seekToChapter(QUuid::createUuid().toString());
    player.seekToChapter(u"not an id"_s);
    player.seekToChapter(QString());
    EXPECT_EQ(state.seeks.size(), seeks);
    EXPECT_EQ(player.currentTime(), 90);
}

TEST_F(PlayerTest, MovingTheCurrentEntryLeavesItsPositionCurrent)
{
    player.play(items(4), 0);
    player.moveQueueItem({0}, 4);
    EXPECT_EQ(player.currentIndex(), 0);
    player.playNext();
    EXPECT_EQ(currentTitle(), u"C"_s); // position 1 now holds C
}

TEST_F(PlayerTest, RemovingEntriesKeepsPositionsOnTheSameItems)
{
    player.toggleShuffle();
    player.play(items(5), 3); // D
    player.removeFromQueue(1); // B
    EXPECT_EQ(titles(player.queue()).join(QString()), u"ACDE"_s);
    EXPECT_EQ(player.currentIndex(), 2);
    EXPECT_EQ(player.queue()[player.currentIndex()].title, u"D"_s);
    QList<int> order = player.shuffledIndices();
    EXPECT_EQ(order.first(), 2);
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, (QList<int>{0, 1, 2, 3}));

    player.removeFromQueue(7);
    player.removeFromQueue(-1);
    EXPECT_EQ(player.queue().size(), 4);

    player.toggleShuffle(); // off
    player.removeFromQueue(2); // the current entry, D; it keeps playing
    EXPECT_EQ(currentTitle(), u"D"_s);
    EXPECT_EQ(player.currentIndex(), 1);
    player.playNext();
    EXPECT_EQ(currentTitle(), u"E"_s);
}

TEST_F(PlayerTest, ClearingTheQueueKeepsTheLoadedItem)
{
    player.toggleShuffle();
    player.play(items(3), 2);
    player.clearQueue();
    EXPECT_TRUE(player.queue().isEmpty());
    EXPECT_TRUE(player.shuffledIndices().isEmpty());
    EXPECT_EQ(player.currentIndex(), -1);
    EXPECT_EQ(currentTitle(), u"C"_s);
    EXPECT_TRUE(player.isPlaying());
    player.playNext();
    player.playPrevious();
    EXPECT_EQ(state.loadedUrls.size(), 1);
}

// Any operation in any order: never an index out of range. Runs under the sanitizers,
// where an out-of-range QList access aborts.
TEST_F(PlayerTest, RandomOperationSequencesKeepTheIndexInRange)
{
    QRandomGenerator random(20240611);
    const QList<MediaItem> pool = items(6);
    for (int step = 0; step < 5000; ++step) {
        const int queueSize = int(player.queue().size());
        switch (random.bounded(16)) {
        case 0:
            player.play(pool.mid(0, random.bounded(7)), random.bounded(-2, 9));
            break;
        case 1:
            player.play(pool[random.bounded(6)]);
            break;
        case 2:
            player.playNext();
            break;
        case 3:
            player.playPrevious();
            break;
        case 4:
            player.toggleShuffle();
            break;
        case 5:
            player.cycleRepeatMode();
            break;
        case 6:
            player.addToQueue(pool[random.bounded(6)]);
            break;
        case 7:
            player.removeFromQueue(random.bounded(-1, queueSize + 2));
            break;
        case 8:
            if (random.bounded(8) == 0)
                player.clearQueue();
            break;
        case 9:
            player.moveQueueItem({random.bounded(-1, queueSize + 1), random.bounded(queueSize + 1)},
                                 random.bounded(-1, queueSize + 2));
            break;
        case 10:
            if (fake)
                fake->finishCurrent();
            break;
        case 11:
            if (fake)
                fake->reportTime(random.bounded(10.0));
            break;
        case 12:
            player.togglePlayPause();
            break;
        case 13:
            player.skipForward(15);
            break;
        case 14:
            player.skipBackward(15);
            break;
        case 15:
            player.stop();
            break;
        }
        ASSERT_GE(player.currentIndex(), -1) << "step " << step;
        ASSERT_LT(player.currentIndex(), std::max<qsizetype>(player.queue().size(), 0) + 0)
            << "step " << step;
    }
}
