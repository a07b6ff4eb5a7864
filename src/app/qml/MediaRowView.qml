import QtQuick
import QtQuick.Layouts
import Lyrabox

// One media item as a row of a list: the position (or the playing marks), the cover,
// the title with the artist and album under it, the chapter and video badges, and the
// duration. The current item's row is tinted, its title bold in the accent colour.
Rectangle {
    id: row

    property int displayIndex: 1
    property string title
    property string artist
    property string album
    property string formattedDuration
    property bool isVideo: false
    property url artworkSource
    property int chapterCount: 0
    property bool isCurrent: false
    property bool isPlaying: false
    // The player's time while this row's item is current: the playing bars step with it.
    property real clock: 0

    readonly property color videoBlue: Theme.isDark ? "#409cff" : "#007aff"

    // A text for a styled line: markup characters shown as themselves, on one line.
    function escaped(text: string): string {
        return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
                   .replace(/[\r\n\u2028\u2029]+/g, " ")
    }

    implicitHeight: 44
    radius: 6
    color: row.isCurrent ? Theme.faded(Theme.accent, 0.08) : "transparent"
    // The placeholder's tint, opaque (see MediaList).
    readonly property color placeholderColor: Qt.tint(Theme.window, Theme.faded(Theme.accent, 0.15))

    RowLayout {
        anchors.fill: parent
        anchors.margins: 4
        spacing: 12

        Item {
            objectName: "leadingCell"
            Layout.preferredWidth: 28
            Layout.fillHeight: true
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
                text: row.displayIndex
                font.family: "monospace"
                font.pixelSize: Theme.fontFootnote
                font.weight: Font.Medium
                color: Theme.secondary
            }
        }

        Item {
            Layout.preferredWidth: 36
            Layout.preferredHeight: 36
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
            Rectangle {
                anchors.fill: parent
                visible: cover.status !== Image.Ready
                radius: 4
                color: row.placeholderColor
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: row.isVideo ? "film" : "music.note"
                    size: 14
                    color: Theme.faded(Theme.accent, 0.6)
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2
            RTLText {
                objectName: "rowTitle"
                Layout.fillWidth: true
                // One line: a title with line breaks shows them as spaces.
                text: row.title.replace(/[\r\n\u2028\u2029]+/g, " ")
                lineLimit: 1
                font.pixelSize: Theme.fontBody
                font.weight: row.isCurrent ? Font.Bold : Font.Medium
                color: row.isCurrent ? Theme.accent : Theme.primary
            }
            // Artist — album as one line: one text to lay out and draw, aligned by the
            // direction of what it says. The separator is drawn at half strength.
            Text {
                objectName: "rowDetail"
                Layout.fillWidth: true
                visible: row.artist.length > 0 || row.album.length > 0
                readonly property string line: row.artist + row.album
                text: row.escaped(row.artist)
                      + (row.artist.length > 0 && row.album.length > 0
                         ? " <font color=\"" + Theme.faded(Theme.secondary, 0.5) + "\">—</font> " : "")
                      + row.escaped(row.album)
                textFormat: Text.StyledText
                horizontalAlignment: ViewText.isRTL(line) ? Text.AlignRight : Text.AlignLeft
                LayoutMirroring.enabled: false
                elide: Text.ElideRight
                maximumLineCount: 1
                font.pixelSize: Theme.fontSmall
                color: Theme.secondary
            }
        }

        Rectangle {
            objectName: "chapterBadge"
            visible: row.chapterCount >= 2
            implicitWidth: badgeRow.implicitWidth + 12
            implicitHeight: badgeRow.implicitHeight + 4
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
                    text: row.chapterCount
                    font.pixelSize: Theme.fontTiny
                    font.weight: Font.Medium
                    color: Theme.chapterMark
                }
            }
        }

        Rectangle {
            objectName: "videoBadge"
            visible: row.isVideo
            implicitWidth: 16
            implicitHeight: 16
            radius: 4
            color: Theme.faded(row.videoBlue, 0.1)
            SymbolIcon {
                anchors.centerIn: parent
                symbol: "film"
                size: 10
                color: row.videoBlue
            }
        }

        Text {
            objectName: "rowDuration"
            Layout.minimumWidth: 50
            horizontalAlignment: Text.AlignRight
            text: row.formattedDuration
            font.family: "monospace"
            font.pixelSize: Theme.fontFootnote
            font.weight: Font.Medium
            color: Theme.secondary
        }
    }
}
