// The sleep timer over the scripted player, with a clock the test moves.
#include "PlayerTestFixture.h"
#include "core/SleepTimer.h"

#include <QCoreApplication>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using Mode = SleepTimer::Mode;

namespace {

constexpr float userVolume = 0.8f; // the player's initial volume

class SleepTimerTest : public PlayerTest
{
protected:
    qint64 nowMs = 0;
    SleepTimer timer{[this] { return nowMs; }};

    SleepTimerTest() { timer.setPlayer(&player); }

    void advance(double seconds) { nowMs += qint64(seconds * 1000), timer.tick(); }
    static MediaItem timed(const QString &title, double duration, QList<Chapter> chapters = {})
    {
        MediaItem made = item(title, std::move(chapters));
        made.duration = duration;
        return made;
    }
    void expectVolume(float volume) const
    {
        EXPECT_NEAR(player.volume(), volume, 1e-5f);
        EXPECT_NEAR(state.volume, volume, 1e-5f);
    }
    // Off, paused, at the listener's volume.
    void expectFinished() const
    {
        EXPECT_TRUE(timer.mode() == Mode::off && timer.remainingSeconds() == -1);
        EXPECT_FALSE(player.isPlaying() || state.playing);
        expectVolume(userVolume);
    }
};

// Wall-clock minutes: whatever the listener does meanwhile, pausing included. A volume
// set during the fade is the one it fades from and gives back.
TEST_F(SleepTimerTest, MinutesFadeOverTheLastTenSecondsThenPauseAtTheListenersVolume)
{
    const std::function<void(MediaPlayerManager &)> actions[] = {
        [](auto &) {}, [](auto &p) { p.pause(); }, [](auto &p) { p.playNext(); },
        [](auto &p) { p.seek(30); }};
    for (const auto &act : actions) {
        player.play(items(3), 0);
        timer.choose(Mode::minutes, 15);
        advance(15 * 60 - 10);
        act(player);
        EXPECT_EQ(timer.remainingText(), u"0:10"_s);
        expectVolume(userVolume);
        advance(5);
        expectVolume(userVolume / 2);
        advance(5);
        expectFinished();
    }
    player.play(items(1), 0);
    timer.choose(Mode::minutes, 30);
    advance(30 * 60 - 5);
    player.setVolume(0.6f);
    expectVolume(0.3f);
    advance(5);
    EXPECT_FALSE(player.isPlaying());
    expectVolume(0.6f);
}

// A new choice, the timer going away or a change of player mid-fade gives the listener's
// volume back; no minutes are refused.
TEST_F(SleepTimerTest, ChoosingAgainGoingAwayOrChangingPlayersMidFadeGivesTheVolumeBack)
{
    player.play(items(1), 0);
    for (const bool destroy : {true, false}) {
        auto other = std::make_unique<SleepTimer>([this] { return nowMs; });
        other->setPlayer(&player);
        other->choose(Mode::minutes, 15);
        nowMs += (15 * 60 - 5) * 1000;
        other->tick();
        expectVolume(userVolume / 2);
        destroy ? other.reset() : other->setPlayer(nullptr);
        expectVolume(userVolume);
    }
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
    }
    timer.choose(Mode::minutes, 0);
    timer.choose(Mode::minutes, -5);
    EXPECT_EQ(timer.mode(), Mode::endOfChapter);
}

// "End of chapter" pauses at the last report before the boundary and seeks onto it, so
// the next play starts the next chapter; the next item is never loaded.
TEST_F(SleepTimerTest, EndOfChapterPausesAtTheBoundaryAfterTheFade)
{
    const QList<Chapter> thirds{
        {u"One"_s, 0, 60, 0}, {u"Two"_s, 60, 120, 1}, {u"Three"_s, 120, 180, 2}};
    const struct
    {
        QList<Chapter> chapters;
        double length, start, boundary;
        float rate;
        bool seeksToBoundary;
    } cases[] = {{thirds, 180, 70, 120, 1, true},
                 {thirds, 180, 70, 120, 2, true},
                 // Between marks: the end of the next one.
                 {{{u"A"_s, 10, 50, 0}, {u"B"_s, 60, 100, 1}}, 100, 52, 60, 1, true},
                 {thirds, 180.2, 130, 180.2, 1, false}, // the last mark ends with the file
                 {{}, 100, 1, 100, 1, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " to " << c.boundary << " at " << c.rate);
        state.seeks.clear();
        const qsizetype loads = state.loadedUrls.size();
        player.play({timed(u"Book"_s, c.length, c.chapters), timed(u"Next"_s, 300)}, 0);
        player.setPlaybackRate(c.rate);
        fake->reportTime(c.start);
        timer.choose(Mode::endOfChapter);
        EXPECT_EQ(timer.remainingSeconds(), int(std::ceil((c.boundary - c.start) / c.rate)));
        fake->reportTime(c.boundary - 5 * c.rate); // five seconds of listening left
        expectVolume(userVolume / 2);
        fake->reportTime(c.boundary - 0.2 * c.rate);
        expectFinished();
        EXPECT_EQ(state.loadedUrls.size(), loads + 1);
        EXPECT_EQ(state.seeks, c.seeksToBoundary ? QList{MediaTime::fromSeconds(c.boundary)}
                                                 : QList<MediaTime>{});
    }
}

// The boundary went by between two reports: the pause comes where the next play starts.
TEST_F(SleepTimerTest, EndOfChapterCrossedBetweenReportsPausesWhereTheNextPlayStarts)
{
    using Cross = std::function<void(MediaPlayerManager &, FakePlayerBackend &)>;
    const std::tuple<Cross, QString, std::optional<double>> cases[] = {
        {[](auto &, auto &f) { f.reportTime(59), f.reportTime(60.4); }, u"A"_s, 60},
        // The file ended before its inspected length and the player went on to B.
        {[](auto &p, auto &f) {
             p.seek(65), f.reportTime(97.5), f.finishCurrent(), f.reportTime(0.1);
         },
         u"B"_s, 0},
        // The last report reads the whole length; the player handles the end after it.
        {[](auto &p, auto &f) {
             p.seek(65), f.reportTime(97.5), f.reportTime(100), f.finishCurrent();
         },
         u"B"_s, 0},
        {[](auto &p, auto &f) { // repeat one starts over
             p.cycleRepeatMode(), p.cycleRepeatMode();
             p.seek(65), f.reportTime(99), f.finishCurrent();
         },
         u"A"_s, 0},
        {[](auto &p, auto &f) { p.playNext(), f.reportTime(99), f.finishCurrent(); }, u"B"_s,
         std::nullopt}}; // the queue ended
    for (const auto &[cross, titleAfter, seekAfter] : cases) {
        SCOPED_TRACE(titleAfter.toStdString());
        state.seeks.clear();
        setRepeat(RepeatMode::off);
        player.play({timed(u"A"_s, 100, {{u"One"_s, 0, 60, 0}, {u"Two"_s, 60, 100, 1}}),
                     timed(u"B"_s, 100)},
                    0);
        fake->reportTime(40);
        timer.choose(Mode::endOfChapter);
        cross(player, *fake);
        QCoreApplication::processEvents(); // the pause the timer leaves for the event loop
        expectFinished();
        EXPECT_EQ(currentTitle(), titleAfter);
        const auto lastSeek = state.seeks.isEmpty() ? std::nullopt
                                                    : std::optional(state.seeks.last().seconds());
        EXPECT_EQ(lastSeek, seekAfter);
    }
}

// Transport moves the target instead of cancelling it; an item's first report decides.
TEST_F(SleepTimerTest, EndOfChapterFollowsTheListenersTransport)
{
    player.play({timed(u"A"_s, 200), timed(u"B"_s, 95), timed(u"C"_s, 0)}, 0);
    timer.choose(Mode::endOfChapter);
    fake->completeDuration(200);
    fake->reportTime(10);
    player.pause();
    player.resume();
    player.skipForward(15);
    EXPECT_EQ(timer.remainingSeconds(), 175);

    fake->reportTime(195);
    expectVolume(userVolume / 2);
    player.playNext(); // B is shorter than the position A left behind
    QCoreApplication::processEvents();
    fake->reportTime(1);
    EXPECT_EQ(timer.remainingSeconds(), 94);
    expectVolume(userVolume);

    // C has no length of its own: the player's, once loaded, decides.
    player.playNext();
    fake->reportTime(3);
    fake->completeDuration(50);
    EXPECT_EQ(timer.remainingSeconds(), 47);
    EXPECT_TRUE(timer.isActive() && player.isPlaying());

    // After a seek the player first reads a little behind the mark: a short step back
    // keeps the chapter ahead, a long one chooses again.
    player.play({timed(u"Book"_s, 180, {{u"One"_s, 0, 60, 0}, {u"Two"_s, 60, 180, 1}})}, 0);
    fake->reportTime(60); // where the last pause left it, on the mark
    timer.choose(Mode::endOfChapter);
    fake->reportTime(59.8);
    EXPECT_EQ(timer.remainingSeconds(), 121);
    player.seek(30);
    EXPECT_EQ(timer.remainingSeconds(), 30);
}

TEST_F(SleepTimerTest, WithNothingLoadedItWaitsOrEndsQuietly)
{
    timer.choose(Mode::minutes, 15);
    advance(15 * 60);
    EXPECT_FALSE(timer.isActive() || player.isPlaying() || fake);

    timer.choose(Mode::endOfChapter);
    advance(3600);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.remainingText(), QString());
    player.play({timed(u"A"_s, 100)}, 0);
    fake->reportTime(0.5);
    EXPECT_EQ(timer.remainingSeconds(), 100);
}

} // namespace
