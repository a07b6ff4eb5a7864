// The engine over the stored preferences: the speed it starts at, the advance at the end
// of an item, and silences skipped only in audiobooks.
#include "FakePlayerBackend.h"
#include "TestItems.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"
#include "core/Preferences.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using RepeatMode = MediaPlayerManager::RepeatMode;

namespace {

class PlayerPreferencesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Preferences settingsWindow{dir.filePath(u"Lyrabox.conf"_s)};
    Preferences engineCopy{dir.filePath(u"Lyrabox.conf"_s)};
    FakePlayerBackend::State state;
    FakePlayerBackend *fake = nullptr;

    // A new engine, as a new run of the program makes.
    std::unique_ptr<MediaPlayerManager> start()
    {
        return std::make_unique<MediaPlayerManager>(
            [this] {
                auto backend = std::make_unique<FakePlayerBackend>(state);
                fake = backend.get();
                return backend;
            },
            &engineCopy);
    }
    static void setRepeat(MediaPlayerManager &player, RepeatMode mode)
    {
        while (player.repeatMode() != mode)
            player.cycleRepeatMode();
    }
};

TEST_F(PlayerPreferencesTest, TheStoredSpeedHoldsFromTheNextStart)
{
    settingsWindow.setDefaultPlaybackRate(1.5);
    auto player = start();
    EXPECT_EQ(player->playbackRate(), 1.5f);
    player->play(TestItems::makeItems(2), 0);
    EXPECT_EQ(state.rates.last(), 1.5f);

    // Chosen while playing: the current speed stays, for this item and the next.
    settingsWindow.setDefaultPlaybackRate(0.75);
    EXPECT_EQ(player->playbackRate(), 1.5f);
    player->playNext();
    EXPECT_EQ(state.rates.last(), 1.5f);
    EXPECT_EQ(start()->playbackRate(), 0.75f);

    // A stored speed the settings do not offer is not applied.
    settingsWindow.setDefaultPlaybackRate(40);
    EXPECT_EQ(start()->playbackRate(), 1.0f);
}

struct EndCase
{
    bool autoPlayNext;
    RepeatMode repeat;
    int expectedIndex; // after the end of item 0 of 3
    bool expectedPlaying;
};

class EndOfItemTest : public PlayerPreferencesTest, public testing::WithParamInterface<EndCase>
{};

TEST_P(EndOfItemTest, AutoPlayNextDecidesOnlyWithRepeatOff)
{
    const EndCase c = GetParam();
    settingsWindow.setAutoPlayNext(c.autoPlayNext);
    auto player = start();
    setRepeat(*player, c.repeat);
    player->play(TestItems::makeItems(3), 0);
    const qsizetype loads = state.loadedUrls.size();
    fake->finishCurrent();
    EXPECT_EQ(player->currentIndex(), c.expectedIndex);
    EXPECT_EQ(player->isPlaying(), c.expectedPlaying);
    // Stopping loads nothing; repeat one restarts the same file without loading it again.
    EXPECT_EQ(state.loadedUrls.size(), loads + (c.expectedIndex == 1 ? 1 : 0));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, EndOfItemTest,
    testing::Values(EndCase{true, RepeatMode::off, 1, true}, EndCase{false, RepeatMode::off, 0, false},
                    EndCase{false, RepeatMode::all, 1, true}, EndCase{false, RepeatMode::one, 0, true}));

TEST_F(PlayerPreferencesTest, AutoPlayNextIsReadAtTheEndOfEachItem)
{
    auto player = start();
    player->play(TestItems::makeItems(3), 0);
    settingsWindow.setAutoPlayNext(false);
    fake->finishCurrent();
    EXPECT_EQ(player->currentIndex(), 0);
    EXPECT_FALSE(player->isPlaying());
    settingsWindow.setAutoPlayNext(true);
    player->play(TestItems::makeItems(3), 0);
    fake->finishCurrent();
    EXPECT_EQ(player->currentIndex(), 1);
}

// Silences are skipped for items of an audiobook playlist only, and a change in the
// settings reaches the item playing.
TEST_F(PlayerPreferencesTest, SilenceIsSkippedOnlyInAudiobooks)
{
    LibraryManager library([](const QUrl &url, qint64 index) {
        return TestItems::makeItem(MediaItem::titleFromURL(url), index);
    });
    const QList<MediaItem> book = TestItems::makeItems(2);
    const MediaItem song = TestItems::makeItem(u"Song"_s);
    library.createPlaylist(u"Book"_s, book, true);
    library.createPlaylist(u"Mix"_s, {song}, false);

    auto player = start();
    player->setAudiobookTest([&](const MediaItem &item) { return library.isInAudiobook(item.id); });
    player->play(book, 0);
    EXPECT_FALSE(state.skipSilence);
    settingsWindow.setSkipSilence(true);
    EXPECT_TRUE(state.skipSilence);
    player->play(song);
    EXPECT_FALSE(state.skipSilence);
    player->play(book[1]);
    EXPECT_TRUE(state.skipSilence);
    settingsWindow.setSkipSilence(false);
    EXPECT_FALSE(state.skipSilence);

    // Without a way to tell audiobooks, nothing is skipped.
    settingsWindow.setSkipSilence(true);
    auto other = start();
    other->play(book, 0);
    EXPECT_FALSE(state.skipSilence);
}

} // namespace
