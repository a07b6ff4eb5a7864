import QtQuick
import QtTest
import Lyrabox

Item {
    id: host
    width: 1000
    height: 200

    Component {
        id: miniComponent
        MiniPlayerView { width: host.width }
    }

    TestCase {
        name: "MiniPlayer"
        when: windowShown

        property var view: null
        property var player: null

        function init() {
            fixture.reset()
            player = fixture.player
            fixture.play([{ title: "A" }, { title: "B" }, { title: "Song", duration: 200 }, { title: "D" }], 2)
            view = createTemporaryObject(miniComponent, host, { playerManager: player })
            verify(view)
        }

        function test_volumeIcon_data() {
            return [
                { tag: "just under 0.33", volume: 0.3299, muted: false, icon: "speaker.wave.1.fill" },
                { tag: "exactly 0.33", volume: 0.33, muted: false, icon: "speaker.wave.2.fill" },
                { tag: "exactly 0.66", volume: 0.66, muted: false, icon: "speaker.wave.3.fill" },
                { tag: "zero", volume: 0, muted: false, icon: "speaker.slash.fill" },
                { tag: "muted at 0.8", volume: 0.8, muted: true, icon: "speaker.slash.fill" },
            ]
        }
        function test_volumeIcon(data) {
            player.volume = data.volume
            if (data.muted)
                player.toggleMute()
            compare(findChild(view, "muteButton").symbol, data.icon)
        }

        // The shared transport row: each button reaches its operation, with its help.
        function test_transportButton_data() {
            return [
                { tag: "shuffle", name: "shuffleButton", help: "Shuffle", check: p => p.shuffleEnabled },
                // Past the first seconds "previous" starts the item again.
                { tag: "previous", name: "previousButton", help: "Previous",
                  check: p => p.currentIndex === 2 && p.currentTime < 1 },
                { tag: "skip back", name: "skipBackButton", help: "Skip back 15s",
                  check: p => Math.abs(p.currentTime - 45) < 1e-6 },
                { tag: "play / pause", name: "playButton", help: "Pause",
                  check: p => !p.isPlaying && findChild(view, "playButton").helpText === "Play" },
                { tag: "skip forward", name: "skipForwardButton", help: "Skip forward 15s",
                  check: p => Math.abs(p.currentTime - 75) < 1e-6 },
                { tag: "next", name: "nextButton", help: "Next", check: p => p.currentIndex === 3 },
            ]
        }
        function test_transportButton(data) {
            fixture.reportTime(60)
            const button = findChild(view, data.name)
            compare(button.helpText, data.help)
            mouseClick(button)
            verify(data.check(player), data.tag)
        }

        function test_repeatButtonFollowsTheMode() {
            const button = findChild(view, "repeatButton")
            const seen = []
            for (let i = 0; i < 4; ++i) {
                seen.push(button.symbol + " " + button.helpText + " " + player.repeatMode)
                mouseClick(button)
            }
            const all = MediaPlayerManager.RepeatMode.all, one = MediaPlayerManager.RepeatMode.one
            compare(seen, ["repeat Off 0", "repeat Repeat All " + all, "repeat.1 Repeat One " + one, "repeat Off 0"])
        }

        // The bar follows the pointer while dragged and seeks once, on release, to
        // where the pointer is, held within the bar's ends.
        function test_progressBarSeeksOnRelease_data() {
            return [
                { tag: "within", release: 0.75, time: 150 },
                { tag: "past the start", release: -0.3, time: 0 },
                { tag: "past the end", release: 1.4, time: 200 },
            ]
        }
        function test_progressBarSeeksOnRelease(data) {
            const bar = findChild(view, "miniProgressBar")
            const seeksBefore = fixture.seekCount()
            mousePress(bar, bar.width * 0.1, 10)
            mouseMove(bar, bar.width * 0.5, 10)
            verify(view.isDraggingSeek)
            fuzzyCompare(view.dragProgress, 0.5, 1e-6)
            fixture.reportTime(20) // playback moves on; the bar stays under the pointer
            fuzzyCompare(bar.shownFraction, 0.5, 1e-6)
            compare(fixture.seekCount(), seeksBefore)
            mouseMove(bar, bar.width * data.release, 10)
            mouseRelease(bar, bar.width * data.release, 10)
            verify(!view.isDraggingSeek)
            compare(fixture.seekCount(), seeksBefore + 1)
            fuzzyCompare(player.currentTime, data.time, 1e-6)
        }

    }
}
