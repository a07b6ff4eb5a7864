import QtQuick
import QtQuick.Layouts
import Lyrabox

// One group of a settings form: its title above a rounded panel holding the rows.
ColumnLayout {
    id: section

    property string title
    default property alias rows: panelRows.data

    Layout.fillWidth: true
    spacing: 4

    Text {
        text: section.title
        font.pixelSize: Theme.fontFootnote
        font.weight: Font.DemiBold
        color: Theme.secondary
        Layout.leftMargin: 4
    }
    Rectangle {
        Layout.fillWidth: true
        implicitHeight: panelRows.implicitHeight + 16
        radius: 6
        color: Theme.card
        border.color: Theme.separator
        border.width: Theme.hairline

        ColumnLayout {
            id: panelRows
            anchors.fill: parent
            anchors.leftMargin: 10
            anchors.rightMargin: 10
            anchors.topMargin: 8
            anchors.bottomMargin: 8
            spacing: 6
        }
    }
}
