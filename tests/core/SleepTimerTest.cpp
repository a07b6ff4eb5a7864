// The sleep timer over the scripted player, with a clock the test moves.
#include "PlayerTestFixture.h"
#include "core/SleepTimer.h"

#include <QCoreApplication>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr float userVolume = 0.8f; // the player's initial volume
constexpr float volumeTolerance = 1e-5f;

QList<Chapter> thirds() // three one-minute chapters
{
    return {{u"One"_s, 0, 60, 0}, {u"Two"_s, 60, 120, 1}, {u"Three"_s, 120, 180, 2}};
}

// Names each parameterised case after its `name`.
struct NamedCase
{
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case> &param) const
    {
        return param.param.name;
    }
};

} // namespace

class SleepTimerTest : public PlayerTest
{
protected:
    using Mode = SleepTimer::Mode;

    qint64 nowMs = 0;
    SleepTimer timer{[this] { return nowMs; }};

    SleepTimerTest() { timer.setPlayer(&player); }

    void advance(double seconds)
    {
        nowMs += qint64(seconds * 1000);
        timer.tick();
    }
    // Runs the pause the timer leaves for the event loop.
    static void settle() { QCoreApplication::processEvents(); }

    static MediaItem timed(const QString &title, double duration, QList<Chapter> chapters = {})
    {
        MediaItem made = item(title, std::move(chapters));
        made.duration = duration;
        return made;
    }

    void expectVolume(float volume) const
    {
        EXPECT_NEAR(player.volume(), volume, volumeTolerance);
        EXPECT_NEAR(state.volume, volume, volumeTolerance);
    }
    // Off, paused, at the listener's volume.
    void expectFinished() const
    {
        EXPECT_EQ(timer.mode(), Mode::off);
        EXPECT_EQ(timer.remainingSeconds(), -1);
        EXPECT_FALSE(player.isPlaying() || state.playing);
        expectVolume(userVolume);
    }
};

// What the listener does while the minutes run; none of it cancels the timer.
struct ListenerAction
{
    const char *name;
    std::function<void(MediaPlayerManager &)> act;
    friend void PrintTo(const ListenerAction &c, std::ostream *os) { *os << c.name; }
};

class SleepMinutesTest : public SleepTimerTest, public testing::WithParamInterface<ListenerAction>
{
};

TEST_P(SleepMinutesTest, FadesOverTheLastTenSecondsThenPausesAtTheListenersVolume)
{
    player.play(items(3), 0);
    timer.choose(Mode::minutes, 15);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.remainingText(), u"15:00"_s);

    advance(15 * 60 - 10);
    GetParam().act(player);
    EXPECT_EQ(timer.remainingSeconds(), 10);
    expectVolume(userVolume);

    // Wall-clock time: the minutes run on while paused.
    advance(5);
    EXPECT_EQ(timer.remainingText(), u"0:05"_s);
    expectVolume(userVolume / 2);
    advance(4.5);
    expectVolume(userVolume / 20);

    advance(0.5);
    expectFinished();
}

INSTANTIATE_TEST_SUITE_P(
    Transport, SleepMinutesTest,
    testing::Values(ListenerAction{"nothing", [](MediaPlayerManager &) {}},
                    ListenerAction{"pause", [](MediaPlayerManager &p) { p.pause(); }},
                    ListenerAction{"pauseAndPlay",
                                   [](MediaPlayerManager &p) {
                                       p.pause();
                                       p.resume();
                                   }},
                    ListenerAction{"next", [](MediaPlayerManager &p) { p.playNext(); }},
                    ListenerAction{"seek", [](MediaPlayerManager &p) { p.seek(30); }}),
    NamedCase());

TEST_F(SleepTimerTest, AVolumeSetDuringTheFadeIsTheOneItFadesFromAndGivesBack)
{
    player.play(items(1), 0);
    timer.choose(Mode::minutes, 30);
    advance(30 * 60 - 5);
    expectVolume(userVolume / 2);
    player.setVolume(0.6f);
    expectVolume(0.3f);
    advance(2.5);
    expectVolume(0.15f);
    advance(2.5);
    EXPECT_FALSE(player.isPlaying());
    expectVolume(0.6f);
}

// A new choice in the middle of the fade starts from the listener's volume again.
TEST_F(SleepTimerTest, ChoosingAgainMidFadeGivesTheVolumeBack)
{
    const std::tuple<Mode, int, int> choices[] = {
        {Mode::off, 0, -1}, {Mode::minutes, 45, 45 * 60}, {Mode::endOfChapter, 0, -1}};
    for (const auto &[mode, minutes, remaining] : choices) {
        SCOPED_TRACE(int(mode));
        player.play(items(1), 0);
        timer.choose(Mode::minutes, 15);
        advance(15 * 60 - 3);
        expectVolume(userVolume * 0.3f);
        timer.choose(mode, minutes);
        expectVolume(userVolume);
        EXPECT_EQ(timer.remainingSeconds(), remaining); // no length known: end unknown
        advance(5); // past the old deadline
        EXPECT_TRUE(player.isPlaying());
        EXPECT_EQ(timer.isActive(), mode != Mode::off);
        timer.choose(Mode::off);
    }
}

TEST_F(SleepTimerTest, RefusesMinutesThatAreNotPositive)
{
    timer.choose(Mode::minutes, 15);
    timer.choose(Mode::minutes, 0);
    timer.choose(Mode::minutes, -5);
    EXPECT_EQ(timer.minutes(), 15);
    EXPECT_EQ(timer.remainingSeconds(), 15 * 60);
}

// "End of chapter" pauses at the last report before the boundary, puts the position on
// the boundary so that the next play starts the next chapter, and never loads the next
// item.
struct BoundaryCase
{
    const char *name;
    QList<Chapter> chapters;
    double length;
    float rate;
    double start;
    double boundary;
    bool seeksToBoundary;
    friend void PrintTo(const BoundaryCase &c, std::ostream *os) { *os << c.name; }
};

class SleepChapterEndTest : public SleepTimerTest, public testing::WithParamInterface<BoundaryCase>
{
};

TEST_P(SleepChapterEndTest, PausesAtTheBoundaryAfterTheFade)
{
    const BoundaryCase &c = GetParam();
    player.play({timed(u"Book"_s, c.length, c.chapters), timed(u"Next"_s, 300)}, 0);
    player.setPlaybackRate(c.rate);
    fake->reportTime(c.start);
    timer.choose(Mode::endOfChapter);
    EXPECT_EQ(timer.remainingSeconds(), int(std::ceil((c.boundary - c.start) / c.rate)));

    fake->reportTime(c.boundary - 5 * c.rate); // five seconds of listening left
    expectVolume(userVolume / 2);
    EXPECT_TRUE(player.isPlaying());

    fake->reportTime(c.boundary - 0.2 * c.rate);
    expectFinished();
    EXPECT_EQ(currentTitle(), u"Book"_s);
    EXPECT_EQ(state.loadedUrls.size(), 1);
    EXPECT_EQ(state.seeks, c.seeksToBoundary ? QList<MediaTime>{MediaTime::fromSeconds(c.boundary)}
                                             : QList<MediaTime>{});
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, SleepChapterEndTest,
    testing::Values(BoundaryCase{"chapterMark", thirds(), 180, 1, 70, 120, true},
                    BoundaryCase{"doubleSpeed", thirds(), 180, 2, 70, 120, true},
                    BoundaryCase{"betweenMarks", {{u"A"_s, 10, 50, 0}, {u"B"_s, 60, 100, 1}},
                                 100, 1, 52, 60, true},
                    // The last mark ends with the file: nothing to seek to.
                    BoundaryCase{"lastChapter", thirds(), 180.2, 1, 130, 180.2, false},
                    BoundaryCase{"itemWithoutChapters", {}, 100, 1, 1, 100, false}),
    NamedCase());

// When the boundary went by between two reports, the pause comes right after it.
struct CrossingCase
{
    const char *name;
    std::function<void(MediaPlayerManager &, FakePlayerBackend &)> cross;
    QString titleAfter;
    std::optional<double> seekAfter;
    friend void PrintTo(const CrossingCase &c, std::ostream *os) { *os << c.name; }
};

class SleepCrossingTest : public SleepTimerTest, public testing::WithParamInterface<CrossingCase>
{
};

TEST_P(SleepCrossingTest, PausesWhereTheNextPlayShouldStart)
{
    const CrossingCase &c = GetParam();
    player.play({timed(u"A"_s, 100, {{u"One"_s, 0, 60, 0}, {u"Two"_s, 60, 100, 1}}),
                 timed(u"B"_s, 100)},
                0);
    fake->reportTime(40);
    timer.choose(Mode::endOfChapter);
    c.cross(player, *fake);
    settle();
    expectFinished();
    EXPECT_EQ(currentTitle(), c.titleAfter);
    EXPECT_EQ(state.seeks.isEmpty() ? std::nullopt : std::optional(state.seeks.last().seconds()),
              c.seekAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Crossings, SleepCrossingTest,
    testing::Values(
        CrossingCase{"reportPastTheMark",
                     [](auto &, auto &f) {
                         f.reportTime(59);
                         f.reportTime(60.4);
                     },
                     u"A"_s, 60},
        // The file ended before its inspected length; the player went on to B.
        CrossingCase{"itemEndedEarly",
                     [](auto &p, auto &f) {
                         p.seek(65); // into the last chapter
                         f.reportTime(97.5);
                         f.finishCurrent();
                         f.reportTime(0.1); // B is heard until the event loop turns
                     },
                     u"B"_s, 0},
        // The last report reads the whole length; the player handles the end after it.
        CrossingCase{"lastReportAtTheEnd",
                     [](auto &p, auto &f) {
                         p.seek(65);
                         f.reportTime(97.5);
                         f.reportTime(100);
                         f.finishCurrent();
                     },
                     u"B"_s, 0},
        CrossingCase{"repeatOneStartedOver",
                     [](auto &p, auto &f) {
                         p.cycleRepeatMode(); // all
                         p.cycleRepeatMode(); // one
                         p.seek(65);
                         f.reportTime(99);
                         f.finishCurrent();
                     },
                     u"A"_s, 0},
        // The last item of the queue ended: the player stopped by itself.
        CrossingCase{"queueEnded",
                     [](auto &p, auto &f) {
                         p.playNext();
                         f.reportTime(99);
                         f.finishCurrent();
                     },
                     u"B"_s, std::nullopt}),
    NamedCase());

// Transport moves the target instead of cancelling it; an item's first report decides.
TEST_F(SleepTimerTest, EndOfChapterFollowsTheListenersTransport)
{
    player.play({timed(u"A"_s, 200), timed(u"B"_s, 95), timed(u"C"_s, 0)}, 0);
    timer.choose(Mode::endOfChapter);
    fake->completeDuration(200);
    fake->reportTime(10);
    player.pause();
    EXPECT_EQ(timer.remainingSeconds(), 190);
    player.resume();
    player.skipForward(15);
    EXPECT_EQ(timer.remainingSeconds(), 175);

    fake->reportTime(195); // fading
    expectVolume(userVolume / 2);
    player.playNext(); // B is shorter than the position A left behind
    settle();
    EXPECT_TRUE(player.isPlaying());
    fake->reportTime(1);
    EXPECT_EQ(timer.remainingSeconds(), 94);
    expectVolume(userVolume);

    // C has no length of its own: the player's, once loaded, decides.
    player.playNext();
    fake->reportTime(3);
    fake->completeDuration(50);
    EXPECT_EQ(timer.remainingSeconds(), 47);
    EXPECT_TRUE(timer.isActive() && player.isPlaying());
}

// Resumed after a seek, the player first reads a little behind where it stood.
TEST_F(SleepTimerTest, AShortStepBackKeepsTheChapterAheadALongOneChoosesAgain)
{
    player.play({timed(u"Book"_s, 180, thirds())}, 0);
    fake->reportTime(60); // where the last pause left it, on the mark
    timer.choose(Mode::endOfChapter);
    EXPECT_EQ(timer.remainingSeconds(), 60);
    fake->reportTime(59.8);
    EXPECT_EQ(timer.remainingSeconds(), 61);
    EXPECT_TRUE(timer.isActive() && player.isPlaying());
    player.seek(30);
    EXPECT_EQ(timer.remainingSeconds(), 30);
}

TEST_F(SleepTimerTest, WithNothingLoadedItWaitsOrEndsQuietly)
{
    timer.choose(Mode::minutes, 15);
    advance(15 * 60);
    EXPECT_FALSE(timer.isActive() || player.isPlaying());
    EXPECT_EQ(player.volume(), userVolume);
    EXPECT_EQ(fake, nullptr);

    timer.choose(Mode::endOfChapter);
    advance(3600);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.remainingText(), QString());
    player.play({timed(u"A"_s, 100)}, 0);
    fake->reportTime(0.5);
    EXPECT_EQ(timer.remainingSeconds(), 100);
}

TEST_F(SleepTimerTest, GoingAwayMidFadeOrChangingPlayersGivesTheVolumeBack)
{
    player.play(items(1), 0);
    for (int round = 0; round < 2; ++round) {
        auto other = std::make_unique<SleepTimer>([this] { return nowMs; });
        other->setPlayer(&player);
        other->choose(Mode::minutes, 15);
        nowMs += (15 * 60 - 5) * 1000;
        other->tick();
        expectVolume(userVolume / 2);
        if (round == 0) {
            other.reset();
        } else {
            other->setPlayer(nullptr);
            EXPECT_FALSE(other->isActive());
        }
        expectVolume(userVolume);
    }
}
