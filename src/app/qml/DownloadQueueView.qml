import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The "Downloads" section: the download queue, its folder and its actions. Rows follow
// the queue live, in its order; a row's menu and buttons act on the entry's id.
PageScaffold {
    id: page

    required property DownloadManager downloadManager
    required property LibraryManager libraryManager

    readonly property int downloadCount: rows.count

    signal changeFolderRequested()

    // "Add to Library": the finished file, when it is still there.
    function addToLibrary(taskId: string) {
        rows.addToLibrary(taskId, page.libraryManager)
    }
    // The row's menu, with the entries its status offers.
    // Qt 6.4's qmllint cannot resolve the DownloadTask enumeration (a foreign namespace
    // exported beside the value type); it resolves when the view runs.
    // qmllint disable unqualified
    function openMenu(taskId: string, status: int, file: url) {
        rowMenu.taskId = taskId
        rowMenu.file = file
        while (rowMenu.count > 0)
            rowMenu.takeItem(0)
        if (status === DownloadTask.Status.completed) {
            rowMenu.addItem(addEntry)
            rowMenu.addItem(revealEntry)
        }
        if (status === DownloadTask.Status.failed)
            rowMenu.addItem(retryEntry)
        rowMenu.addItem(removeEntry)
        rowMenu.popup()
    }
    // qmllint enable unqualified

    objectName: "downloadQueueView"
    title: qsTr("Downloads")
    subtitle: qsTr("%Ln items", "", page.downloadCount) + " · "
              + qsTr("%Ln active", "", page.downloadManager.activeCount)
    isEmpty: page.downloadCount === 0
    emptySymbol: "arrow.down.circle"
    emptyTitle: qsTr("No Downloads")
    emptyText: qsTr("Download videos or audio from YouTube.\nGo to the YouTube tab to get started.")
    onShown: rowMenu.close()

    headerActions: [
        LabeledButton {
            objectName: "clearCompletedButton"
            visible: page.downloadManager.completedCount > 0
            text: qsTr("Clear Completed")
            onClicked: page.downloadManager.clearCompleted()
        },
        LabeledButton {
            id: folderButton
            objectName: "changeFolderButton"
            symbol: "folder"
            text: qsTr("Change Folder")
            onClicked: page.changeFolderRequested()
            ToolTip.visible: hovered
            ToolTip.delay: 700
            ToolTip.text: qsTr("Download directory: %1")
                          .arg(ViewText.isolated(ViewText.localPath(page.downloadManager.downloadDirectory)))
        }
    ]

    DownloadsModel {
        id: rows
        manager: page.downloadManager
    }

    // The folder bar stays over the list and over the empty state alike: it moves from
    // the content (hidden while the queue is empty) to the area both share.
    Rectangle {
        id: folderBar
        objectName: "folderBar"
        Component.onCompleted: folderBar.parent = folderBar.parent.parent
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 36
        // Opaque (the tint laid on the window's colour): the list redraws it every frame.
        color: Qt.tint(Theme.window, Theme.faded(Theme.card, 0.6))
        z: 1

        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: Theme.pageHeaderHPadding
            anchors.rightMargin: Theme.pageHeaderHPadding
            spacing: 8
            SymbolIcon {
                symbol: "folder.fill"
                size: Theme.fontBody
                color: Theme.secondary
            }
            Text {
                objectName: "folderPath"
                Layout.fillWidth: true
                text: ViewText.localPath(page.downloadManager.downloadDirectory)
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                font.pixelSize: Theme.fontSmall
                color: Theme.secondary
            }
            AbstractButton {
                id: openFolderButton
                objectName: "openFolderButton"
                focusPolicy: Qt.NoFocus
                hoverEnabled: true
                text: qsTr("Open in File Manager")
                onClicked: Qt.openUrlExternally(page.downloadManager.downloadDirectory)
                contentItem: Text {
                    text: openFolderButton.text
                    font.pixelSize: Theme.fontSmall
                    font.underline: openFolderButton.hovered
                    color: Theme.accent
                }
            }
        }
        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: Theme.hairline
            color: Theme.separator
        }
    }

    ListView {
        id: list
        objectName: "downloadList"
        anchors.fill: parent
        anchors.topMargin: folderBar.height
        clip: true
        model: rows
        boundsBehavior: Flickable.StopAtBounds
        reuseItems: false
        ScrollBar.vertical: ScrollBar {}
        // Qt 6.4's qmllint cannot see this file's ids from inside the delegate.
        // qmllint disable unqualified
        delegate: DownloadRowView {
            width: ListView.view.width
            onAddRequested: (taskId) => page.addToLibrary(taskId)
            onRetryRequested: (taskId) => page.downloadManager.retryFailed(taskId)
            onMenuRequested: (taskId, status, file) => page.openMenu(taskId, status, file)
        }
        // qmllint enable unqualified
    }

    Menu {
        id: rowMenu
        objectName: "downloadMenu"
        // The entry the menu acts on, taken when it opened.
        property string taskId
        property url file

        MenuItem {
            id: addEntry
            objectName: "addToLibraryEntry"
            text: qsTr("Add to Library")
            onTriggered: page.addToLibrary(rowMenu.taskId)
        }
        MenuItem {
            id: revealEntry
            objectName: "showInFileManagerEntry"
            text: qsTr("Show in File Manager")
            onTriggered: FileRevealer.reveal(rowMenu.file)
        }
        MenuItem {
            id: retryEntry
            objectName: "retryEntry"
            text: qsTr("Retry")
            onTriggered: page.downloadManager.retryFailed(rowMenu.taskId)
        }
        MenuItem {
            id: removeEntry
            objectName: "removeEntry"
            text: qsTr("Remove")
            palette.windowText: Theme.destructive
            palette.highlightedText: Theme.destructive
            onTriggered: page.downloadManager.removeDownload(rowMenu.taskId)
        }
    }
}
