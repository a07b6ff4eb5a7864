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

// Auto-play-next, stored before the start or chosen while playing, decides at the end of
// an item, and only with repeat off.
TEST_F(PlayerPreferencesTest, AutoPlayNextDecidesOnlyWithRepeatOff)
{
    settingsWindow.setAutoPlayNext(false);
    auto player = start();
    const std::tuple<bool, RepeatMode, int, bool> cases[] = {
        // auto-play next, repeat, index after the end of item 0 of 3, playing
        {false, RepeatMode::off, 0, false}, {true, RepeatMode::off, 1, true},
        {false, RepeatMode::off, 0, false}, {false, RepeatMode::all, 1, true},
        {false, RepeatMode::one, 0, true}};
    for (const auto &[autoPlayNext, repeat, index, playing] : cases) {
        SCOPED_TRACE(testing::Message() << autoPlayNext << int(repeat));
        while (player->repeatMode() != repeat)
            player->cycleRepeatMode();
        player->play(TestItems::makeItems(3), 0);
        settingsWindow.setAutoPlayNext(autoPlayNext);
        const qsizetype loads = state.loadedUrls.size();
        fake->finishCurrent();
        EXPECT_EQ(player->currentIndex(), index);
        EXPECT_EQ(player->isPlaying(), playing);
        // Stopping loads nothing; repeat one restarts the same file without loading it again.
        EXPECT_EQ(state.loadedUrls.size(), loads + (index == 1 ? 1 : 0));
    }
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
