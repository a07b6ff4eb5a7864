import QtQuick
import QtQuick.Controls
import Lyrabox

// The main window's content: the sidebar and the section chosen there, the mini
// player along the bottom while an item is loaded, the window-wide drop of files, the
// file and folder choosers, and the "Error" alert of the online-video service.
Rectangle {
    id: root

    required property MediaPlayerManager playerManager
    required property LibraryManager libraryManager
    required property YouTubeService youtubeService
    required property DownloadManager downloadManager

    property int selectedTab: SidebarTab.Library
    // False until the window has shown its first frame (the app sets it then); the
    // section shown at start waits for it.
    property bool windowShown: true
    readonly property bool showsMiniPlayer: playerInfo.hasItem

    // Asks the choosers (made on first use) to show one of their dialogs.
    signal chooserRequested(string kind)

    function openFilePicker() { showChooser("files") }
    function openFolderPicker() { showChooser("folder") }
    function openDownloadFolderPicker() { showChooser("downloadFolder") }
    // The playlist the export chooser writes, set before it is asked for.
    property string exportPlaylistId
    property string exportPlaylistName
    function exportPlaylist(playlistId: string, name: string) {
        root.exportPlaylistId = playlistId
        root.exportPlaylistName = name
        showChooser("exportPlaylist")
    }
    // The choosers cost start-up time (the dialogs module), so they are made on first use.
    function showChooser(kind: string) {
        if (choosers.status === Loader.Null)
            choosers.setSource("ImportChoosers.qml", { content: root })
        root.chooserRequested(kind)
    }

    color: Theme.window
    // In a right-to-left language the whole window mirrors (the sidebar on the right);
    // the player's transport and seek bar keep left to right themselves.
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true

    // The place of one section's view: made on the section's first visit, then kept.
    component SectionLoader: Loader {
        id: section
        required property int tab
        required property int currentTab
        required property bool windowShown
        readonly property bool selected: section.currentTab === section.tab

        function activateIfShown() {
            if (section.selected && section.windowShown)
                section.active = true
        }

        objectName: "section_" + SidebarTab.rawValue(section.tab)
        anchors.fill: parent
        active: false
        visible: section.selected
        onSelectedChanged: section.activateIfShown()
        onWindowShownChanged: section.activateIfShown()
        // The section shown at start is built in the background once the window has
        // shown its first frame, so that the window appears without waiting for it
        // (nor sharing its start with the building); a section chosen later is built
        // at once.
        onLoaded: section.asynchronous = false
        Component.onCompleted: {
            section.asynchronous = section.selected
            section.activateIfShown()
        }
    }

    PlayerItemInfo {
        id: playerInfo
        player: root.playerManager
    }

    SplitView {
        id: split
        anchors.fill: parent
        // The mini player takes its own strip, so no row of the sections hides under it.
        anchors.bottomMargin: root.showsMiniPlayer ? Theme.miniPlayerHeight + Theme.hairline : 0
        orientation: Qt.Horizontal
        // SplitView lays its items out left to right in every direction: in a mirrored
        // window the sidebar goes last, to the right.
        Component.onCompleted: {
            if (split.LayoutMirroring.enabled)
                split.moveItem(0, split.count - 1)
        }

        handle: Rectangle {
            implicitWidth: Theme.hairline
            color: Theme.separator
        }

        SidebarView {
            id: sidebar
            objectName: "sidebar"
            SplitView.minimumWidth: Theme.sidebarMinWidth
            SplitView.preferredWidth: Theme.sidebarIdealWidth
            SplitView.maximumWidth: Theme.sidebarMaxWidth
            libraryManager: root.libraryManager
            downloadManager: root.downloadManager
            playerManager: root.playerManager
            selectedTab: root.selectedTab
            onSelectedTabChanged: root.selectedTab = sidebar.selectedTab
            onAddFilesRequested: root.openFilePicker()
            onAddFolderRequested: root.openFolderPicker()
            // "Playlists" pressed while a playlist is open goes back to the grid.
            onTabReselected: (tab) => {
                if (tab === SidebarTab.Playlists)
                    (playlistsSection.item as PlaylistsView).openPlaylist("")
            }
            // A playlist row opens that playlist in the playlists section.
            onPlaylistChosen: (playlistId) => {
                root.selectedTab = SidebarTab.Playlists
                const view = playlistsSection.item as PlaylistsView
                view.openPlaylist(playlistId)
            }
        }

        // One view per section, made the first time its section is chosen and kept
        // (hidden) while another is shown; a view shown again starts afresh (shown()).
        Item {
            id: detail
            objectName: "detail"
            SplitView.fillWidth: true

            SectionLoader {
                tab: SidebarTab.Library
                currentTab: root.selectedTab
                windowShown: root.windowShown
                sourceComponent: libraryView
            }
            SectionLoader {
                tab: SidebarTab.Audiobooks
                currentTab: root.selectedTab
                windowShown: root.windowShown
                sourceComponent: audiobookView
            }
            SectionLoader {
                tab: SidebarTab.Videos
                currentTab: root.selectedTab
                windowShown: root.windowShown
                sourceComponent: videoView
            }
            SectionLoader {
                id: playlistsSection
                tab: SidebarTab.Playlists
                currentTab: root.selectedTab
                windowShown: root.windowShown
                sourceComponent: playlistsView
            }
            SectionLoader {
                tab: SidebarTab.YouTube
                currentTab: root.selectedTab
                windowShown: root.windowShown
                sourceComponent: youtubeView
            }
            SectionLoader {
                tab: SidebarTab.Downloads
                currentTab: root.selectedTab
                windowShown: root.windowShown
                sourceComponent: downloadView
            }
            SectionLoader {
                tab: SidebarTab.NowPlaying
                currentTab: root.selectedTab
                windowShown: root.windowShown
                sourceComponent: nowPlayingView
            }
        }
    }

    Binding {
        target: sidebar
        property: "selectedTab"
        value: root.selectedTab
    }

    // Qt 6.4's qmllint flags this file's ids inside a component (the section views);
    // the component is made here, where they resolve.
    // qmllint disable unqualified
    Component {
        id: libraryView
        LibraryView {
            libraryManager: root.libraryManager
            playerManager: root.playerManager
            onAddFilesRequested: root.openFilePicker()
            onAddFolderRequested: root.openFolderPicker()
            onRevealRequested: (file) => FileRevealer.reveal(file)
        }
    }
    Component {
        id: audiobookView
        AudiobookView {
            libraryManager: root.libraryManager
            playerManager: root.playerManager
            onAddFolderRequested: root.openFolderPicker()
        }
    }
    Component {
        id: videoView
        VideoLibraryView {
            libraryManager: root.libraryManager
            playerManager: root.playerManager
            onAddFilesRequested: root.openFilePicker()
        }
    }
    Component {
        id: playlistsView
        PlaylistsView {
            libraryManager: root.libraryManager
            playerManager: root.playerManager
            onExportRequested: (playlistId, name) => root.exportPlaylist(playlistId, name)
        }
    }
    Component {
        id: youtubeView
        YouTubeView {
            youtubeService: root.youtubeService
            playerManager: root.playerManager
            downloadManager: root.downloadManager
        }
    }
    Component {
        id: downloadView
        DownloadQueueView {
            downloadManager: root.downloadManager
            libraryManager: root.libraryManager
            onChangeFolderRequested: root.openDownloadFolderPicker()
        }
    }
    Component {
        id: nowPlayingView
        NowPlayingView {
            playerManager: root.playerManager
        }
    }
    // qmllint enable unqualified

    // The window's sleep timer, for the mini player.
    property SleepTimer sleepTimer: null
    // Made when the first item is loaded; the player keeps an item from then on.
    Loader {
        objectName: "miniPlayer"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        active: root.showsMiniPlayer
        visible: active
        // Qt 6.4's qmllint flags this file's ids inside a component (the mini player);
        // the component is made here, where they resolve.
        // qmllint disable unqualified
        sourceComponent: Column {
            spacing: 0
            Rectangle {
                width: parent.width
                height: Theme.hairline
                color: Theme.separator
            }
            MiniPlayerView {
                width: parent.width
                playerManager: root.playerManager
                sleepTimer: root.sleepTimer
            }
        }
        // qmllint enable unqualified
    }

    // Files and folders dropped anywhere on the window; anything else is refused.
    DropArea {
        anchors.fill: parent
        keys: ["text/uri-list"]
        onEntered: (drag) => { drag.accepted = drag.hasUrls }
        onDropped: (drop) => {
            if (!drop.hasUrls) {
                drop.accepted = false
                return
            }
            drop.accepted = root.libraryManager.handleDrop(drop.urls)
        }
    }

    Loader {
        id: choosers
        objectName: "choosers"
        anchors.fill: parent
    }

    // The alert is made with the first message. Each message set opens it; OK clears
    // the message, so the same message set again opens it again.
    Loader {
        id: errorAlert
        objectName: "errorAlert"
        anchors.fill: parent
        active: false
        // Qt 6.4's qmllint flags this file's ids inside a component (the alert);
        // the component is made here, where they resolve.
        // qmllint disable unqualified
        sourceComponent: Dialog {
            id: alert
            title: qsTr("Error")
            modal: true
            anchors.centerIn: parent
            width: Math.min(Theme.alertWidth, root.width - 2 * Theme.pageHeaderHPadding)
            standardButtons: Dialog.Ok
            Label {
                width: parent.width
                wrapMode: Text.Wrap
                text: root.youtubeService.errorMessage
            }
            Component.onCompleted: alert.open()
            onAccepted: root.youtubeService.errorMessage = ""
            onRejected: root.youtubeService.errorMessage = ""
            Connections {
                target: root.youtubeService
                function onErrorMessageChanged() {
                    if (root.youtubeService.errorMessage.length > 0)
                        alert.open()
                }
            }
        }
        // qmllint enable unqualified
    }
    Connections {
        target: root.youtubeService
        function onErrorMessageChanged() {
            if (root.youtubeService.errorMessage.length > 0)
                errorAlert.active = true
        }
    }

    // What an import of a playlist file skipped, an export that failed, a file that
    // could not be shown: one message at a time, in a small alert made on first use.
    property string noticeText
    function showNotice(text: string) {
        root.noticeText = text
        noticeAlert.active = true
        (noticeAlert.item as Dialog).open()
    }
    Connections {
        target: root.libraryManager
        function onNotice(text: string) { root.showNotice(text) }
    }
    Connections {
        target: FileRevealer
        function onNotice(text: string) { root.showNotice(text) }
    }
    Loader {
        id: noticeAlert
        objectName: "noticeAlert"
        anchors.fill: parent
        active: false
        // qmllint disable unqualified
        sourceComponent: Dialog {
            modal: true
            anchors.centerIn: parent
            width: Math.min(Theme.alertWidth, root.width - 2 * Theme.pageHeaderHPadding)
            standardButtons: Dialog.Ok
            Label {
                objectName: "noticeText"
                width: parent.width
                wrapMode: Text.Wrap
                text: root.noticeText
            }
        }
        // qmllint enable unqualified
    }
}
