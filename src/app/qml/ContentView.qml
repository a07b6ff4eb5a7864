import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The main window's content: the sidebar and the section chosen there, the mini
// player along the bottom while an item is loaded, the window-wide drop of files, the
// file and folder choosers, and the "Error" alert of the online-video service.
Rectangle {
    id: root

    required property var playerManager
    required property var libraryManager
    required property var youtubeService
    required property var downloadManager

    property int selectedTab: SidebarTab.Library
    readonly property bool showsMiniPlayer: playerInfo.hasItem

    // The choosers and the alert are made on first use: they cost start-up time.
    function openFilePicker() {
        choosers.active = true
        choosers.item.openFiles()
    }
    function openFolderPicker() {
        choosers.active = true
        choosers.item.openFolder()
    }

    color: Theme.window

    PlayerItemInfo {
        id: playerInfo
        player: root.playerManager
    }

    SplitView {
        id: split
        anchors.fill: parent
        // The mini player takes its own strip, so no row of the sections hides under it.
        anchors.bottomMargin: root.showsMiniPlayer ? 77 : 0
        orientation: Qt.Horizontal

        handle: Rectangle {
            implicitWidth: 1
            color: Theme.separator
        }

        SidebarView {
            id: sidebar
            objectName: "sidebar"
            SplitView.minimumWidth: 180
            SplitView.preferredWidth: 220
            SplitView.maximumWidth: 300
            libraryManager: root.libraryManager
            downloadManager: root.downloadManager
            playerManager: root.playerManager
            selectedTab: root.selectedTab
            onSelectedTabChanged: root.selectedTab = selectedTab
            onAddFilesRequested: root.openFilePicker()
            onAddFolderRequested: root.openFolderPicker()
        }

        // One section view at a time, made afresh each time its tab is chosen.
        Loader {
            id: detail
            objectName: "detail"
            SplitView.fillWidth: true
            sourceComponent: root.selectedTab === SidebarTab.NowPlaying ? nowPlaying : titleOnly
        }
    }

    Binding {
        target: sidebar
        property: "selectedTab"
        value: root.selectedTab
    }

    Component {
        id: nowPlaying
        NowPlayingView {
            playerManager: root.playerManager
        }
    }
    Component {
        id: titleOnly
        SectionTitleView {
            title: SidebarTab.title(root.selectedTab)
        }
    }

    // Made when the first item is loaded; the player keeps an item from then on.
    Loader {
        objectName: "miniPlayer"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        active: root.showsMiniPlayer
        visible: active
        sourceComponent: Column {
            spacing: 0
            Rectangle {
                width: parent.width
                height: 1
                color: Theme.separator
            }
            MiniPlayerView {
                width: parent.width
                playerManager: root.playerManager
            }
        }
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
        anchors.fill: parent
        active: false
        source: "ImportChoosers.qml"
        onLoaded: item.libraryManager = Qt.binding(() => root.libraryManager)
    }

    Loader {
        id: errorAlert
        objectName: "errorAlert"
        anchors.fill: parent
        active: false
        sourceComponent: Dialog {
            title: "Error"
            modal: true
            anchors.centerIn: parent
            width: Math.min(420, root.width - 40)
            standardButtons: Dialog.Ok
            Label {
                width: parent.width
                wrapMode: Text.Wrap
                text: root.youtubeService ? root.youtubeService.errorMessage : ""
            }
            // OK clears the message; the same message set again shows the alert again.
            onAccepted: root.youtubeService.errorMessage = ""
            onRejected: root.youtubeService.errorMessage = ""
        }
    }
    Connections {
        target: root.youtubeService
        ignoreUnknownSignals: true
        function onErrorMessageChanged() {
            if (root.youtubeService.errorMessage.length > 0) {
                errorAlert.active = true
                errorAlert.item.open()
            }
        }
    }
}
