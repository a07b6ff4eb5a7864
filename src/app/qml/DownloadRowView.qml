import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// One entry of the download queue: its status icon, title, kind, message, progress and
// the action its status offers. The row only asks; the queue view acts.
Item {
    id: row

    required property int index
    required property string taskId
    required property string title
    required property bool isAudioOnly
    required property int status
    required property string statusMessage
    required property real progress
    required property url outputUrl

    // Qt 6.4's qmllint cannot resolve the DownloadTask enumeration (a foreign namespace
    // exported beside the value type); it resolves when the view runs.
    // qmllint disable unqualified
    readonly property bool isDownloading: row.status === DownloadTask.Status.downloading
    readonly property bool isConverting: row.status === DownloadTask.Status.converting
    readonly property bool isCompleted: row.status === DownloadTask.Status.completed
    readonly property bool isFailed: row.status === DownloadTask.Status.failed
    // qmllint enable unqualified
    readonly property bool isActive: row.isDownloading || row.isConverting
    // The percentage shown, truncated; the small allowance keeps 0.29 from reading 28.
    readonly property int percent: Math.floor(row.progress * 100 + 1e-6)

    signal addRequested(string taskId)
    signal retryRequested(string taskId)
    signal menuRequested(string taskId, int status, url file)

    implicitHeight: 58

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: row.menuRequested(row.taskId, row.status, row.outputUrl)
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: Theme.pageHeaderHPadding
        anchors.rightMargin: Theme.pageHeaderHPadding
        spacing: 10

        // The status, in a 28-point box.
        Item {
            id: statusBox
            objectName: "statusIcon"
            Layout.preferredWidth: 28
            Layout.preferredHeight: 28
            // Which icon the status shows: the spinner, or a symbol's name.
            readonly property string shown: row.isDownloading ? "spinner"
                                            : row.isConverting ? "wand.and.stars"
                                            : row.isCompleted ? "checkmark.circle.fill"
                                            : row.isFailed ? "exclamationmark.circle.fill" : "clock"
            readonly property string symbolName: statusBox.shown === "spinner" ? "" : statusBox.shown
            BusyIndicator {
                anchors.centerIn: parent
                width: 22
                height: 22
                padding: 0
                visible: running
                running: row.isDownloading
            }
            SymbolIcon {
                anchors.centerIn: parent
                visible: !row.isDownloading
                size: 20
                symbol: statusBox.symbolName
                color: row.isConverting ? "#af52de"
                       : row.isCompleted ? "#34c759"
                       : row.isFailed ? "#ff3b30" : Theme.secondary
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            spacing: 3
            RTLText {
                objectName: "downloadTitle"
                Layout.fillWidth: true
                text: row.title
                lineLimit: 1
                font.pixelSize: Theme.fontBody
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: 6
                Rectangle {
                    objectName: "kindBadge"
                    implicitWidth: kindText.implicitWidth + 12
                    implicitHeight: kindText.implicitHeight + 2
                    radius: height / 2
                    color: row.isAudioOnly ? "#af52de" : "#007aff"
                    Text {
                        id: kindText
                        anchors.centerIn: parent
                        text: row.isAudioOnly ? qsTr("Audio") : qsTr("Video")
                        font.pixelSize: Theme.fontTiny
                        font.weight: Font.Medium
                        color: "white"
                    }
                }
                Text {
                    objectName: "statusMessage"
                    Layout.fillWidth: true
                    text: row.statusMessage
                    elide: Text.ElideRight
                    maximumLineCount: 1
                    font.pixelSize: Theme.fontSmall
                    color: Theme.secondary
                }
            }
            // A plain bar: two rectangles, cheap for a list to draw.
            Rectangle {
                objectName: "progressBar"
                Layout.fillWidth: true
                Layout.topMargin: 2
                implicitHeight: 4
                visible: row.isActive
                radius: 2
                color: Theme.faded(Theme.secondary, 0.2)
                Rectangle {
                    width: parent.width * Math.max(0, Math.min(1, row.progress))
                    height: parent.height
                    radius: 2
                    color: Theme.accent
                }
            }
        }

        Text {
            objectName: "percentText"
            visible: row.isActive
            Layout.preferredWidth: 36
            horizontalAlignment: Text.AlignRight
            text: qsTr("%1%").arg(row.percent)
            font.pixelSize: Theme.fontSmall
            color: Theme.secondary
        }
        IconButton {
            objectName: "addButton"
            visible: row.isCompleted
            symbol: "plus.circle"
            color: Theme.accent
            helpText: qsTr("Add to library")
            onClicked: row.addRequested(row.taskId)
        }
        IconButton {
            objectName: "retryButton"
            visible: row.isFailed
            symbol: "arrow.clockwise"
            color: Theme.warning
            helpText: qsTr("Retry")
            onClicked: row.retryRequested(row.taskId)
        }
    }

    Rectangle {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: Theme.pageHeaderHPadding
        height: Theme.hairline
        color: Theme.separator
    }
}
