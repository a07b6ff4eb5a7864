import QtQuick
import Lyrabox

// One media item as a row of a list: the position (or the playing marks), the cover,
// the title with "artist — album" under it, the chapter and video badges, and the
// duration. The current item's row is tinted, its title bold in the accent colour.
// Laid out with anchors and positioners, and fed texts made in C++ (MediaRows): a list
// scrolling through thousands of rows sets these on a reused row for every row that
// comes into view.
Rectangle {
    id: row

    property int displayIndex: 1
    // One line of text each (see the titleLine and detailLine roles).
    property string title
    property bool titleIsRTL: false
    property string detailLine
    property bool detailIsRTL: false
    property string formattedDuration
    property bool isVideo: false
    property url artworkSource
    property int chapterCount: 0
    property bool isCurrent: false
    property bool isPlaying: false
    // The player's time while this row's item is current: the playing bars step with it.
    property real clock: 0

    readonly property color videoBlue: Theme.isDark ? "#409cff" : "#007aff"
    // The placeholder's tint, opaque: a software renderer blends every translucent pixel.
    readonly property color placeholderColor: Qt.tint(Theme.window, Theme.faded(Theme.accent, 0.15))

    implicitHeight: 44
    radius: 6
    color: row.isCurrent ? Theme.faded(Theme.accent, 0.08) : "transparent"

    Item {
        id: leading
        objectName: "leadingCell"
        anchors.left: parent.left
        anchors.leftMargin: 4
        width: 28
        height: parent.height
        Loader {
            anchors.centerIn: parent
            active: row.isCurrent && row.isPlaying
            // Qt 6.4's qmllint flags this file's ids inside a component; the
            // component is made here, where they resolve.
            // qmllint disable unqualified
            sourceComponent: PlayingIndicator {
                objectName: "playingIndicator"
                height: 14
                clock: row.clock
            }
            // qmllint enable unqualified
        }
        SymbolIcon {
            anchors.centerIn: parent
            visible: row.isCurrent && !row.isPlaying
            symbol: "pause.fill"
            size: 10
            color: Theme.accent
        }
        Text {
            objectName: "rowIndex"
            anchors.centerIn: parent
            visible: !row.isCurrent
            text: ViewText.number(row.displayIndex)
            font.family: "monospace"
            font.pixelSize: Theme.fontFootnote
            font.weight: Font.Medium
            color: Theme.secondary
        }
    }

    Item {
        id: coverCell
        anchors.left: leading.right
        anchors.leftMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        width: 36
        height: 36
        Image {
            id: cover
            anchors.fill: parent
            visible: status === Image.Ready
            asynchronous: true
            sourceSize.width: Math.ceil(36 * Screen.devicePixelRatio)
            sourceSize.height: Math.ceil(36 * Screen.devicePixelRatio)
            // Cropped to the square and rounded where it is decoded.
            source: String(row.artworkSource).length > 0 ? row.artworkSource + "/fill/111" : ""
        }
        SymbolTile {
            objectName: "coverPlaceholder"
            anchors.fill: parent
            visible: cover.status !== Image.Ready
            symbol: row.isVideo ? "film" : "music.note"
            symbolSize: 14
            color: Theme.faded(Theme.accent, 0.6)
            tileColor: row.placeholderColor
        }
    }

    Column {
        anchors.left: coverCell.right
        anchors.leftMargin: 12
        anchors.right: trailing.left
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        spacing: 2
        Text {
            objectName: "rowTitle"
            width: parent.width
            text: row.title
            textFormat: Text.PlainText
            horizontalAlignment: row.titleIsRTL ? Text.AlignRight : Text.AlignLeft
            LayoutMirroring.enabled: false
            elide: Text.ElideRight
            font.pixelSize: Theme.fontBody
            font.weight: row.isCurrent ? Font.Bold : Font.Medium
            color: row.isCurrent ? Theme.accent : Theme.primary
        }
        Text {
            objectName: "rowDetail"
            width: parent.width
            visible: row.detailLine.length > 0
            text: row.detailLine
            textFormat: Text.StyledText
            horizontalAlignment: row.detailIsRTL ? Text.AlignRight : Text.AlignLeft
            LayoutMirroring.enabled: false
            elide: Text.ElideRight
            maximumLineCount: 1
            font.pixelSize: Theme.fontSmall
            color: Theme.secondary
        }
    }

    Row {
        id: trailing
        anchors.right: parent.right
        anchors.rightMargin: 4
        anchors.verticalCenter: parent.verticalCenter
        spacing: 12
        Rectangle {
            objectName: "chapterBadge"
            anchors.verticalCenter: parent.verticalCenter
            visible: row.chapterCount >= 2
            width: badgeRow.implicitWidth + 12
            height: badgeRow.implicitHeight + 4
            radius: height / 2
            color: Theme.faded(Theme.chapterMark, 0.12)
            Row {
                id: badgeRow
                anchors.centerIn: parent
                spacing: 3
                SymbolIcon {
                    anchors.verticalCenter: parent.verticalCenter
                    symbol: "bookmark.fill"
                    size: 9
                    color: Theme.chapterMark
                }
                Text {
                    objectName: "chapterCount"
                    anchors.verticalCenter: parent.verticalCenter
                    text: ViewText.number(row.chapterCount)
                    font.pixelSize: Theme.fontTiny
                    font.weight: Font.Medium
                    color: Theme.chapterMark
                }
            }
        }
        SymbolTile {
            objectName: "videoBadge"
            anchors.verticalCenter: parent.verticalCenter
            visible: row.isVideo
            width: 16
            height: 16
            symbol: "film"
            symbolSize: 10
            color: row.videoBlue
            tileColor: Theme.faded(row.videoBlue, 0.1)
        }
        Text {
            objectName: "rowDuration"
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(50, implicitWidth)
            horizontalAlignment: Text.AlignRight
            text: row.formattedDuration
            font.family: "monospace"
            font.pixelSize: Theme.fontFootnote
            font.weight: Font.Medium
            color: Theme.secondary
        }
    }
}
