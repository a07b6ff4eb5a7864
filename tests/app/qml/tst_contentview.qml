import QtQuick
import QtTest
import Lyrabox

Item {
    id: host
    width: 1000
    height: 640

    Component {
        id: contentComponent
        ContentView {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "ContentView"
        when: windowShown

        property ContentView view: null

        function init() {
            fixture.reset()
            view = createTemporaryObject(contentComponent, host,
                                         { playerManager: fixture.player,
                                           libraryManager: fixture.library,
                                           youtubeService: fixture.youtube,
                                           downloadManager: fixture.downloads })
            verify(view)
            // The split view lays out its columns on the first frame.
            waitForRendering(view)
        }
        function section(rawValue) {
            const loader = findChild(view, "section_" + rawValue)
            verify(loader, rawValue)
            return loader
        }

        function test_miniPlayerOnlyOnceSomethingIsLoaded() {
            const mini = findChild(view, "miniPlayer")
            verify(!mini.visible)
            fixture.play([{ title: "Song" }], 0)
            verify(mini.visible)
            // The bar and the divider above it.
            compare(mini.item.height, 77)
            // Still there, with its item, after playback stopped.
            fixture.player.pause()
            verify(mini.visible)
        }

        function test_errorAlertShowsClearsAndShowsAgain() {
            const alert = findChild(view, "errorAlert")
            const youtube = fixture.youtube
            youtube.errorMessage = "The video is unavailable."
            tryVerify(() => alert.item && alert.item.opened)
            compare(alert.item.title, "Error")
            alert.item.accept()
            compare(youtube.errorMessage, "")
            tryVerify(() => !alert.item.visible)
            youtube.errorMessage = "The video is unavailable."
            tryVerify(() => alert.item.opened)
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

            mouseClick(findChild(view, "tabRow_" + data.tag))
            compare(view.selectedTab, data.tab)
            verify(loader.active)
            verify(loader.visible)
            compare(loader.item.objectName, data.view)
            const made = loader.item
            const shown = ["Library", "Audiobooks", "Videos", "Playlists", "YouTube",
                           "Downloads", "Now Playing"].filter(t => section(t).visible)
            compare(shown, [data.tag])

            // Away and back: the same view, hidden meanwhile.
            const other = data.tab === SidebarTab.YouTube ? "Downloads" : "YouTube"
            mouseClick(findChild(view, "tabRow_" + other))
            verify(!loader.visible)
            verify(loader.item === made)
            mouseClick(findChild(view, "tabRow_" + data.tag))
            verify(loader.visible)
            verify(loader.item === made)
        }

        // A kept view starts afresh each time it is shown again.
        function test_nowPlayingShowsChaptersAgainAfterARevisit() {
            fixture.play([{ title: "Book", chapters: 3, duration: 300 }], 0)
            mouseClick(findChild(view, "tabRow_Now Playing"))
            const nowPlaying = section("Now Playing").item
            waitForRendering(view)
            mouseClick(findChild(nowPlaying, "chapterToggle"))
            verify(!findChild(nowPlaying, "chapterColumn").visible)
            mouseClick(findChild(view, "tabRow_Library"))
            mouseClick(findChild(view, "tabRow_Now Playing"))
            verify(section("Now Playing").item === nowPlaying)
            verify(findChild(nowPlaying, "chapterColumn").visible)
        }

        // The choosers are made on first use; the download folder's chooser starts in
        // the current folder and its choice becomes the folder of later downloads.
        function test_choosersOpenOnRequest() {
            const choosers = findChild(view, "choosers")
            verify(!choosers.item)
            mouseClick(findChild(view, "tabRow_Downloads"))
            waitForRendering(view)
            mouseClick(findChild(section("Downloads").item, "changeFolderButton"))
            verify(choosers.item)
            const dialog = findChild(choosers.item, "downloadFolderDialog")
            tryVerify(() => dialog.visible)
            compare(dialog.currentFolder, fixture.downloads.downloadDirectory)
            const chosen = fixture.downloads.downloadDirectory + "/elsewhere"
            dialog.selectedFolder = chosen
            dialog.accept()
            compare(String(fixture.downloads.downloadDirectory), chosen)
            verify(!findChild(choosers.item, "fileDialog").visible)

            view.openFilePicker()
            tryVerify(() => findChild(choosers.item, "fileDialog").visible)
            findChild(choosers.item, "fileDialog").reject()
            mouseClick(findChild(view, "tabRow_Library"))
            waitForRendering(view)
            mouseClick(findChild(section("Library").item, "addFolderButton"))
            tryVerify(() => findChild(choosers.item, "folderDialog").visible)
            findChild(choosers.item, "folderDialog").reject()
        }

        function test_sectionsChangeOnlyThroughTheSidebar() {
            compare(view.selectedTab, SidebarTab.Library)
            fixture.importFiles(["a.mp3"])
            tryVerify(() => fixture.importsIdle())
            compare(view.selectedTab, SidebarTab.Library)
            mouseClick(findChild(view, "tabRow_Now Playing"))
            compare(view.selectedTab, SidebarTab.NowPlaying)
            verify(findChild(section("Now Playing").item, "emptyState").visible)
        }
    }
}
