// A streamed online video reaches the player as a one-item entry of the queue.
#include "FakeYtDlp.h"
#include "PlayerTestFixture.h"
#include "TestSupport.h"
#include "core/YouTubeService.h"

using namespace Qt::StringLiterals;

using StreamHandOff = PlayerTest;

TEST_F(StreamHandOff, StreamedFilePlaysAfterTheQueueAndNeverBeforeItIsComplete)
{
    FakeYtDlp tool;
    YouTubeService service(tool.paths());
    QObject::connect(&service, &YouTubeService::streamedItemReady, &player,
                     qOverload<const MediaItem &>(&MediaPlayerManager::play));
    player.play({item(u"Already queued"_s)}, 0);

    // The tool writes the file only once its gate opens; nothing may play before that.
    const QString address = tool.scenario(u"clip"_s, uR"SH(case "$*" in
  *--dump-json*) echo '{"title": "Clip", "uploader": "Someone", "duration": 12}' ;;
  *) while [ ! -e "$here/go" ]; do sleep 0.05; done; : > "$out_dir/Clip.mp4" ;;
esac)SH"_s);
    service.fetchVideoInfo(address);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return service.videoInfo().has_value(); }));
    service.streamCurrentVideo(false);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return service.isStreaming(); }));
    TestSupport::waitUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_EQ(state.loadedUrls.size(), 1);

    tool.open(u"go"_s);
    ASSERT_TRUE(TestSupport::waitUntil([&] { return state.loadedUrls.size() == 2; }));
    EXPECT_FALSE(service.isStreaming());
    ASSERT_TRUE(player.currentItem().has_value());
    EXPECT_EQ(player.currentItem()->title, u"Clip"_s);
    EXPECT_EQ(player.currentItem()->artist, u"Someone"_s);
    EXPECT_TRUE(player.currentItem()->isVideo);
    EXPECT_EQ(state.loadedUrls.last().fileName(), u"Clip.mp4"_s);
    EXPECT_TRUE(state.loadedUrls.last().toLocalFile().startsWith(service.streamingDirectory()));
    EXPECT_EQ(player.queue().size(), 2);
    EXPECT_EQ(player.currentIndex(), 1);
    EXPECT_TRUE(player.isPlaying());
}
