import QtQuick
import QtTest
import Lyrabox

Item {
    id: host
    width: 1000
    height: 200

    Component {
        id: miniComponent
        MiniPlayerView {
            width: host.width
        }
    }

    TestCase {
        name: "MiniPlayer"
        when: windowShown

        property var view: null
        property var player: null

        function init() {
            fixture.reset()
            player = fixture.player
            fixture.play([{ title: "Song", artist: "", duration: 200 }], 0)
            view = createTemporaryObject(miniComponent, host, { playerManager: player })
            verify(view)
        }

        function test_volumeIcon_data() {
            return [
                { tag: "0.2", volume: 0.2, muted: false, icon: "speaker.wave.1.fill" },
                { tag: "0.5", volume: 0.5, muted: false, icon: "speaker.wave.2.fill" },
                { tag: "0.8", volume: 0.8, muted: false, icon: "speaker.wave.3.fill" },
                { tag: "exactly 0.33", volume: 0.33, muted: false, icon: "speaker.wave.2.fill" },
                { tag: "exactly 0.66", volume: 0.66, muted: false, icon: "speaker.wave.3.fill" },
                { tag: "just under 0.33", volume: 0.3299, muted: false, icon: "speaker.wave.1.fill" },
                { tag: "zero", volume: 0, muted: false, icon: "speaker.slash.fill" },
                { tag: "muted at 0.8", volume: 0.8, muted: true, icon: "speaker.slash.fill" },
            ]
        }
        function test_volumeIcon(data) {
            player.volume = data.volume
            if (data.muted)
                player.toggleMute()
            compare(view.volumeIcon, data.icon)
            compare(findChild(view, "muteButton").symbol, data.icon)
        }

        function test_speedMenuLabelsAndExactSpeeds() {
            const menu = findChild(view, "speedMenu")
            const labels = []
            for (let i = 0; i < menu.count; ++i)
                labels.push(menu.itemAt(i).text)
            compare(labels, ["0.5x", "0.75x", "1x", "1.2x", "1.5x", "1.8x", "2x"])
            const button = findChild(view, "speedButton")
            compare(button.text, "1x")
            menu.itemAt(3).triggered()
            compare(player.playbackRate, 1.25)
            compare(button.text, "1.2x")
            menu.itemAt(5).triggered()
            compare(player.playbackRate, 1.75)
            compare(button.text, "1.8x")
        }

        function test_repeatButtonFollowsTheMode() {
            const button = findChild(view, "repeatButton")
            const seen = []
            for (let i = 0; i < 4; ++i) {
                seen.push(button.symbol + " " + button.helpText)
                mouseClick(button)
            }
            compare(seen, ["repeat Off", "repeat Repeat All", "repeat.1 Repeat One", "repeat Off"])
        }

        // The shared transport row: each button reaches its operation, with its help.
        function test_transportButton_data() {
            return [
                { tag: "shuffle", name: "shuffleButton", help: "Shuffle",
                  check: p => p.shuffleEnabled === true },
                // Past the first seconds "previous" starts the item again.
                { tag: "previous", name: "previousButton", help: "Previous",
                  check: p => p.currentIndex === 2 && p.currentTime < 1 },
                { tag: "skip back", name: "skipBackButton", help: "Skip back 15s",
                  check: p => Math.abs(p.currentTime - 45) < 1e-6 },
                { tag: "play / pause", name: "playButton", help: "Pause",
                  check: p => p.isPlaying === false },
                { tag: "skip forward", name: "skipForwardButton", help: "Skip forward 15s",
                  check: p => Math.abs(p.currentTime - 75) < 1e-6 },
                { tag: "next", name: "nextButton", help: "Next",
                  check: p => p.currentIndex === 3 },
                { tag: "repeat", name: "repeatButton", help: "Off",
                  check: p => p.repeatMode === MediaPlayerManager.RepeatMode.all },
            ]
        }
        function test_transportButton(data) {
            fixture.play([{ title: "A" }, { title: "B" }, { title: "C" }, { title: "D" }], 2)
            fixture.reportTime(60)
            const button = findChild(view, data.name)
            verify(button, data.name)
            compare(button.helpText, data.help)
            mouseClick(button)
            verify(data.check(player), data.tag)
        }

        function test_playButtonHelpFollowsPlayback() {
            const button = findChild(view, "playButton")
            compare(player.isPlaying, true)
            compare(button.symbol, "pause.circle.fill")
            compare(button.helpText, "Pause")
            mouseClick(button)
            compare(player.isPlaying, false)
            compare(button.symbol, "play.circle.fill")
            compare(button.helpText, "Play")
        }

        function test_emptyArtistReadsUnknownArtist() {
            compare(findChild(view, "miniTitle").text, "Song")
            compare(findChild(view, "miniArtist").text, "Unknown Artist")
            fixture.play([{ title: "Other", artist: "Someone" }], 0)
            compare(findChild(view, "miniArtist").text, "Someone")
        }

        function test_progressBarSeeksOnlyOnRelease() {
            const bar = findChild(view, "miniProgressBar")
            // 12 points take the pointer, 3 are drawn.
            compare(bar.height, 12)
            const seeksBefore = fixture.seekCount()
            mousePress(bar, bar.width * 0.1, 10)
            mouseMove(bar, bar.width * 0.5, 10)
            compare(view.isDraggingSeek, true)
            fuzzyCompare(view.dragProgress, 0.5, 1e-6)
            compare(fixture.seekCount(), seeksBefore)
            mouseRelease(bar, bar.width * 0.75, 10)
            compare(view.isDraggingSeek, false)
            compare(fixture.seekCount(), seeksBefore + 1)
            fuzzyCompare(player.currentTime, 150, 1e-6)

            mouseClick(bar, bar.width * 0.25, 5)
            fuzzyCompare(player.currentTime, 50, 1e-6)
        }

        function test_volumeSliderWhileMutedKeepsTheSoundOff() {
            player.toggleMute()
            const slider = findChild(view, "volumeSlider")
            mouseClick(slider, slider.leftPadding + slider.availableWidth * 0.25, slider.height / 2)
            verify(Math.abs(player.volume - 0.25) < 0.1, "volume " + player.volume)
            compare(player.isMuted, true)
            compare(view.volumeIcon, "speaker.slash.fill")
        }
    }
}
