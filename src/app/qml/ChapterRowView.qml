import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// One row of the chapter list: number (or the speaker mark when current), title,
// start time and length. The current row has a faint accent background.
ItemDelegate {
    id: row

    required property string title
    required property int number
    required property string formattedStartTime
    required property string formattedLength
    required property bool isCurrent

    focusPolicy: Qt.NoFocus
    leftPadding: 8
    rightPadding: 10
    topPadding: 5
    bottomPadding: 5

    background: Rectangle {
        color: row.isCurrent ? Theme.faded(Theme.accent, 0.08)
                             : (row.hovered ? Theme.faded(Theme.secondary, 0.06) : "transparent")
    }
    contentItem: RowLayout {
        spacing: 8
        Item {
            Layout.preferredWidth: Theme.rowMarkWidth
            Layout.preferredHeight: Theme.rowMarkHeight
            Text {
                anchors.centerIn: parent
                visible: !row.isCurrent
                text: ViewText.number(row.number)
                font.family: "monospace"
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
            Text {
                text: row.formattedStartTime
                font.family: "monospace"
                font.pixelSize: Theme.fontTiny
                color: Theme.secondary
            }
        }
        Text {
            text: row.formattedLength
            font.family: "monospace"
            font.pixelSize: Theme.fontSmall
            color: Theme.secondary
        }
    }
}
