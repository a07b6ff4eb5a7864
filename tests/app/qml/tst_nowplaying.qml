import QtQuick
import QtTest
import Lyrabox

Item {
    id: host
    width: 1000
    height: 700

    Component {
        id: viewComponent
        NowPlayingView { anchors.fill: parent }
    }

    TestCase {
        name: "NowPlaying"
        when: windowShown

        function makeView(items) {
            fixture.reset()
            if (items.length)
                fixture.play(items, 0)
            const view = createTemporaryObject(viewComponent, host, { playerManager: fixture.player })
            verify(view)
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
            verify(!findChild(view, "emptyState").visible)
            verify(findChild(view, "chapterColumn").visible)
            verify(!findChild(view, "queueColumn").visible)
            compare(findChild(view, "currentChapterLine").visible, data.line)
            const toggle = findChild(view, "chapterToggle")
            compare(toggle.helpText, "Hide chapters")
            mouseClick(toggle)
            compare(toggle.helpText, "Show chapters")
            verify(!findChild(view, "chapterColumn").visible)
            verify(!findChild(view, "queueColumn").visible)
        }

        function test_queueRowPlaysOnDoubleClickOnly() {
            const view = makeView(tracks(5))
            compare(findChild(view, "queueCount").text, "5 items")
            verify(!findChild(view, "chapterToggle").visible)
            const row = findChild(view, "queueColumn").children[1].itemAtIndex(2)
            mouseClick(row)
            compare(fixture.player.currentIndex, 0)
            mouseDoubleClickSequence(row)
            compare(fixture.player.currentIndex, 2)
        }

        function test_queueRowDraggedBelowAnotherMovesThere() {
            const view = makeView(tracks(4))
            const list = findChild(view, "queueColumn").children[1]
            const first = list.itemAtIndex(0)
            const third = list.itemAtIndex(2)
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
            verify(list.itemAtIndex(0).isCurrent)
            verify(!list.itemAtIndex(2).isCurrent)
        }

        function test_videoItemShowsTheVideoArea() {
            const view = makeView([{ title: "Clip", video: true }])
            verify(findChild(view, "videoArea").visible)
            verify(!findChild(view, "audioArea").visible)
            fixture.play([{ title: "Song" }], 0)
            verify(!findChild(view, "videoArea").visible)
            verify(findChild(view, "audioArea").visible)
        }
    }
}
