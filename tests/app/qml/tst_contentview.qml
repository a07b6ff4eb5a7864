import QtQuick
import QtTest
import Lyrabox

// The window's content: the sidebar with its badges, one kept view per section with
// its title, count line and empty state, and the error alert.
Item {
    id: host
    width: 1000
    height: 640

    Component {
        id: contentComponent
        ContentView { anchors.fill: parent }
    }

    TestCase {
        name: "ContentView"
        when: windowShown

        property ContentView view: null

        function init() {
            fixture.reset(true)
            view = createTemporaryObject(contentComponent, host,
                                         { playerManager: fixture.player, libraryManager: fixture.library,
                                           youtubeService: fixture.youtube, downloadManager: fixture.downloads })
            verify(view)
            // The split view lays out its columns on the first frame.
            waitForRendering(view)
        }
        function section(title) {
            return findChild(view, "section_" + title)
        }
        function choose(title) {
            mouseClick(findChild(view, "tabRow_" + title))
        }
        function badges() {
            return ["Library", "Audiobooks", "Videos", "Now Playing", "Playlists", "YouTube", "Downloads"]
                .map(t => findChild(findChild(view, "tabRow_" + t), "badge"))
                .map(badge => badge.visible ? badge.text : "").join(",")
        }

        // Each section has its own view, made on its first visit and kept afterwards;
        // with nothing in the managers it shows its empty state (the YouTube view keeps
        // its address row over its own).
        function test_section_data() {
            return [
                { tag: "Library", view: "libraryView", count: "0 items", empty: "Your Library is Empty", buttons: 2 },
                { tag: "Audiobooks", view: "audiobookView", count: "0 audiobooks", empty: "No Audiobooks", buttons: 1 },
                { tag: "Videos", view: "videoLibraryView", count: "0 videos", empty: "No Videos", buttons: 0 },
                { tag: "Playlists", view: "playlistsView", count: "0 playlists", empty: "No Playlists", buttons: 1 },
                { tag: "YouTube", view: "youtubeView", count: "Stream or download from YouTube",
                  empty: "Paste a YouTube URL to get started" },
                { tag: "Downloads", view: "downloadQueueView", count: "0 items · 0 active", empty: "No Downloads",
                  buttons: 0 },
                { tag: "Now Playing", view: "nowPlayingView" },
            ]
        }
        function test_section(data) {
            const loader = section(data.tag)
            // Only the first section is made before anything is chosen.
            compare(loader.active, data.tag === "Library")
            choose(data.tag)
            compare(SidebarTab.rawValue(view.selectedTab), data.tag)
            const made = loader.item
            compare(made.objectName, data.view)
            const all = ["Library", "Audiobooks", "Videos", "Playlists", "YouTube", "Downloads", "Now Playing"]
            compare(all.filter(t => section(t).visible), [data.tag])
            const youtube = data.tag === "YouTube"
            verify(findChild(made, youtube ? "youtubeEmptyState" : "emptyState").visible)
            if (data.count !== undefined) {
                compare(findChild(made, "pageTitle").text, SidebarTab.title(view.selectedTab))
                compare(findChild(made, "pageSubtitle").text, data.count)
                compare(findChild(made, youtube ? "youtubeEmptyTitle" : "emptyTitle").text, data.empty)
            }
            if (data.buttons !== undefined) {
                verify(!findChild(made, "pageContent").visible)
                const actions = Array.prototype.filter.call(findChild(made, "emptyActions").children,
                                                            b => b.visible && b.text !== undefined)
                compare(actions.length, data.buttons)
            }
            // Away and back: the same view, hidden meanwhile.
            choose(data.tag === "Library" ? "Videos" : "Library")
            verify(!loader.visible)
            choose(data.tag)
            verify(loader.visible && loader.item === made)
        }

        // Items, videos (of the search), playlists and running downloads have badges; an
        // import does not change the section.
        function test_badges() {
            compare(badges(), ",,,,,,")
            fixture.importFiles(["one.mp3", "two.m4b", "three.mp4"])
            fixture.library.createPlaylist("Road Trip", false)
            fixture.library.createPlaylist("كتاب الليل", true)
            fixture.queueDownloads(2, 1)
            tryVerify(() => badges() === "3,,1,,2,,2", 5000, badges())
            compare(view.selectedTab, SidebarTab.Library)

            // Typed into the library's search field; it matches no video.
            findChild(section("Library").item, "searchField").forceActiveFocus()
            keyClick(Qt.Key_O)
            keyClick(Qt.Key_N)
            compare(fixture.library.searchText, "on")
            tryVerify(() => badges() === "3,,,,2,,2", 5000, badges())
            compare(findChild(section("Library").item, "pageSubtitle").text, "3 items")
        }

        function test_errorAlertShowsClearsAndShowsAgain() {
            const alert = findChild(view, "errorAlert")
            for (let time = 0; time < 2; ++time) {
                fixture.youtube.errorMessage = "The video is unavailable."
                tryVerify(() => alert.item && alert.item.opened)
                compare(alert.item.title, "Error")
                alert.item.accept()
                compare(fixture.youtube.errorMessage, "")
                tryVerify(() => !alert.item.visible)
            }
        }
    }
}
