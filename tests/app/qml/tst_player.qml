import QtQuick
import QtTest
import Lyrabox

// The player's two views: the mini player bar and the now-playing page.
Item {
    id: host
    width: 1000
    height: 700

    Component {
        id: miniComponent
        MiniPlayerView { width: host.width }
    }
    Component {
        id: viewComponent
        NowPlayingView { anchors.fill: parent }
    }

    TestCase {
        name: "MiniPlayer"
        when: windowShown

        property var view: null
        readonly property var player: fixture.player

        function init() {
            fixture.reset()
            fixture.play([{ title: "A" }, { title: "B" }, { title: "Song", duration: 200 }, { title: "D" }], 2)
            view = createTemporaryObject(miniComponent, host, { playerManager: player })
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
                { tag: "repeat", name: "repeatButton", help: "Off",
                  check: p => p.repeatMode === MediaPlayerManager.RepeatMode.all },
            ]
        }
        function test_transportButton(data) {
            fixture.reportTime(60)
            const button = findChild(view, data.name)
            compare(button.helpText, data.help)
            mouseClick(button)
            verify(data.check(player), data.tag)
        }

        // The bar stands still within a second, and stays empty without a known length.
        function test_progressFollowsTheClock() {
            const bar = findChild(view, "miniProgressBar")
            fixture.reportTime(29.9)
            fuzzyCompare(bar.progress, 29 / 200, 1e-9)
            fixture.play([{ title: "Live", duration: 0 }], 0)
            fixture.reportTime(10)
            compare(bar.progress, 0)
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

    TestCase {
        name: "NowPlaying"
        when: windowShown

        function makeView(items) {
            fixture.reset()
            fixture.play(items, 0)
            const view = createTemporaryObject(viewComponent, host, { playerManager: fixture.player })
            waitForRendering(view)
            return view
        }
        function tracks(count) {
            return Array.from({ length: count }, (_, i) => ({ title: "Track " + (i + 1) }))
        }

        // The toggle hides the chapters without showing the queue; one chapter has no
        // current-chapter line.
        function test_chapters_data() {
            return [ { tag: "four", chapters: 4, line: true }, { tag: "one", chapters: 1, line: false } ]
        }
        function test_chapters(data) {
            const view = makeView([{ title: "Book", chapters: data.chapters, duration: 400 }].concat(tracks(2)))
            fixture.reportTime(150)
            verify(findChild(view, "chapterColumn").visible && !findChild(view, "queueColumn").visible)
            compare(findChild(view, "currentChapterLine").visible, data.line)
            mouseClick(findChild(view, "chapterToggle"))
            verify(!findChild(view, "chapterColumn").visible && !findChild(view, "queueColumn").visible)
        }

        function test_queueRowDraggedBelowAnotherMovesThere() {
            const view = makeView(tracks(4))
            verify(!findChild(view, "chapterToggle").visible)
            const list = findChild(view, "queueColumn").children[1]
            const first = list.itemAtIndex(0), third = list.itemAtIndex(2)
            // Press on the first row, drag to the lower half of the third, release.
            mousePress(first, 20, first.height / 2)
            const target = third.mapToItem(first, 20, third.height * 0.75)
            mouseMove(first, 20, first.height / 2 + 10)
            mouseMove(first, target.x, target.y)
            mouseRelease(first, target.x, target.y)
            compare(fixture.queueTitles(), ["Track 2", "Track 3", "Track 1", "Track 4"])
            // The playing mark stays on the position, as the player keeps it.
            compare(fixture.player.currentIndex, 0)
            tryVerify(() => list.itemAtIndex(0).title === "Track 2")
            verify(list.itemAtIndex(0).isCurrent && !list.itemAtIndex(2).isCurrent)
        }

    }
}
