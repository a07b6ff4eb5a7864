import QtQuick
import QtTest
import Lyrabox

// The audiobooks and videos sections over real managers: what their cards hand the
// player, which cards are open, the highlight, the grid following the search, and the
// thumbnail a video card shows.
Item {
    id: host
    width: 1000
    height: 640

    Component {
        id: contentComponent
        ContentView { anchors.fill: parent }
    }
    Component {
        id: itemsComponent
        LibraryListModel {}
    }
    Component {
        id: playlistsComponent
        PlaylistListModel {}
    }
    Component {
        id: cardComponent
        VideoCard { width: 240 }
    }

    TestCase {
        name: "MediaViews"
        when: windowShown

        property ContentView view: null
        property LibraryManager library: null

        function init() {
            fixture.reset(true)
            library = fixture.library
            view = createTemporaryObject(contentComponent, host,
                                         { playerManager: fixture.player, libraryManager: library,
                                           youtubeService: fixture.youtube, downloadManager: fixture.downloads })
            verify(view)
            waitForRendering(view)
        }
        function choose(title) {
            mouseClick(findChild(view, "tabRow_" + title))
            return findChild(view, "section_" + title).item
        }
        function importFiles(names) {
            fixture.importFiles(names)
            tryCompare(library, "isLoading", false)
            tryCompare(library.allItems, "length", names.length)
            const items = createTemporaryObject(itemsComponent, host, { library: library })
            tryCompare(items, "count", names.length)
            return items
        }
        // A book of the items at `rows` of the library (in natural order); its id.
        function makeBook(name, rows, items) {
            library.createPlaylist(name, true)
            const playlists = createTemporaryObject(playlistsComponent, host, { library: library })
            const bookId = playlists.idAt(playlists.count - 1)
            rows.forEach(row => library.addItemToPlaylist(bookId, items.idAt(row)))
            return bookId
        }
        function delegateNamed(list, name) {
            list.forceLayout()
            for (let row = 0; row < list.count; ++row) {
                list.positionViewAtIndex(row, ListView.Contain)
                const item = list.itemAtIndex(row)
                if (item && item.objectName === name)
                    return item
            }
            return null
        }

        // Only audiobooks have cards, which start closed each time the section is shown;
        // a chapter's double click plays the book from it, the play button from the
        // first chapter; the playing chapter is tinted.
        function test_audiobookCards() {
            const items = importFiles(["ch 1.mp3", "ch 2.mp3", "ch 3.mp3", "ch 4.mp3",
                                       "ch 5.mp3", "ch 6.mp3", "solo.mp3", "song.mp3"])
            const longBook = makeBook("Long Book", [0, 1, 2, 3, 4, 5], items)
            const shortBook = makeBook("Short Book", [6], items)
            library.createPlaylist("Not a Book", false)
            const page = choose("Audiobooks")
            const list = findChild(page, "audiobookList")
            tryCompare(list, "count", 2)

            const longCard = delegateNamed(list, "audiobookCard_Long Book")
            compare(findChild(longCard, "chapterCountText").text, "6 chapters")
            mouseClick(findChild(longCard, "bookExpandButton"))
            tryCompare(list, "count", 8)
            compare(list.model.bookRow(shortBook), 7)

            const fifth = delegateNamed(list, "chapterRow_4")
            waitForRendering(list)
            mouseDoubleClickSequence(fifth, 60, 10)
            compare(fixture.queueTitles(), ["ch 1", "ch 2", "ch 3", "ch 4", "ch 5", "ch 6"])
            compare(fixture.player.currentIndex, 4)
            const fifthRow = findChild(fifth, "chapterTitle").parent
            tryCompare(fifthRow, "isCurrent", true)
            verify(!findChild(delegateNamed(list, "chapterRow_3"), "chapterTitle").parent.isCurrent)

            mouseClick(findChild(delegateNamed(list, "audiobookCard_Long Book"), "bookPlayButton"))
            compare(fixture.player.currentIndex, 0)
            compare(fixture.queueTitles().length, 6)

            choose("Library")
            choose("Audiobooks")
            tryCompare(list, "count", 2)
            verify(!list.model.isExpanded(longBook))
        }

        // The grid holds the videos among the search results; a double click queues
        // exactly those, in grid order, and marks the card being played.
        function test_videoGrid() {
            importFiles(["dusk.mp4", "bridge.mp4", "beach.mp4", "song.mp3"])
            const page = choose("Videos")
            const grid = findChild(page, "videoGrid")
            tryCompare(grid, "count", 3)
            compare(findChild(page, "pageSubtitle").text, "3 videos")
            // As many columns of at least 200 points, 16 apart, as fit within the padding.
            const inside = page.width - 40
            verify(grid.columns * 216 - 16 <= inside && (grid.columns + 1) * 216 - 16 > inside)
            verify(grid.columnWidth >= 200 && grid.columnWidth <= 280)
            library.searchText = "b"
            tryCompare(grid, "count", 2)
            compare(findChild(page, "pageSubtitle").text, "2 videos")
            grid.forceLayout()
            const second = grid.itemAtIndex(1)
            waitForRendering(grid)
            mouseDoubleClickSequence(second, 40, 40)
            compare(fixture.queueTitles().length, 2)
            compare(fixture.queueTitles()[1], second.children[0].title)
            compare(fixture.player.currentIndex, 1)
            const overlay = findChild(second, "playingOverlay")
            tryCompare(overlay, "visible", true)
            verify(fixture.player.isPlaying)
            tryCompare(overlay, "isPlaying", true)
            verify(!findChild(grid.itemAtIndex(0), "playingOverlay"))
            library.searchText = "zzz"
            tryCompare(grid, "count", 0)
            verify(findChild(page, "emptyState").visible)
        }

        // Artwork first, else the video's frame, else the placeholder (also when the
        // image cannot be made).
        function test_videoThumbnail_data() {
            const image = "image://tile/ff0000/0000ff/0"
            return [
                { tag: "artwork", artwork: image, frame: "", shown: true },
                { tag: "frame", artwork: "", frame: image, shown: true },
                { tag: "neither", artwork: "", frame: "", shown: false },
                { tag: "undecodable frame", artwork: "", frame: "image://videoframe/%2Fnowhere%2Fgone.mp4", shown: false },
            ]
        }
        function test_videoThumbnail(data) {
            const card = createTemporaryObject(cardComponent, host,
                                               { artworkSource: data.artwork, frameSource: data.frame,
                                                 title: "Clip", formattedDuration: "4:05" })
            const image = findChild(card, "videoImage")
            tryVerify(() => image.status !== Image.Loading)
            compare(findChild(card, "videoImage").visible, data.shown)
            const placeholder = findChild(card, "videoPlaceholder")
            compare(placeholder !== null && placeholder.visible, !data.shown)
            verify(!findChild(card, "videoArtist").visible)
        }
    }
}
