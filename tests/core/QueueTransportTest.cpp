// The queue, the transport, shuffle, repeat and the end of an item, over a scripted
// player.
#include "PlayerTestFixture.h"

#include <QRandomGenerator>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

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
    EXPECT_EQ(state.loadedUrls.size(), c.expectedIndex < 0 ? 0 : 1);
    EXPECT_EQ(player.isPlaying(), c.expectedIndex >= 0);
    if (c.expectedIndex >= 0) {
        EXPECT_EQ(currentTitle(), player.queue()[c.expectedIndex].title);
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, PlayItemsStart,
                         ::testing::Values(StartCase{0, 0, -1}, StartCase{3, 7, 2},
                                           StartCase{3, 1, 1}, StartCase{3, -4, -1}));

TEST_F(PlayerTest, PlayItemUsesTheFirstQueuedEntryWithItsIdOrAppends)
{
    QList<MediaItem> queue = items(4);
    queue.append(queue[1]); // B again at position 4
    player.play(queue, 3);
    FakePlayerBackend *first = fake;

    player.play(queue[1]);
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(player.queue().size(), 5);

    player.play(item(u"Stream"_s));
    EXPECT_EQ(player.queue().size(), 6);
    EXPECT_EQ(player.currentIndex(), 5);
    EXPECT_EQ(lastLoadedName(), u"Stream"_s);
    EXPECT_EQ(fake, first) << "one player for every load";
}

TEST_F(PlayerTest, ToggleStopAndResumeDriveThePlayer)
{
    player.togglePlayPause(); // nothing loaded: nothing to resume
    EXPECT_EQ(fake, nullptr);

    player.play(items(2), 1);
    player.togglePlayPause();
    EXPECT_FALSE(state.playing);
    player.togglePlayPause();
    EXPECT_TRUE(state.playing);

    fake->reportTime(42);
    player.stop(); // pauses at the start and keeps the item
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(state.playing);
    EXPECT_EQ(player.currentTime(), 0);
    ASSERT_FALSE(state.seeks.isEmpty());
    EXPECT_EQ(state.seeks.last().value, 0);
    EXPECT_EQ(currentTitle(), u"B"_s);
    EXPECT_EQ(state.loadedUrls.size(), 1);
}

// At the last item, asked for the next one or ended, per repeat mode.
struct LastItemCase
{
    MediaPlayerManager::RepeatMode mode;
    bool ended;        // the item ended rather than the user pressing next
    int expectedIndex;
    bool playing;
    double time;       // the position after it
};

class AtTheLastItem : public PlayerTest, public ::testing::WithParamInterface<LastItemCase>
{
};

TEST_P(AtTheLastItem, OnlyRepeatAllMovesOnAndOnlyRepeatOneRestartsAtTheEnd)
{
    const LastItemCase c = GetParam();
    setRepeat(c.mode);
    player.play(items(3), 2);
    fake->reportTime(50);
    if (c.ended)
        fake->finishCurrent();
    else
        player.playNext();
    EXPECT_EQ(player.currentIndex(), c.expectedIndex);
    EXPECT_EQ(state.loadedUrls.size(), c.expectedIndex == 2 ? 1 : 2);
    EXPECT_EQ(player.isPlaying(), c.playing);
    EXPECT_EQ(player.currentTime(), c.time);
}

using M = MediaPlayerManager::RepeatMode;
INSTANTIATE_TEST_SUITE_P(RepeatModes, AtTheLastItem,
                         ::testing::Values(LastItemCase{M::off, false, 2, true, 50},
                                           LastItemCase{M::off, true, 2, false, 50},
                                           LastItemCase{M::all, false, 0, true, 50},
                                           LastItemCase{M::all, true, 0, true, 50},
                                           LastItemCase{M::one, false, 2, true, 50},
                                           LastItemCase{M::one, true, 2, true, 0}));

TEST_F(PlayerTest, PreviousRestartsTheItemAfterThreeSecondsElseGoesBack)
{
    player.play(items(3), 0);
    player.playNext();
    player.playNext();
    player.playPrevious();
    EXPECT_EQ(currentTitle(), u"B"_s);
    const qsizetype loads = state.loadedUrls.size();

    fake->reportTime(3.01);
    player.playPrevious();
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(player.currentTime(), 0);
    EXPECT_EQ(state.loadedUrls.size(), loads);
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

TEST_F(PlayerTest, ShuffleOrderIsAFreshPermutationWithTheCurrentPositionFirst)
{
    player.play(items(4), 1);
    QSet<int> seconds; // every other position reaches the front of the tail
    for (int i = 0; i < 200 && seconds.size() < 3; ++i) {
        player.toggleShuffle(); // on
        QList<int> order = player.shuffledIndices();
        ASSERT_EQ(order.size(), 4);
        ASSERT_EQ(order.first(), 1);
        seconds.insert(order[1]);
        std::sort(order.begin(), order.end());
        ASSERT_EQ(order, (QList<int>{0, 1, 2, 3}));
        player.toggleShuffle(); // off
    }
    EXPECT_EQ(seconds, (QSet<int>{0, 2, 3}));
}

TEST_F(PlayerTest, ShuffledPlaybackFollowsTheOrderBothWaysAndStopsAtItsEnd)
{
    player.toggleShuffle();
    player.play(items(5), 2);
    const QList<int> order = player.shuffledIndices();
    for (int i = 1; i < order.size(); ++i) {
        player.playNext();
        EXPECT_EQ(player.currentIndex(), order[i]);
    }
    const qsizetype loads = state.loadedUrls.size();
    player.playNext(); // end of the order, repeat off
    EXPECT_EQ(state.loadedUrls.size(), loads);

    for (int i = order.size() - 2; i >= 0; --i) {
        player.playPrevious();
        EXPECT_EQ(player.currentIndex(), order[i]);
    }
    player.playPrevious(); // at the first entry the current item starts again
    EXPECT_EQ(player.currentIndex(), order.first());
    EXPECT_EQ(state.loadedUrls.size(), loads + order.size());
}

TEST_F(PlayerTest, ShuffleWithRepeatAllWrapsIntoANewOrderWithoutReplayingTheLastItem)
{
    setRepeat(RepeatMode::all);
    player.toggleShuffle();
    player.play(items(4), 0);
    player.playPrevious(); // before the first entry: the last entry of the order
    EXPECT_EQ(player.currentIndex(), player.shuffledIndices().last());

    player.play(items(4), 0);
    for (int i = 0; i < 3; ++i)
        player.playNext();
    const int last = player.currentIndex();
    player.playNext();
    EXPECT_NE(player.currentIndex(), last);
    EXPECT_EQ(player.shuffledIndices().first(), last);
    EXPECT_EQ(player.currentIndex(), player.shuffledIndices()[1]);
}

TEST_F(PlayerTest, QueuedItemsWaitAndWhileShufflingPlayAfterTheRemainingOnes)
{
    player.addToQueue(item(u"A"_s));
    EXPECT_EQ(player.currentIndex(), -1);
    EXPECT_EQ(fake, nullptr) << "adding does not start playback";
    player.playNext(); // from "before anything": the first entry
    EXPECT_EQ(currentTitle(), u"A"_s);

    player.toggleShuffle();
    player.play(items(4), 0);
    player.addToQueue(item(u"E"_s));
    player.addToQueue(QList<MediaItem>{item(u"F"_s), item(u"G"_s)});
    EXPECT_EQ(player.shuffledIndices().mid(4), (QList<int>{4, 5, 6}));
    for (int i = 0; i < 4; ++i)
        player.playNext();
    EXPECT_EQ(currentTitle(), u"E"_s);
}

TEST_F(PlayerTest, RepeatModesReadBackFromTheirStoredTitles)
{
    for (RepeatMode mode : MediaPlayerManager::allRepeatModes())
        EXPECT_EQ(MediaPlayerManager::repeatModeFromRawValue(
                      MediaPlayerManager::repeatModeTitle(mode)),
                  mode);
    EXPECT_FALSE(MediaPlayerManager::repeatModeFromRawValue(u"repeat all"_s));
}

// End of an item ---------------------------------------------------------------------

TEST_F(PlayerTest, EndWithRepeatOneRestartsEvenAPausedItemAndNextStillMovesOn)
{
    setRepeat(RepeatMode::one);
    player.play(items(3), 1);
    player.pause(); // ended by a race with the pause
    fake->finishCurrent();
    EXPECT_TRUE(state.playing);
    ASSERT_FALSE(state.seeks.isEmpty());
    EXPECT_EQ(state.seeks.last().value, 0);
    player.playNext();
    EXPECT_EQ(player.currentIndex(), 2);
}

TEST_F(PlayerTest, EndAdvancesThroughTheQueueAndIgnoresLateEndsOfReplacedItems)
{
    player.play(items(3), 0);
    const auto first = state.currentItem;
    fake->finishCurrent();
    EXPECT_EQ(currentTitle(), u"B"_s);
    fake->finish(first);
    EXPECT_EQ(currentTitle(), u"B"_s);
    fake->finishCurrent();
    fake->finishCurrent();
    player.playNext(); // ended: nothing follows
    EXPECT_EQ(currentTitle(), u"C"_s);
    EXPECT_EQ(state.loadedUrls.size(), 3);
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
    EXPECT_EQ(queueText(), GetParam().expected);
    EXPECT_EQ(player.currentIndex(), 1) << "a position, not an item";
    EXPECT_EQ(currentTitle(), u"B"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MoveQueueItem,
    ::testing::Values(MoveCase{{0}, 3, u"BCADE"_s}, MoveCase{{4}, 0, u"EABCD"_s},
                      MoveCase{{1, 3}, 5, u"ACEBD"_s}, MoveCase{{0, 4}, 2, u"BAECD"_s},
                      MoveCase{{2}, 3, u"ABCDE"_s}, MoveCase{{1, 2}, 2, u"ABCDE"_s},
                      MoveCase{{7, -1}, 0, u"ABCDE"_s}, MoveCase{{3}, 99, u"ABCED"_s}));

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
    EXPECT_EQ(queueText(), GetParam().expected);
    EXPECT_EQ(changed.count(), GetParam().expected == u"ABCDE"_s ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, DragQueueRow,
    ::testing::Values(RowDragCase{0, 5, u"BCDEA"_s}, RowDragCase{4, 0, u"EABCD"_s},
                      RowDragCase{1, 3, u"ACBDE"_s}, RowDragCase{3, 1, u"ADBCE"_s},
                      RowDragCase{2, 3, u"ABCDE"_s}, RowDragCase{5, 0, u"ABCDE"_s},
                      RowDragCase{-1, 2, u"ABCDE"_s}, RowDragCase{0, 6, u"ABCDE"_s}));

TEST_F(PlayerTest, PlayingFromTheQueueIgnoresPositionsOutOfRangeAndClearingKeepsTheItem)
{
    player.play(items(4), 0);
    player.removeFromQueue(1); // A C D
    player.playFromQueue(2);
    EXPECT_EQ(currentTitle(), u"D"_s);
    const qsizetype loads = state.loadedUrls.size();
    player.playFromQueue(3);
    player.playFromQueue(-1);
    EXPECT_EQ(state.loadedUrls.size(), loads);

    // Clearing the queue keeps the loaded item playing, with nothing before or after it.
    player.toggleShuffle();
    player.clearQueue();
    EXPECT_TRUE(player.shuffledIndices().isEmpty());
    EXPECT_EQ(player.currentIndex(), -1);
    EXPECT_EQ(currentTitle(), u"D"_s);
    EXPECT_TRUE(player.isPlaying());
    player.playFromQueue(0);
    player.playNext();
    player.playPrevious();
    EXPECT_EQ(state.loadedUrls.size(), loads);
}

TEST_F(PlayerTest, RemovingEntriesKeepsPositionsOnTheSameItems)
{
    player.toggleShuffle();
    player.play(items(5), 3); // D
    player.removeFromQueue(1); // B
    player.removeFromQueue(7);
    EXPECT_EQ(queueText(), u"ACDE"_s);
    EXPECT_EQ(player.currentIndex(), 2);
    QList<int> order = player.shuffledIndices();
    EXPECT_EQ(order.first(), 2);
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, (QList<int>{0, 1, 2, 3}));

    player.toggleShuffle(); // off
    player.removeFromQueue(2); // the current entry, D; it keeps playing
    EXPECT_EQ(currentTitle(), u"D"_s);
    EXPECT_EQ(player.currentIndex(), 1);
    player.playNext();
    EXPECT_EQ(currentTitle(), u"E"_s);
}

// Any operation in any order: never an index out of range. Runs under the sanitizers,
// where an out-of-range QList access aborts.
TEST_F(PlayerTest, RandomOperationSequencesKeepTheIndexInRange)
{
    QRandomGenerator random(20240611);
    const QList<MediaItem> pool = items(6);
    const auto size = [&] { return int(player.queue().size()); };
    const std::vector<std::function<void()>> operations = {
        [&] { player.play(pool.mid(0, random.bounded(7)), random.bounded(-2, 9)); },
        [&] { player.play(pool[random.bounded(6)]); },
        [&] { player.playNext(); },
        [&] { player.playPrevious(); },
        [&] { player.toggleShuffle(); },
        [&] { player.cycleRepeatMode(); },
        [&] { player.addToQueue(pool[random.bounded(6)]); },
        [&] { player.removeFromQueue(random.bounded(-1, size() + 2)); },
        [&] { if (random.bounded(8) == 0) player.clearQueue(); },
        [&] {
            player.moveQueueItem({random.bounded(-1, size() + 1), random.bounded(size() + 1)},
                                 random.bounded(-1, size() + 2));
        },
        [&] { if (fake) fake->finishCurrent(); },
        [&] { if (fake) fake->reportTime(random.bounded(10.0)); },
        [&] { player.togglePlayPause(); },
        [&] { player.skipForward(15); },
        [&] { player.skipBackward(15); },
        [&] { player.stop(); },
    };
    for (int step = 0; step < 5000; ++step) {
        operations[random.bounded(int(operations.size()))]();
        ASSERT_GE(player.currentIndex(), -1) << "step " << step;
        ASSERT_LT(player.currentIndex(), player.queue().size()) << "step " << step;
    }
}
