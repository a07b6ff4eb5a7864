// The stored preferences, and the engine and library over them, each with an instance of
// its own on the settings window's file, as the program runs them.
#include "core/Preferences.h"

#include "FakePlayerBackend.h"
#include "TestItems.h"
#include "TestSupport.h"
#include "core/LibraryManager.h"
#include "core/MediaPlayerManager.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using RepeatMode = MediaPlayerManager::RepeatMode;
using TestItems::titlesOf;
using TestSupport::readFile;
using TestSupport::writeFile;

namespace {

class PreferencesTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"Lyrabox.conf"_s);
    FakePlayerBackend::State state;
    FakePlayerBackend *fake = nullptr;

    // A new engine over `preferences`, as a new run of the program makes.
    std::unique_ptr<MediaPlayerManager> start(Preferences *preferences)
    {
        return std::make_unique<MediaPlayerManager>(
            [this] {
                auto backend = std::make_unique<FakePlayerBackend>(state);
                fake = backend.get();
                return backend;
            },
            preferences);
    }
};

// Nothing is written until a value is set; a value set reaches every instance on the
// same file at once, and a new run with its type.
TEST_F(PreferencesTest, ValuesReachEveryInstanceOnTheFileAndTheNextRun)
{
    Preferences window(path), engine(path), elsewhere(dir.filePath(u"other.conf"_s));
    EXPECT_EQ(engine.playbackRateInEffect(), 1.0);
    EXPECT_FALSE(QFileInfo::exists(path));
    QSignalSpy heard(&engine, &Preferences::skipSilenceChanged);
    window.setSkipSilence(true);
    window.setSkipSilence(true); // the same value again is no change
    EXPECT_TRUE(heard.count() == 1 && engine.skipSilence() && !elsewhere.skipSilence());
    window.setDefaultSortOrder(u"duration"_s);
    window.setGroupRTLFirst(false);
    window.setAutoPlayNext(false);
    window.setDefaultPlaybackRate(1.75);
    window.setDownloadAudioFormat(u"opus"_s);
    window.setDownloadVideoFormat(u"webm"_s);

    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value(u"defaultPlaybackRate"_s).toString(), u"1.75"_s);
    EXPECT_EQ(raw.value(u"skipSilence"_s).toString(), u"true"_s);
    Preferences again(path);
    EXPECT_EQ(again.defaultSortOrder(), u"duration"_s);
    EXPECT_FALSE(again.groupRTLFirst() || again.autoPlayNext() || !again.skipSilence());
    EXPECT_EQ(again.playbackRateInEffect(), 1.75);
    EXPECT_EQ(again.audioFormatInEffect(), u"opus"_s);
    EXPECT_EQ(again.videoFormatInEffect(), u"webm"_s);
}

TEST_F(PreferencesTest, ValuesWrittenByHandStayUntilAnOptionIsPicked)
{
    const QByteArray hand = "[General]\n"
                            "defaultSortOrder=dateAdded\n"
                            "groupRTLFirst=maybe\n"
                            "autoPlayNext=0\n"
                            "skipSilence=yes\n"
                            "defaultPlaybackRate=fast\n"
                            "downloadAudioFormat=flac, wav\n"
                            "downloadVideoFormat=MP4\n";
    ASSERT_TRUE(writeFile(path, hand));
    Preferences prefs(path);
    EXPECT_EQ(prefs.defaultSortOrder(), u"dateAdded"_s);
    EXPECT_EQ(prefs.sortOrderInEffect(), u"natural"_s);
    // Flags that say neither true nor false read as their defaults, not as "any text".
    EXPECT_TRUE(prefs.groupRTLFirst() && prefs.autoPlayNext() && !prefs.skipSilence());
    EXPECT_TRUE(std::isnan(prefs.defaultPlaybackRate()));
    EXPECT_EQ(prefs.playbackRateInEffect(), 1.0);
    // A list is no option's value; a format in the wrong case is not "mp4".
    EXPECT_EQ(prefs.downloadAudioFormat(), QString());
    EXPECT_EQ(prefs.audioFormatInEffect(), u"m4a"_s);
    EXPECT_EQ(prefs.downloadVideoFormat(), u"MP4"_s);
    EXPECT_EQ(prefs.videoFormatInEffect(), u"mp4"_s);
    EXPECT_EQ(readFile(path), hand);

    prefs.setDownloadVideoFormat(u"mkv"_s);
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value(u"downloadVideoFormat"_s).toString(), u"mkv"_s);
    EXPECT_EQ(raw.value(u"defaultSortOrder"_s).toString(), u"dateAdded"_s);
    EXPECT_EQ(raw.value(u"defaultPlaybackRate"_s).toString(), u"fast"_s);

    // A number the speed picker does not offer is shown, not applied.
    prefs.setDefaultPlaybackRate(3);
    EXPECT_EQ(prefs.defaultPlaybackRate(), 3.0);
    EXPECT_EQ(prefs.playbackRateInEffect(), 1.0);
}

TEST_F(PreferencesTest, UnwritableFileKeepsTheRunsValuesAndWarnsOnce)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files";
    const QByteArray before = "[General]\nautoPlayNext=true\n";
    ASSERT_TRUE(writeFile(path, before));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);

    testing::internal::CaptureStderr();
    {
        Preferences prefs(path);
        prefs.setAutoPlayNext(false);
        prefs.setDownloadAudioFormat(u"mp3"_s);
        EXPECT_FALSE(prefs.autoPlayNext());
    }
    Preferences later(path);
    EXPECT_FALSE(later.autoPlayNext());
    EXPECT_EQ(later.downloadAudioFormat(), u"mp3"_s);
    const std::string errors = testing::internal::GetCapturedStderr();
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);

    EXPECT_EQ(readFile(path), before);
    const size_t first = errors.find("cannot save the settings");
    EXPECT_NE(first, std::string::npos) << errors;
    EXPECT_EQ(errors.find("cannot save the settings", first + 1), std::string::npos) << errors;
}

// Auto-play-next, stored before the start or chosen while playing, decides at the end of
// an item, and only with repeat off.
TEST_F(PreferencesTest, AutoPlayNextDecidesOnlyWithRepeatOff)
{
    Preferences settingsWindow(path), engineCopy(path);
    settingsWindow.setAutoPlayNext(false);
    auto player = start(&engineCopy);
    const std::tuple<bool, RepeatMode, int, bool> cases[] = {
        // auto-play next, repeat, index after the end of item 0 of 3, playing
        {false, RepeatMode::off, 0, false},
        {true, RepeatMode::off, 1, true},
        {false, RepeatMode::off, 0, false},
        {false, RepeatMode::all, 1, true},
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
        EXPECT_EQ(state.loadedUrls.size(), loads + (index == 1 ? 1 : 0));
    }
}

// Silences are skipped for items of an audiobook playlist only, and a change in the
// settings reaches the item playing.
TEST_F(PreferencesTest, SilenceIsSkippedOnlyInAudiobooks)
{
    Preferences settingsWindow(path), engineCopy(path);
    LibraryManager library([](const QUrl &url, qint64 index) {
        return TestItems::makeItem(MediaItem::titleFromURL(url), index);
    });
    const QList<MediaItem> book = TestItems::makeItems(2);
    const MediaItem song = TestItems::makeItem(u"Song"_s);
    library.createPlaylist(u"Book"_s, book, true);
    library.createPlaylist(u"Mix"_s, {song}, false);

    auto player = start(&engineCopy);
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
    auto other = start(&engineCopy);
    other->play(book, 0);
    EXPECT_FALSE(state.skipSilence);
}

// The library's natural orders follow the stored "group right-to-left titles first": an
// import numbers its files so, and a change resorts the library by title.
TEST_F(PreferencesTest, TheLibraryOrdersDirectionsAsStored)
{
    Preferences settingsWindow(path), libraryCopy(path);
    settingsWindow.setGroupRTLFirst(false);
    QList<QUrl> urls;
    for (const QString &name : {u"الفصل ٢"_s, u"Chapter 10"_s, u"الفصل ١"_s, u"Chapter 2"_s}) {
        urls.append(QUrl::fromLocalFile(dir.filePath(name + u".mp3"_s)));
        ASSERT_TRUE(writeFile(urls.last().toLocalFile()));
    }
    // `batchOrder` false: records without their place in the batch, ordered by title alone.
    const auto import = [&](bool batchOrder) {
        auto library = std::make_unique<LibraryManager>([batchOrder](const QUrl &url, qint64 i) {
            return TestItems::makeItem(MediaItem::titleFromURL(url), batchOrder ? i : 0);
        });
        library->setPreferences(&libraryCopy);
        library->addFiles(urls);
        EXPECT_TRUE(TestSupport::waitUntil([&] { return library->runningImports() == 0; }));
        return library;
    };
    const QStringList ungrouped{u"Chapter 2"_s, u"Chapter 10"_s, u"الفصل ١"_s, u"الفصل ٢"_s};
    const QStringList grouped{u"الفصل ١"_s, u"الفصل ٢"_s, u"Chapter 2"_s, u"Chapter 10"_s};
    EXPECT_EQ(titlesOf(import(true)->allItems()), ungrouped);
    const auto library = import(false);
    EXPECT_EQ(titlesOf(library->allItems()), ungrouped);
    settingsWindow.setGroupRTLFirst(true);
    EXPECT_EQ(titlesOf(library->allItems()), grouped);
    EXPECT_EQ(titlesOf(library->sortedItems(LibraryManager::SortOrder::Natural)), grouped);
    settingsWindow.setGroupRTLFirst(false);
    EXPECT_EQ(titlesOf(library->allItems()), ungrouped);
    library->createPlaylist(u"All"_s, library->allItems(), false);
    EXPECT_EQ(titlesOf(library->playlists().first().items), ungrouped);
}

} // namespace
