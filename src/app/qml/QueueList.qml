import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The play queue: a double click plays from a row; a row dragged to another place
// moves there (a line shows where it will land).
ListView {
    id: list

    required property QueueModel queueModel
    required property MediaPlayerManager playerManager
    // The row being dragged and the position it would land before, or -1.
    property int dragFrom: -1
    property int dropBefore: -1

    function positionAt(y: real): int {
        const row = indexAt(0, contentY + y)
        if (row < 0)
            return y < 0 ? 0 : count
        const item = itemAtIndex(row)
        return (contentY + y) - item.y > item.height / 2 ? row + 1 : row
    }

    clip: true
    model: queueModel
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    // Qt 6.4's qmllint flags this file's ids inside a component (the list's delegate);
    // the component is made here, where they resolve.
    // qmllint disable unqualified
    delegate: ItemDelegate {
        id: row
        required property int index
        required property string title
        required property string artist
        required property string formattedDuration
        required property bool isCurrent

        width: list.width
        focusPolicy: Qt.NoFocus
        leftPadding: 8
        rightPadding: 10
        topPadding: 5
        bottomPadding: 5
        background: Rectangle {
            color: row.isCurrent ? Theme.faded(Theme.accent, 0.08)
                                 : (row.hovered ? Theme.faded(Theme.secondary, 0.06) : "transparent")
            opacity: list.dragFrom === row.index ? 0.5 : 1
        }
        contentItem: RowLayout {
            spacing: 8
            Item {
                Layout.preferredWidth: Theme.rowMarkWidth
                Layout.preferredHeight: Theme.rowMarkHeight
                Text {
                    anchors.centerIn: parent
                    visible: !row.isCurrent
                    text: ViewText.number(row.index + 1)
                    font.pixelSize: Theme.fontSmall
                    color: Theme.secondary
                }
                SymbolIcon {
                    anchors.centerIn: parent
                    visible: row.isCurrent
                    symbol: "speaker.wave.2.fill"
                    color: Theme.accent
                    size: Theme.rowMarkSymbolSize
                }
            }
            ColumnLayout {
                spacing: 1
                Layout.fillWidth: true
                RTLText {
                    text: row.title
                    lineLimit: 1
                    font.pixelSize: Theme.fontBody
                    color: row.isCurrent ? Theme.accent : Theme.primary
                    Layout.fillWidth: true
                }
                RTLText {
                    visible: row.artist.length > 0
                    text: row.artist
                    lineLimit: 1
                    font.pixelSize: Theme.fontSmall
                    color: Theme.secondary
                    Layout.fillWidth: true
                }
            }
            Text {
                text: row.formattedDuration
                font.family: "monospace"
                font.pixelSize: Theme.fontSmall
                color: Theme.secondary
            }
        }

        MouseArea {
            anchors.fill: parent
            preventStealing: true
            property real pressY: 0
            onPressed: (mouse) => { pressY = mouse.y }
            onDoubleClicked: list.playerManager.playFromQueue(row.index)
            onPositionChanged: (mouse) => {
                if (list.dragFrom < 0 && Math.abs(mouse.y - pressY) > 6)
                    list.dragFrom = row.index
                if (list.dragFrom >= 0)
                    list.dropBefore = list.positionAt(mapToItem(list, 0, mouse.y).y)
            }
            onReleased: {
                if (list.dragFrom >= 0 && list.dropBefore >= 0)
                    list.playerManager.moveQueueItem(list.dragFrom, list.dropBefore)
                list.dragFrom = -1
                list.dropBefore = -1
            }
            onCanceled: {
                list.dragFrom = -1
                list.dropBefore = -1
            }
        }
    }
    // qmllint enable unqualified

    Rectangle {
        visible: list.dragFrom >= 0 && list.dropBefore >= 0
        width: list.width
        height: 2
        color: Theme.accent
        y: {
            if (list.dropBefore < 0)
                return 0
            const item = list.itemAtIndex(Math.min(list.dropBefore, list.count - 1))
            if (!item)
                return 0
            return (list.dropBefore >= list.count ? item.y + item.height : item.y) - list.contentY - 1
        }
    }
}
