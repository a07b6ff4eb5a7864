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
    // Beside the player for the whole run, so that a timer set goes on whatever is shown.
    readonly property SleepTimer sleepTimer: SleepTimer {
        player: window.playerManager
    }
    // Set by the app once the first frame is on screen; the starting section waits for it.
    property bool hasShownFirstFrame: false

    title: qsTr("Lyrabox")
    visible: true
    // Right to left in Arabic and Hebrew, the menu bar, menus and dialogs included
    // (popups sit on the window's overlay, outside the content's mirroring).
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true
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

    // The menu commands. Their shortcuts work from the start; each menu makes its rows
    // the first time it opens, which keeps a dozen menu rows out of the first frame.
    Action {
        id: openFilesAction
        text: qsTr("Open Files...")
        shortcut: "Ctrl+O"
        onTriggered: content.openFilePicker()
    }
    Action {
        id: openFolderAction
        text: qsTr("Open Folder...")
        shortcut: "Ctrl+Shift+O"
        onTriggered: content.openFolderPicker()
    }
    Action {
        id: pasteAction
        text: qsTr("Paste YouTube URL")
        shortcut: "Ctrl+Shift+V"
        onTriggered: {
            const text = SystemClipboard.text()
            if (text !== undefined)
                window.youtubeService.urlInput = text
        }
    }
    Action {
        id: settingsAction
        text: qsTr("Settings...")
        shortcut: "Ctrl+,"
        onTriggered: window.showSettings()
    }
    Action {
        id: quitAction
        text: qsTr("Quit")
        shortcut: "Ctrl+Q"
        onTriggered: Qt.quit()
    }
    // A text field with the focus takes Space for itself (shortcut override), so typing
    // a space never toggles playback.
    Action {
        id: playPauseAction
        text: qsTr("Play / Pause")
        shortcut: "Space"
        onTriggered: window.playerManager.togglePlayPause()
    }
    Action {
        id: nextAction
        text: qsTr("Next Track")
        shortcut: "Ctrl+Right"
        onTriggered: window.playerManager.playNext()
    }
    Action {
        id: previousAction
        text: qsTr("Previous Track")
        shortcut: "Ctrl+Left"
        onTriggered: window.playerManager.playPrevious()
    }
    Action {
        id: volumeUpAction
        text: qsTr("Volume Up")
        shortcut: "Ctrl+Up"
        onTriggered: window.playerManager.adjustVolume(0.1)
    }
    Action {
        id: volumeDownAction
        text: qsTr("Volume Down")
        shortcut: "Ctrl+Down"
        onTriggered: window.playerManager.adjustVolume(-0.1)
    }

    // The settings window, made on first use and kept: closing it only hides it, so
    // opening it again shows the stored values without making anything.
    property Window settingsWindow: null
    function showSettings() {
        if (!settingsWindow)
            settingsWindow = settingsComponent.createObject(window)
        if (settingsWindow.visible) {
            settingsWindow.raise()
            settingsWindow.requestActivate()
        } else {
            settingsWindow.show()
        }
    }
    // qmllint disable unqualified
    // (Qt 6.4's qmllint cannot see the window's id from inside a Component.)
    Component {
        id: settingsComponent
        ApplicationWindow {
            objectName: "settingsWindow"
            title: qsTr("Settings")
            LayoutMirroring.enabled: Theme.rightToLeft
            LayoutMirroring.childrenInherit: true
            width: 480
            height: 360
            minimumWidth: 480
            minimumHeight: 360
            color: Theme.window
            palette: window.palette
            SettingsView {
                anchors.fill: parent
                playerManager: window.playerManager
                youtubeService: window.youtubeService
            }
        }
    }
    // qmllint enable unqualified

    Component {
        id: menuSeparator
        MenuSeparator {}
    }

    // Gives `menu` its rows on its first opening: one per action, a separator for null.
    function fillMenu(menu: Menu, entries: var) {
        if (menu.count > 0)
            return
        for (const entry of entries) {
            if (entry)
                menu.addAction(entry)
            else
                menu.addItem(menuSeparator.createObject(menu))
        }
    }

    menuBar: MenuBar {
        Menu {
            id: fileMenu
            objectName: "fileMenu"
            title: qsTr("&File")
            onAboutToShow: window.fillMenu(fileMenu, [openFilesAction, openFolderAction, null,
                                                      pasteAction, null, settingsAction, null,
                                                      quitAction])
        }
        Menu {
            id: viewMenu
            objectName: "viewMenu"
            title: qsTr("&View")
            onAboutToShow: window.fillMenu(viewMenu, [playPauseAction, nextAction,
                                                      previousAction, null, volumeUpAction,
                                                      volumeDownAction])
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
        windowShown: window.hasShownFirstFrame
        sleepTimer: window.sleepTimer
    }
}
