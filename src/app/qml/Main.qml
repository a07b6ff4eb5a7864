import QtQuick
import QtQuick.Controls
import Lyrabox

// The main window: the content with all four managers, and the menu commands.
ApplicationWindow {
    id: window

    required property MediaPlayerManager playerManager
    required property LibraryManager libraryManager
    required property YouTubeService youtubeService
    required property DownloadManager downloadManager

    title: qsTr("Lyrabox")
    visible: true
    width: Theme.windowWidth
    height: Theme.windowHeight
    minimumWidth: Theme.windowMinWidth
    minimumHeight: Theme.windowMinHeight
    color: Theme.window
    // The controls' own colours (menus, sliders, dialogs) in the same scheme.
    palette.window: Theme.bar
    palette.windowText: Theme.primary
    palette.base: Theme.window
    palette.alternateBase: Theme.sidebar
    palette.text: Theme.primary
    palette.button: Theme.bar
    palette.buttonText: Theme.primary
    palette.highlight: Theme.accent
    palette.highlightedText: "white"
    palette.placeholderText: Theme.secondary
    palette.toolTipBase: Theme.bar
    palette.toolTipText: Theme.primary
    palette.mid: Theme.separator

    menuBar: MenuBar {
        Menu {
            title: qsTr("&File")
            Action {
                text: qsTr("Open Files...")
                shortcut: "Ctrl+O"
                onTriggered: content.openFilePicker()
            }
            Action {
                text: qsTr("Open Folder...")
                shortcut: "Ctrl+Shift+O"
                onTriggered: content.openFolderPicker()
            }
            MenuSeparator {}
            Action {
                text: qsTr("Paste YouTube URL")
                shortcut: "Ctrl+Shift+V"
                onTriggered: {
                    const text = SystemClipboard.text()
                    if (text !== undefined)
                        window.youtubeService.urlInput = text
                }
            }
            MenuSeparator {}
            Action {
                text: qsTr("Quit")
                shortcut: "Ctrl+Q"
                onTriggered: Qt.quit()
            }
        }
        Menu {
            title: qsTr("&View")
            // A text field with the focus takes Space for itself (shortcut override),
            // so typing a space never toggles playback.
            Action {
                text: qsTr("Play / Pause")
                shortcut: "Space"
                onTriggered: window.playerManager.togglePlayPause()
            }
            Action {
                text: qsTr("Next Track")
                shortcut: "Ctrl+Right"
                onTriggered: window.playerManager.playNext()
            }
            Action {
                text: qsTr("Previous Track")
                shortcut: "Ctrl+Left"
                onTriggered: window.playerManager.playPrevious()
            }
            MenuSeparator {}
            Action {
                text: qsTr("Volume Up")
                shortcut: "Ctrl+Up"
                onTriggered: window.playerManager.adjustVolume(0.1)
            }
            Action {
                text: qsTr("Volume Down")
                shortcut: "Ctrl+Down"
                onTriggered: window.playerManager.adjustVolume(-0.1)
            }
        }
    }

    ContentView {
        id: content
        objectName: "content"
        anchors.fill: parent
        playerManager: window.playerManager
        libraryManager: window.libraryManager
        youtubeService: window.youtubeService
        downloadManager: window.downloadManager
    }
}
