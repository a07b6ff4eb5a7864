import QtQuick
import QtQuick.Controls
import Lyrabox

// A list of media rows (the library, a playlist's items) over a model with the media
// row roles: alternating row backgrounds, selection by click (Ctrl adds or removes a
// row, Shift extends), a double click to play, a secondary click for the context menu
// and, when `reorderable`, rows dragged to a new place (a line shows where they land).
ListView {
    id: list

    required property MediaPlayerManager playerManager
    property string currentItemId
    // Selected rows by item id.
    property var selectedItems: ({})
    property bool reorderable: false

    // The row being dragged and the position it would land before, or -1.
    property int dragFrom: -1
    property int dropBefore: -1
    property int anchorRow: -1
    readonly property color alternateColor: Qt.tint(Theme.window, Theme.faded(Theme.secondary, 0.06))
    readonly property color selectedColor: Qt.tint(Theme.window, Theme.faded(Theme.accent, 0.22))

    signal rowActivated(int row)
    signal contextMenuRequested(int row, string itemId, url file)
    signal selectionChanged(var selection)
    signal rowMoved(int from, int to)

    function positionAt(y: real): int {
        const row = indexAt(0, contentY + y)
        if (row < 0)
            return y < 0 ? 0 : count
        const item = itemAtIndex(row)
        return (contentY + y) - item.y > item.height / 2 ? row + 1 : row
    }
    function select(row: int, itemId: string, modifiers: int) {
        let selection = {}
        if (modifiers & Qt.ControlModifier) {
            selection = Object.assign({}, list.selectedItems)
            if (selection[itemId])
                delete selection[itemId]
            else
                selection[itemId] = true
        } else if ((modifiers & Qt.ShiftModifier) && list.anchorRow >= 0) {
            const model = list.model as IdListModel
            for (let r = Math.min(row, list.anchorRow); r <= Math.max(row, list.anchorRow); ++r)
                selection[model.idAt(r)] = true
        } else {
            selection[itemId] = true
        }
        if (!(modifiers & Qt.ShiftModifier))
            list.anchorRow = row
        list.selectionChanged(selection)
    }

    clip: true
    reuseItems: true
    boundsBehavior: Flickable.StopAtBounds
    topMargin: 6
    bottomMargin: 6
    ScrollBar.vertical: ScrollBar {}

    // qmllint disable unqualified
    delegate: Item {
        id: entry
        required property int index
        required property string itemId
        required property string title
        required property string titleLine
        required property bool titleIsRTL
        required property string detailLine
        required property bool detailIsRTL
        required property string formattedDuration
        required property bool isVideo
        required property url artworkSource
        required property int chapterCount
        required property url fileUrl

        readonly property bool selected: list.selectedItems[entry.itemId] === true

        width: list.width
        height: 46
        opacity: list.dragFrom === entry.index ? 0.5 : 1

        // Opaque tints of the window colour with square corners: a software renderer
        // blends every pixel of a translucent or antialiased row, which costs a
        // scrolling list more than all its texts.
        Rectangle {
            anchors.fill: parent
            anchors.leftMargin: 10
            anchors.rightMargin: 10
            visible: entry.selected || entry.index % 2 === 1
            color: entry.selected ? list.selectedColor : list.alternateColor
        }
        MediaRowView {
            anchors.fill: parent
            anchors.leftMargin: 10
            anchors.rightMargin: 10
            anchors.topMargin: 1
            anchors.bottomMargin: 1
            displayIndex: entry.index + 1
            title: entry.titleLine
            titleIsRTL: entry.titleIsRTL
            detailLine: entry.detailLine
            detailIsRTL: entry.detailIsRTL
            formattedDuration: entry.formattedDuration
            isVideo: entry.isVideo
            artworkSource: entry.artworkSource
            chapterCount: entry.chapterCount
            isCurrent: entry.itemId === list.currentItemId
            isPlaying: list.playerManager.isPlaying
            // Whole seconds: the bars step in the frame that redraws the time texts.
            clock: isCurrent ? Math.floor(list.playerManager.currentTime) : 0
        }
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton | Qt.RightButton
            preventStealing: list.reorderable
            property real pressY: 0
            onPressed: (mouse) => {
                pressY = mouse.y
                if (mouse.button === Qt.RightButton)
                    list.contextMenuRequested(entry.index, entry.itemId, entry.fileUrl)
                else
                    list.select(entry.index, entry.itemId, mouse.modifiers)
            }
            onDoubleClicked: (mouse) => {
                if (mouse.button === Qt.LeftButton)
                    list.rowActivated(entry.index)
            }
            onPositionChanged: (mouse) => {
                if (!list.reorderable)
                    return
                if (list.dragFrom < 0 && Math.abs(mouse.y - pressY) > 6)
                    list.dragFrom = entry.index
                if (list.dragFrom >= 0)
                    list.dropBefore = list.positionAt(mapToItem(list, 0, mouse.y).y)
            }
            onReleased: {
                if (list.dragFrom >= 0 && list.dropBefore >= 0)
                    list.rowMoved(list.dragFrom, list.dropBefore)
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
        x: 10
        width: list.width - 20
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
