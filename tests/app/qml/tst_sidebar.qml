import QtQuick
import QtTest
import Lyrabox

Item {
    id: host
    width: 240
    height: 600

    Component {
        id: sidebarComponent
        SidebarView {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "Sidebar"
        when: windowShown

        property var view: null
        property var library: null

        function init() {
            fixture.reset()
            library = fixture.library
            view = createTemporaryObject(sidebarComponent, host,
                                         { libraryManager: library, playerManager: fixture.player,
                                           downloadManager: fixture.downloads })
            verify(view)
        }
        function badgeOf(title) {
            const row = findChild(view, "tabRow_" + title)
            verify(row, title)
            const badge = findChild(row, "badge")
            return badge.visible ? badge.text : ""
        }
        function badges() {
            const out = {}
            for (const t of ["Library", "Audiobooks", "Videos", "Now Playing", "Playlists",
                             "YouTube", "Downloads"])
                out[t] = badgeOf(t)
            return out
        }

        function test_emptyLibraryShowsNoBadge() {
            compare(badges(), { "Library": "", "Audiobooks": "", "Videos": "", "Now Playing": "",
                                "Playlists": "", "YouTube": "", "Downloads": "" })
        }

        function test_badgesCountItemsVideosPlaylistsAndDownloads() {
            fixture.importFiles(["one.mp3", "two.m4b", "three.mp4"])
            tryVerify(() => fixture.importsIdle())
            tryCompare(findChild(findChild(view, "tabRow_Library"), "badge"), "text", "3")
            // Two running, one finished: only the running ones count.
            fixture.queueDownloads(2, 1)
            tryVerify(() => fixture.downloads.completedCount === 1)
            compare(badges(), { "Library": "3", "Audiobooks": "", "Videos": "1", "Now Playing": "",
                                "Playlists": "", "YouTube": "", "Downloads": "2" })

            // A search that matches no video hides the Videos badge only.
            library.searchText = "one"
            tryCompare(findChild(findChild(view, "tabRow_Videos"), "badge"), "visible", false)
            compare(badgeOf("Library"), "3")
        }

        function test_playlistRowSelectsThePlaylistsSection() {
            fixture.createPlaylist("كتاب الليل", true)
            fixture.createPlaylist("Road Trip", false)
            view.selectedTab = SidebarTab.YouTube
            const row = findChild(view, "playlistRow_Road Trip")
            verify(row)
            compare(findChild(row, "playlistIcon").symbol, "music.note.list")
            compare(findChild(findChild(view, "playlistRow_كتاب الليل"), "playlistIcon").symbol,
                    "book.fill")
            tryCompare(findChild(findChild(view, "tabRow_Playlists"), "badge"), "text", "2")
            mouseClick(row)
            compare(view.selectedTab, SidebarTab.Playlists)
            mouseClick(row)
            compare(view.selectedTab, SidebarTab.Playlists)
        }

        function test_badgesNeverShowForAudiobooksNowPlayingAndYouTube() {
            fixture.importFiles(["a.mp3", "b.mp4"])
            fixture.createPlaylist("Book", true)
            tryVerify(() => fixture.importsIdle())
            tryCompare(findChild(findChild(view, "tabRow_Library"), "badge"), "text", "2")
            compare(badgeOf("Audiobooks"), "")
            compare(badgeOf("Now Playing"), "")
            compare(badgeOf("YouTube"), "")
        }
    }
}
