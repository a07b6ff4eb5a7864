import QtQuick
import QtQuick.Controls
import Lyrabox

// The "Downloads" section: the download queue, its folder and its actions.
PageScaffold {
    id: page

    required property DownloadManager downloadManager

    readonly property int downloadCount: page.downloadManager.downloads.length

    signal changeFolderRequested()

    objectName: "downloadQueueView"
    title: qsTr("Downloads")
    subtitle: qsTr("%1 items · %2 active").arg(page.downloadCount).arg(page.downloadManager.activeCount)
    isEmpty: page.downloadCount === 0
    emptySymbol: "arrow.down.circle"
    emptyTitle: qsTr("No Downloads")
    emptyText: qsTr("Download videos or audio from YouTube.\nGo to the YouTube tab to get started.")

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
            ToolTip.text: qsTr("Download directory: %1").arg(ViewText.localPath(page.downloadManager.downloadDirectory))
        }
    ]
}
