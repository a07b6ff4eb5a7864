import QtQuick
import QtTest
import Lyrabox

Item {
    id: host
    width: 1000
    height: 640

    // Stand-ins for the online managers: only what the window reads and writes.
    QtObject {
        id: youtube
        property string errorMessage: ""
    }
    QtObject {
        id: downloads
        property int activeCount: 0
    }
    Component {
        id: contentComponent
        ContentView {
            anchors.fill: parent
            youtubeService: youtube
            downloadManager: downloads
        }
    }

    TestCase {
        name: "ContentView"
        when: windowShown

        property var view: null

        function init() {
            fixture.reset()
            youtube.errorMessage = ""
            view = createTemporaryObject(contentComponent, host,
                                         { playerManager: fixture.player,
                                           libraryManager: fixture.library })
            verify(view)
        }

        function test_miniPlayerOnlyOnceSomethingIsLoaded() {
            const mini = findChild(view, "miniPlayer")
            verify(!mini.visible)
            fixture.play([{ title: "Song" }], 0)
            verify(mini.visible)
            compare(mini.item.height, 77)
            // Still there, with its item, after playback stopped.
            fixture.player.pause()
            verify(mini.visible)
        }

        function test_errorAlertShowsClearsAndShowsAgain() {
            const alert = findChild(view, "errorAlert")
            youtube.errorMessage = "The video is unavailable."
            tryVerify(() => alert.item && alert.item.opened)
            compare(alert.item.title, "Error")
            alert.item.accept()
            compare(youtube.errorMessage, "")
            tryVerify(() => !alert.item.visible)
            youtube.errorMessage = "The video is unavailable."
            tryVerify(() => alert.item.opened)
        }

        function test_sectionsChangeOnlyThroughTheSidebar() {
            compare(view.selectedTab, SidebarTab.Library)
            fixture.importFiles(["a.mp3"])
            tryVerify(() => fixture.importsIdle())
            compare(view.selectedTab, SidebarTab.Library)
            mouseClick(findChild(view, "tabRow_Now Playing"))
            compare(view.selectedTab, SidebarTab.NowPlaying)
            verify(findChild(view, "emptyState").visible)
        }
    }
}
