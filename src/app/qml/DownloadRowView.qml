import QtQuick
import Lyrabox

// One entry of the download queue: its status icon, title, kind, message, progress and
// the action its status offers. The row only asks; the queue view acts.
//
// Laid out with anchors and made of few items (the spinner only while downloading, one
// trailing button): a queue of a thousand rows scrolls nearly as fast as plain text.
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

    // The status, in a 28-point box.
    Item {
        id: statusBox
        objectName: "statusIcon"
        anchors.left: parent.left
        anchors.leftMargin: Theme.pageHeaderHPadding
        anchors.verticalCenter: parent.verticalCenter
        width: 28
        height: 28
        // Which icon the status shows: the spinner, or a symbol's name.
        readonly property string shown: row.isDownloading ? "spinner"
                                        : row.isConverting ? "wand.and.stars"
                                        : row.isCompleted ? "checkmark.circle.fill"
                                        : row.isFailed ? "exclamationmark.circle.fill" : "clock"
        readonly property string symbolName: statusBox.shown === "spinner" ? "" : statusBox.shown

        // The spinner: an arc turned by an animator, which runs beside the scene graph
        // rather than on the window's thread; made only while downloading.
        Loader {
            anchors.centerIn: parent
            active: row.isDownloading
            sourceComponent: SymbolIcon {
                symbol: "progress.indicator"
                size: 20
                color: Theme.accent
                RotationAnimator on rotation {
                    from: 0
                    to: 360
                    duration: 900
                    loops: Animation.Infinite
                }
            }
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

    RTLText {
        objectName: "downloadTitle"
        anchors.left: statusBox.right
        anchors.leftMargin: 10
        anchors.right: trailing.left
        anchors.rightMargin: 10
        anchors.bottom: parent.verticalCenter
        anchors.bottomMargin: row.isActive ? 5 : 1
        text: row.title
        lineLimit: 1
        font.pixelSize: Theme.fontBody
    }

    // "Audio" in purple or "Video" in blue, as a capsule (drawn without antialiasing:
    // a list pays for every blended pixel in every frame).
    Rectangle {
        id: kindBadge
        objectName: "kindBadge"
        property alias text: kindText.text
        anchors.left: statusBox.right
        anchors.leftMargin: 10
        anchors.top: parent.verticalCenter
        anchors.topMargin: row.isActive ? -2 : 2
        width: kindText.implicitWidth + 12
        height: kindText.implicitHeight + 2
        radius: height / 2
        antialiasing: false
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
        anchors.left: kindBadge.right
        anchors.leftMargin: 6
        anchors.right: trailing.left
        anchors.rightMargin: 10
        anchors.verticalCenter: kindBadge.verticalCenter
        text: row.statusMessage
        elide: Text.ElideRight
        maximumLineCount: 1
        font.pixelSize: Theme.fontSmall
        color: Theme.secondary
    }
    // A plain bar: two rectangles.
    Rectangle {
        objectName: "progressBar"
        anchors.left: kindBadge.left
        anchors.right: trailing.left
        anchors.rightMargin: 10
        anchors.top: kindBadge.bottom
        anchors.topMargin: 5
        height: 4
        visible: row.isActive
        color: Theme.faded(Theme.secondary, 0.2)
        Rectangle {
            width: parent.width * Math.max(0, Math.min(1, row.progress))
            height: parent.height
            color: Theme.accent
        }
    }

    // The percentage while active; "add" when completed, "retry" when failed.
    Item {
        id: trailing
        anchors.right: parent.right
        anchors.rightMargin: Theme.pageHeaderHPadding
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 28
        Text {
            objectName: "percentText"
            anchors.fill: parent
            visible: row.isActive
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            text: qsTr("%1%").arg(ViewText.number(row.percent))
            font.pixelSize: Theme.fontSmall
            color: Theme.secondary
        }
        IconButton {
            objectName: "actionButton"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            visible: row.isCompleted || row.isFailed
            symbol: row.isCompleted ? "plus.circle" : "arrow.clockwise"
            color: row.isCompleted ? Theme.accent : Theme.warning
            helpText: row.isCompleted ? qsTr("Add to library") : qsTr("Retry")
            onClicked: {
                if (row.isCompleted)
                    row.addRequested(row.taskId)
                else
                    row.retryRequested(row.taskId)
            }
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
