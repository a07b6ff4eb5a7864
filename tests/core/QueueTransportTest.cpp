// The queue, the transport, shuffle, repeat and the end of an item.
#include "PlayerTestFixture.h"

#include <QRandomGenerator>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using M = MediaPlayerManager::RepeatMode;

TEST_F(PlayerTest, PlayClampsTheStartAndReusesQueuedEntriesByIdOrAppends)
{
    player.togglePlayPause(); // nothing loaded: nothing to resume
    EXPECT_EQ(fake, nullptr);
    for (const auto &[count, startingAt, expected] :
         {std::tuple{0, 0, -1}, {3, -4, -1}, {3, 7, 2}, {3, 1, 1}}) {
        const qsizetype loads = state.loadedUrls.size();
        player.play(items(count), startingAt);
        EXPECT_EQ(player.currentIndex(), expected) << startingAt;
        EXPECT_EQ(state.loadedUrls.size(), loads + (expected < 0 ? 0 : 1)) << startingAt;
        EXPECT_EQ(player.isPlaying(), expected >= 0) << startingAt;
    }
    QList<MediaItem> queue = items(4);
    queue.append(queue[1]); // B again at position 4
    player.play(queue, 3);
    FakePlayerBackend *first = fake;
    player.play(queue[1]);
    EXPECT_EQ(player.currentIndex(), 1);
    player.play(item(u"Stream"_s));
    EXPECT_EQ(queueText(), u"ABCDBStream"_s);
    EXPECT_EQ(player.currentIndex(), 5);
    EXPECT_EQ(fake, first) << "one player for every load";

    player.togglePlayPause();
    EXPECT_FALSE(state.playing);
    player.togglePlayPause();
    fake->reportTime(42);
    EXPECT_TRUE(state.playing);
    player.stop(); // pauses at the start and keeps the item
    EXPECT_FALSE(state.playing || player.isPlaying() || player.currentTime() != 0);
    EXPECT_EQ(state.seeks, QList<MediaTime>{MediaTime{}});
    EXPECT_EQ(currentTitle(), u"Stream"_s);
}

// At the last item, asked for the next one or ended: only repeat all moves on, and only
// repeat one restarts when the item ends.
TEST_F(PlayerTest, AtTheLastItemEachRepeatModeDoesItsOwnThing)
{
    const std::tuple<M, bool, int, bool, double> cases[] = {
        // mode, ended (else next), index, playing, position after
        {M::off, false, 2, true, 50}, {M::off, true, 2, false, 50}, {M::all, false, 0, true, 50},
        {M::all, true, 0, true, 50},  {M::one, false, 2, true, 50}, {M::one, true, 2, true, 0}};
    for (const auto &[mode, ended, index, playing, time] : cases) {
        SCOPED_TRACE(testing::Message() << int(mode) << (ended ? " ended" : " next"));
        setRepeat(mode);
        player.play(items(3), 2);
        const qsizetype loads = state.loadedUrls.size();
        fake->reportTime(50);
        ended ? fake->finishCurrent() : player.playNext();
        EXPECT_EQ(player.currentIndex(), index);
        EXPECT_EQ(state.loadedUrls.size(), loads + (index == 2 ? 0 : 1));
        EXPECT_EQ(player.isPlaying(), playing);
        EXPECT_EQ(player.currentTime(), time);
    }
}

TEST_F(PlayerTest, PreviousRestartsTheItemAfterThreeSecondsElseGoesBack)
{
    player.play(items(3), 1);
    fake->reportTime(3.01);
    player.playPrevious();
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_EQ(state.loadedUrls.size(), 1);
    EXPECT_EQ(state.seeks, QList<MediaTime>{MediaTime{}});
    fake->reportTime(3.0);
    player.playPrevious();
    EXPECT_EQ(currentTitle(), u"A"_s);
    // At the first item: it starts again, unless repeat all wraps to the last.
    player.playPrevious();
    EXPECT_EQ(player.currentIndex(), 0);
    EXPECT_EQ(state.loadedUrls.size(), 3);
    setRepeat(M::all);
    player.playPrevious();
    EXPECT_EQ(player.currentIndex(), 2);
}

// A fresh order each time, the current position first; playback follows it both ways
// and stops at its end unless repeating; queued items come after the remaining ones.
TEST_F(PlayerTest, ShuffleOrder)
{
    player.play(items(4), 1);
    QSet<int> seconds; // every other position reaches the front of the tail
    for (int i = 0; i < 200 && seconds.size() < 3; ++i) {
        player.toggleShuffle(); // on
        QList<int> order = player.shuffledIndices();
        ASSERT_EQ(order.value(0), 1);
        seconds.insert(order.value(1));
        std::sort(order.begin(), order.end());
        ASSERT_EQ(order, (QList<int>{0, 1, 2, 3}));
        player.toggleShuffle(); // off
    }
    EXPECT_EQ(seconds, (QSet<int>{0, 2, 3}));

    player.toggleShuffle();
    player.play(items(5), 2);
    player.addToQueue(item(u"F"_s));
    const QList<int> order = player.shuffledIndices();
    EXPECT_EQ(order.last(), 5);
    for (int i = 1; i < order.size(); ++i) {
        fake->finishCurrent();
        EXPECT_EQ(player.currentIndex(), order[i]);
    }
    fake->finishCurrent(); // end of the order, repeat off
    EXPECT_FALSE(player.isPlaying());
    player.playNext();
    EXPECT_EQ(state.loadedUrls.size(), 7);
    for (int i = order.size() - 2; i >= 0; --i) {
        player.playPrevious();
        EXPECT_EQ(player.currentIndex(), order[i]);
    }
    // Repeat all wraps into a new order that does not replay the last item first.
    setRepeat(M::all);
    for (int i = 1; i < order.size(); ++i)
        player.playNext();
    player.playNext();
    EXPECT_EQ(player.shuffledIndices().first(), order.last());
    EXPECT_EQ(player.currentIndex(), player.shuffledIndices()[1]);
}

TEST_F(PlayerTest, EndsOfReplacedItemsAreIgnoredAndRepeatOneRestartsEvenAPausedItem)
{
    player.addToQueue(item(u"A"_s));
    EXPECT_EQ(fake, nullptr) << "adding does not start playback";
    player.addToQueue(QList<MediaItem>{item(u"B"_s), item(u"C"_s)});
    player.playNext(); // from "before anything": the first entry
    const auto first = state.currentItem;
    fake->finishCurrent();
    fake->finish(first); // a late end of the replaced item
    EXPECT_EQ(currentTitle(), u"B"_s);

    setRepeat(M::one);
    player.pause(); // ended by a race with the pause
    fake->finishCurrent();
    EXPECT_TRUE(state.playing);
    EXPECT_EQ(state.seeks, QList<MediaTime>{MediaTime{}});
    player.playNext();
    EXPECT_EQ(currentTitle(), u"C"_s);
}

// Rows move before the destination. One row dragged as the queue list asks for it,
// onto itself or out of range, changes nothing and tells no one (several rows clamp
// the destination). The current position stays a position, not an item.
TEST_F(PlayerTest, MovingQueueEntries)
{
    const std::tuple<QSet<int>, int, QString> cases[] = {
        {{0}, 3, u"BCADE"_s},    {{4}, 0, u"EABCD"_s},    {{1, 3}, 5, u"ACEBD"_s},
        {{0, 4}, 2, u"BAECD"_s}, {{0}, 5, u"BCDEA"_s},    {{3}, 1, u"ADBCE"_s},
        {{2}, 3, u"ABCDE"_s},    {{1, 2}, 2, u"ABCDE"_s}, {{7, -1}, 0, u"ABCDE"_s},
        {{5}, 0, u"ABCDE"_s},    {{-1}, 2, u"ABCDE"_s},   {{2, 3}, 99, u"ABECD"_s}};
    for (const auto &[from, to, expected] : cases) {
        SCOPED_TRACE(expected.toStdString());
        player.play(items(5), 1);
        QSignalSpy changed(&player, &MediaPlayerManager::queueChanged);
        if (from.size() == 1)
            player.moveQueueItem(*from.begin(), to);
        else
            player.moveQueueItem(from, to);
        EXPECT_EQ(queueText(), expected);
        EXPECT_TRUE(from.size() > 1 || changed.count() == (expected == u"ABCDE"_s ? 0 : 1));
        EXPECT_EQ(currentTitle(), u"B"_s);
        EXPECT_EQ(player.currentIndex(), 1);
    }
}

TEST_F(PlayerTest, RemovingAndClearingKeepPositionsOnTheSameItemsAndTheItemPlaying)
{
    player.toggleShuffle();
    player.play(items(5), 3); // D
    player.removeFromQueue(1);
    player.removeFromQueue(7);
    EXPECT_EQ(queueText(), u"ACDE"_s);
    EXPECT_EQ(player.currentIndex(), 2);
    QList<int> order = player.shuffledIndices();
    EXPECT_EQ(order.first(), 2);
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, (QList<int>{0, 1, 2, 3}));
    player.toggleShuffle();    // off
    player.removeFromQueue(2); // the current entry, D; it keeps playing
    EXPECT_EQ(currentTitle(), u"D"_s);
    EXPECT_EQ(player.currentIndex(), 1);
    player.playFromQueue(2);
    player.playFromQueue(-1);
    EXPECT_EQ(currentTitle(), u"E"_s);

    player.toggleShuffle();
    player.clearQueue();
    EXPECT_TRUE(player.shuffledIndices().isEmpty());
    EXPECT_EQ(player.currentIndex(), -1);
    player.playFromQueue(0);
    player.playNext();
    player.playPrevious();
    EXPECT_EQ(state.loadedUrls.size(), 2);
    EXPECT_TRUE(player.isPlaying());
}

// Any operation in any order: never an index out of range. Runs under the sanitizers,
// where an out-of-range QList access aborts.
TEST_F(PlayerTest, RandomOperationSequencesKeepTheIndexInRange)
{
    QRandomGenerator random(20240611);
    const QList<MediaItem> pool = items(6);
    const auto any = [&](int below) { return random.bounded(-1, below + 2); };
    const std::vector<std::function<void()>> operations = {
        [&] { player.play(pool.mid(0, random.bounded(7)), any(7)); },
        [&] { player.play(pool[random.bounded(6)]); },
        [&] { player.addToQueue(pool[random.bounded(6)]); },
        [&] { player.removeFromQueue(any(player.queue().size())); },
        [&] { player.moveQueueItem({any(player.queue().size())}, any(player.queue().size())); },
        [&] { player.moveQueueItem(any(player.queue().size()), any(player.queue().size())); },
        [&] { random.bounded(8) == 0 ? player.clearQueue() : player.toggleShuffle(); },
        [&] { fake ? fake->finishCurrent() : player.cycleRepeatMode(); },
        [&] { fake ? fake->reportTime(random.bounded(10.0)) : player.stop(); },
        [&] { player.playNext(); },
        [&] { player.playPrevious(); },
        [&] { player.cycleRepeatMode(); },
        [&] { player.skipForward(15); },
    };
    for (int step = 0; step < 5000; ++step) {
        operations[random.bounded(int(operations.size()))]();
        ASSERT_GE(player.currentIndex(), -1) << "step " << step;
        ASSERT_LT(player.currentIndex(), player.queue().size()) << "step " << step;
    }
}
