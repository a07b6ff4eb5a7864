import QtQuick
import QtTest
import Lyrabox

Item {
    id: host
    width: 1000
    height: 700

    Component {
        id: viewComponent
        NowPlayingView {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "NowPlaying"
        when: windowShown

        property var player: null

        function init() {
            fixture.reset()
            player = fixture.player
        }
        function makeView() {
            const view = createTemporaryObject(viewComponent, host, { playerManager: player })
            verify(view)
            return view
        }
        function queueOf(count) {
            const items = []
            for (let i = 0; i < count; ++i)
                items.push({ title: "Track " + (i + 1), artist: i === 0 ? "Artist" : "" })
            return items
        }

        function test_sideColumn_data() {
            return [
                { tag: "chapters shown", show: true, chapters: 3, queue: 4, column: "chapters" },
                { tag: "one chapter", show: true, chapters: 1, queue: 1, column: "chapters" },
                { tag: "chapters hidden, queue never", show: false, chapters: 3, queue: 4, column: "" },
                { tag: "no chapters, queue", show: true, chapters: 0, queue: 5, column: "queue" },
                { tag: "no chapters, queue, hidden flag", show: false, chapters: 0, queue: 5, column: "queue" },
                { tag: "nothing", show: true, chapters: 0, queue: 0, column: "" },
            ]
        }
        function test_sideColumn(data) {
            const view = makeView()
            compare(view.sideColumnFor(data.show, data.chapters, data.queue), data.column)
        }

        function test_sideColumnWidthIsThirtyPercentUpTo300() {
            const view = makeView()
            compare(view.sideColumnWidth(800), 240)
            compare(view.sideColumnWidth(1400), 300)
        }

        function test_nothingPlayingHasNoToolbarButton() {
            const view = makeView()
            verify(findChild(view, "emptyState").visible)
            verify(!findChild(view, "chapterToggle").visible)
        }

        function test_chaptersColumnAndToggle() {
            fixture.play([{ title: "Book", chapters: 4, duration: 400 }].concat(queueOf(2)), 0)
            const view = makeView()
            fixture.reportTime(150)
            verify(!findChild(view, "emptyState").visible)
            verify(findChild(view, "chapterColumn").visible)
            verify(!findChild(view, "queueColumn").visible)
            verify(findChild(view, "currentChapterLine").visible)
            const toggle = findChild(view, "chapterToggle")
            verify(toggle.visible)
            compare(toggle.helpText, "Hide chapters")
            mouseClick(toggle)
            compare(toggle.helpText, "Show chapters")
            verify(!findChild(view, "chapterColumn").visible)
            verify(!findChild(view, "queueColumn").visible)
        }

        function test_oneChapterShowsNoCurrentChapterLine() {
            fixture.play([{ title: "Single", chapters: 1 }], 0)
            const view = makeView()
            fixture.reportTime(10)
            verify(findChild(view, "chapterColumn").visible)
            verify(!findChild(view, "currentChapterLine").visible)
        }

        function test_queueColumnCountsItems() {
            fixture.play(queueOf(5), 0)
            const view = makeView()
            verify(findChild(view, "queueColumn").visible)
            compare(findChild(view, "queueCount").text, "5 items")
            verify(!findChild(view, "chapterToggle").visible)
        }

        function test_queueRowPlaysOnDoubleClickOnly() {
            fixture.play(queueOf(5), 0)
            const view = makeView()
            const column = findChild(view, "queueColumn")
            waitForRendering(view)
            // Rows stack from the list's top; the third row sits below two others.
            const list = column.children[1]
            const row = list.itemAtIndex(2)
            verify(row)
            mouseClick(row)
            compare(player.currentIndex, 0)
            mouseDoubleClickSequence(row)
            compare(player.currentIndex, 2)
        }

        function test_queueRowDraggedBelowAnotherMovesThere() {
            fixture.play(queueOf(4), 0)
            const view = makeView()
            waitForRendering(view)
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
            compare(player.currentIndex, 0)
            // The list lays out the moved rows on its next polish.
            tryVerify(() => list.itemAtIndex(0).title === "Track 2")
            verify(list.itemAtIndex(0).isCurrent)
            verify(!list.itemAtIndex(2).isCurrent)
        }

        // The same transport row as the mini player, larger and without help texts.
        function test_transportCarriesNoHelpTexts() {
            fixture.play([{ title: "Song" }], 0)
            const view = makeView()
            for (const name of ["shuffleButton", "previousButton", "skipBackButton", "playButton",
                                "skipForwardButton", "nextButton", "repeatButton"]) {
                const button = findChild(view, name)
                verify(button, name)
                compare(button.helpText, "", name)
            }
            const play = findChild(view, "playButton")
            compare(play.iconSize, 52)
            mouseClick(findChild(view, "repeatButton"))
            mouseClick(findChild(view, "repeatButton"))
            compare(findChild(view, "repeatButton").symbol, "repeat.1")
        }

        function test_videoItemShowsTheVideoArea() {
            fixture.play([{ title: "Clip", video: true }], 0)
            const view = makeView()
            verify(findChild(view, "videoArea").visible)
            verify(!findChild(view, "audioArea").visible)
            fixture.play([{ title: "Song" }], 0)
            verify(!findChild(view, "videoArea").visible)
            verify(findChild(view, "audioArea").visible)
        }
    }
}
