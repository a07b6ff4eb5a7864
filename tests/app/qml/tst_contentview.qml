import QtQuick
import QtTest
import Lyrabox

// The window's content: the sidebar with its badges, one kept view per section, the
// error alert.
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
            fixture.reset()
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
        // Library, Audiobooks, Videos, Now Playing, Playlists, YouTube, Downloads.
        function badges() {
            return ["Library", "Audiobooks", "Videos", "Now Playing", "Playlists", "YouTube", "Downloads"]
                .map(t => findChild(findChild(view, "tabRow_" + t), "badge"))
                .map(badge => badge.visible ? badge.text : "").join(",")
        }

        // Each section has its own view, made on its first visit and kept afterwards.
        function test_sectionShowsItsView_data() {
            return [
                { tag: "Library", tab: SidebarTab.Library, view: "libraryView" },
                { tag: "Audiobooks", tab: SidebarTab.Audiobooks, view: "audiobookView" },
                { tag: "Videos", tab: SidebarTab.Videos, view: "videoLibraryView" },
                { tag: "Playlists", tab: SidebarTab.Playlists, view: "playlistsView" },
                { tag: "YouTube", tab: SidebarTab.YouTube, view: "youtubeView" },
                { tag: "Downloads", tab: SidebarTab.Downloads, view: "downloadQueueView" },
                { tag: "Now Playing", tab: SidebarTab.NowPlaying, view: "nowPlayingView" },
            ]
        }
        function test_sectionShowsItsView(data) {
            const loader = section(data.tag)
            // Only the first section is made before anything is chosen.
            compare(loader.active, data.tab === SidebarTab.Library)
            choose(data.tag)
            compare(view.selectedTab, data.tab)
            compare(loader.item.objectName, data.view)
            const made = loader.item
            const shown = ["Library", "Audiobooks", "Videos", "Playlists", "YouTube", "Downloads",
                           "Now Playing"].filter(t => section(t).visible)
            compare(shown, [data.tag])
            // Away and back: the same view, hidden meanwhile.
            choose(data.tab === SidebarTab.YouTube ? "Downloads" : "YouTube")
            verify(!loader.visible)
            choose(data.tag)
            verify(loader.visible)
            verify(loader.item === made)
        }

        // Items, videos (of the search), playlists and running downloads have badges;
        // an import does not change the section.
        function test_badges() {
            compare(badges(), ",,,,,,")
            fixture.importFiles(["one.mp3", "two.m4b", "three.mp4"])
            fixture.library.createPlaylist("Book", true)
            fixture.queueDownloads(2, 1)
            tryVerify(() => fixture.importsIdle() && fixture.downloads.completedCount === 1)
            tryCompare(findChild(findChild(view, "tabRow_Library"), "badge"), "text", "3")
            compare(badges(), "3,,1,,1,,2")
            compare(view.selectedTab, SidebarTab.Library)
            // A search that matches no video hides the Videos badge only.
            fixture.library.searchText = "one"
            tryVerify(() => badges() === "3,,,,1,,2", 5000, badges())
        }

        function test_errorAlertShowsClearsAndShowsAgain() {
            const alert = findChild(view, "errorAlert")
            fixture.youtube.errorMessage = "The video is unavailable."
            tryVerify(() => alert.item && alert.item.opened)
            compare(alert.item.title, "Error")
            alert.item.accept()
            compare(fixture.youtube.errorMessage, "")
            tryVerify(() => !alert.item.visible)
            fixture.youtube.errorMessage = "The video is unavailable."
            tryVerify(() => alert.item.opened)
        }

        // A kept view starts afresh each time it is shown again.
        function test_nowPlayingShowsChaptersAgainAfterARevisit() {
            fixture.play([{ title: "Book", chapters: 3, duration: 300 }], 0)
            choose("Now Playing")
            const nowPlaying = section("Now Playing").item
            waitForRendering(view)
            mouseClick(findChild(nowPlaying, "chapterToggle"))
            verify(!findChild(nowPlaying, "chapterColumn").visible)
            choose("Library")
            choose("Now Playing")
            verify(findChild(nowPlaying, "chapterColumn").visible)
        }

    }
}
