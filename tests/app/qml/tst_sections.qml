import QtQuick
import QtTest
import Lyrabox

// The six section views on the shared page: title, count line and empty state, and
// how the counts follow the managers.
Item {
    id: host
    width: 1000
    height: 640

    Component { id: library; LibraryView { anchors.fill: parent } }
    Component { id: audiobooks; AudiobookView { anchors.fill: parent } }
    Component { id: videos; VideoLibraryView { anchors.fill: parent } }
    Component { id: playlists; PlaylistsView { anchors.fill: parent } }
    Component { id: youtube; YouTubeView { anchors.fill: parent } }
    Component { id: downloads; DownloadQueueView { anchors.fill: parent } }

    TestCase {
        name: "Sections"
        when: windowShown

        function make(component) {
            const managers = component === youtube ? { youtubeService: fixture.youtube }
                           : component === downloads ? { downloadManager: fixture.downloads }
                           : { libraryManager: fixture.library }
            const view = createTemporaryObject(component, host, managers)
            verify(view)
            waitForRendering(view)
            return view
        }
        function textOf(view, name) {
            return findChild(view, name).text
        }

        function test_emptySection_data() {
            return [
                { tag: "library", view: library, title: "Library", count: "0 items",
                  heading: "Your Library is Empty", buttons: 2 },
                { tag: "audiobooks", view: audiobooks, title: "Audiobooks", count: "0 audiobooks",
                  heading: "No Audiobooks", buttons: 1 },
                { tag: "videos", view: videos, title: "Videos", count: "0 videos",
                  heading: "No Videos", buttons: 0 },
                { tag: "playlists", view: playlists, title: "Playlists", count: "0 playlists",
                  heading: "No Playlists", buttons: 0 },
                { tag: "youtube", view: youtube, title: "YouTube", ytDlp: true,
                  count: "Stream or download from YouTube",
                  heading: "Paste a YouTube URL to get started", buttons: 0 },
                { tag: "youtube without yt-dlp", view: youtube, title: "YouTube", ytDlp: false,
                  count: "Stream or download from YouTube",
                  heading: "Paste a YouTube URL to get started", buttons: 0 },
                { tag: "downloads", view: downloads, title: "Downloads", count: "0 items · 0 active",
                  heading: "No Downloads", buttons: 0 },
            ]
        }
        function test_emptySection(data) {
            fixture.reset(data.ytDlp !== false)
            const view = make(data.view)
            compare(textOf(view, "pageTitle"), data.title)
            compare(textOf(view, "pageSubtitle"), data.count)
            verify(findChild(view, "emptyState").visible)
            verify(!findChild(view, "pageContent").visible)
            verify(!findChild(view, "loadingOverlay").visible)
            compare(textOf(view, "emptyTitle"), data.heading)
            const actions = findChild(view, "emptyActions")
            compare(actions.visible, data.buttons > 0)
            compare(Array.prototype.filter.call(actions.children, b => b.visible && b.text !== undefined).length,
                    data.buttons)
            if (data.ytDlp !== undefined) {
                tryCompare(fixture.youtube, "isYtDlpInstalled", data.ytDlp)
                compare(findChild(view, "toolMissingLabel").visible, !data.ytDlp)
            }
        }

        // The library counts every item whatever the search; videos count only the
        // matching videos; audiobooks count only audiobook playlists.
        function test_countLinesFollowTheLibrary() {
            fixture.reset()
            const all = make(library), clips = make(videos), books = make(audiobooks), lists = make(playlists)
            fixture.importFiles(["one.mp3", "two.mp4", "three.mp4"])
            tryCompare(findChild(all, "pageSubtitle"), "text", "3 items")
            tryCompare(findChild(clips, "pageSubtitle"), "text", "2 videos")
            verify(findChild(all, "pageContent").visible)
            verify(!findChild(clips, "emptyState").visible)
            fixture.library.createPlaylist("Road Trip", false)
            fixture.library.createPlaylist("كتاب الليل", true)
            tryCompare(findChild(lists, "pageSubtitle"), "text", "2 playlists")
            compare(textOf(books, "pageSubtitle"), "1 audiobooks")

            // Typed into the library's search field: the library's own count stays.
            findChild(all, "searchField").forceActiveFocus()
            keyClick(Qt.Key_O)
            keyClick(Qt.Key_N)
            compare(fixture.library.searchText, "on")
            tryCompare(findChild(clips, "pageSubtitle"), "text", "0 videos")
            verify(findChild(clips, "emptyState").visible)
            compare(textOf(all, "pageSubtitle"), "3 items")
            // A search set elsewhere shows in the field.
            fixture.library.searchText = ""
            compare(textOf(all, "searchField"), "")
        }

        function test_downloadsHeaderCountsAndClearsCompleted() {
            fixture.reset()
            const view = make(downloads)
            const clear = findChild(view, "clearCompletedButton")
            verify(!clear.visible)
            fixture.queueDownloads(2, 1)
            tryCompare(findChild(view, "pageSubtitle"), "text", "3 items · 2 active")
            tryVerify(() => clear.visible)
            // The header row places the button on its next layout pass.
            waitForRendering(view)
            mouseClick(clear)
            compare(textOf(view, "pageSubtitle"), "2 items · 2 active")
            verify(!clear.visible)
            fixture.finishDownloads()
            tryCompare(findChild(view, "pageSubtitle"), "text", "2 items · 0 active")
            verify(clear.visible)
        }
    }
}
