// A streamed online video reaches the player as a new entry after the queue, and only
// once its file is complete.
#include "FakeYtDlp.h"
#include "PlayerTestFixture.h"
#include "TestSupport.h"
#include "core/YouTubeService.h"

using namespace Qt::StringLiterals;
using TestSupport::waitUntil;

TEST_F(PlayerTest, StreamedFilePlaysAfterTheQueueAndNeverBeforeItIsComplete)
{
    FakeYtDlp tool;
    YouTubeService service(tool.paths());
    QObject::connect(&service, &YouTubeService::streamedItemReady, &player,
                     qOverload<const MediaItem &>(&MediaPlayerManager::play));
    player.play({item(u"Already queued"_s)}, 0);
    service.fetchVideoInfo(tool.scenario(u"clip"_s, uR"SH(case "$*" in
  *--dump-json*) echo '{"title": "Clip", "uploader": "Someone", "duration": 12}' ;;
  *) while [ ! -e "$here/go" ]; do sleep 0.05; done; : > "$out_dir/Clip.mp4" ;;
esac)SH"_s));
    ASSERT_TRUE(waitUntil([&] { return service.videoInfo().has_value(); }));
    service.streamCurrentVideo(false);
    waitUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_TRUE(service.isStreaming());
    EXPECT_EQ(state.loadedUrls.size(), 1);

    tool.open(u"go"_s);
    ASSERT_TRUE(waitUntil([&] { return state.loadedUrls.size() == 2; }));
    EXPECT_FALSE(service.isStreaming());
    EXPECT_EQ(state.loadedUrls.last(), QUrl::fromLocalFile(service.streamingDirectory() + u"/Clip.mp4"_s));
    EXPECT_EQ(currentTitle(), u"Clip"_s);
    EXPECT_EQ(player.currentItem()->artist, u"Someone"_s);
    EXPECT_TRUE(player.currentItem()->isVideo);
    EXPECT_EQ(queueText(), u"Already queuedClip"_s);
    EXPECT_TRUE(player.isPlaying());
}
