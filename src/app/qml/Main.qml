import QtQuick
import QtQuick.Controls
import Lyrabox

// The main window: the content with all four managers, and the menu commands.
ApplicationWindow {
    id: window

    required property var playerManager
    required property var libraryManager
    required property var youtubeService
    required property var downloadManager

    title: "Lyrabox"
    visible: true
    width: 1180
    height: 760
    minimumWidth: 900
    minimumHeight: 600
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
            title: "&File"
            Action {
                text: "Open Files..."
                shortcut: "Ctrl+O"
                onTriggered: content.openFilePicker()
            }
            Action {
                text: "Open Folder..."
                shortcut: "Ctrl+Shift+O"
                onTriggered: content.openFolderPicker()
            }
            MenuSeparator {}
            Action {
                text: "Paste YouTube URL"
                shortcut: "Ctrl+Shift+V"
                onTriggered: {
                    const text = SystemClipboard.text()
                    if (text !== undefined)
                        window.youtubeService.urlInput = text
                }
            }
            MenuSeparator {}
            Action {
                text: "Quit"
                shortcut: StandardKey.Quit
                onTriggered: Qt.quit()
            }
        }
        Menu {
            title: "&View"
            // A text field with the focus takes Space for itself (shortcut override),
            // so typing a space never toggles playback.
            Action {
                text: "Play / Pause"
                shortcut: "Space"
                onTriggered: window.playerManager.togglePlayPause()
            }
            Action {
                text: "Next Track"
                shortcut: "Ctrl+Right"
                onTriggered: window.playerManager.playNext()
            }
            Action {
                text: "Previous Track"
                shortcut: "Ctrl+Left"
                onTriggered: window.playerManager.playPrevious()
            }
            MenuSeparator {}
            Action {
                text: "Volume Up"
                shortcut: "Ctrl+Up"
                onTriggered: window.playerManager.adjustVolume(0.1)
            }
            Action {
                text: "Volume Down"
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
