import QtQuick
import QtQuick.Controls
import Lyrabox

// A button with a symbol and a text: bordered, or prominent (filled with the accent
// colour, for the one action a page suggests). It never takes the keyboard focus, so
// Space stays the play / pause key.
AbstractButton {
    id: control

    property string symbol
    property bool prominent: false

    readonly property color foreground: prominent ? "white" : Theme.primary

    focusPolicy: Qt.NoFocus
    hoverEnabled: true
    leftPadding: prominent ? Theme.prominentHPadding : Theme.buttonHPadding
    rightPadding: leftPadding
    topPadding: prominent ? Theme.prominentVPadding : Theme.buttonVPadding
    bottomPadding: topPadding
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    font.pixelSize: Theme.fontBody
    opacity: enabled ? 1 : 0.45

    contentItem: Row {
        spacing: Theme.buttonIconSpacing
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            visible: control.symbol.length > 0
            symbol: control.symbol
            color: control.foreground
            size: Theme.fontBody
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: control.text
            font: control.font
            color: control.foreground
        }
    }
    background: Rectangle {
        radius: Theme.buttonRadius
        color: control.prominent
               ? (control.pressed ? Qt.darker(Theme.accent, 1.15) : Theme.accent)
               : (control.pressed ? Theme.faded(Theme.secondary, 0.25)
                                  : Theme.faded(Theme.secondary, control.hovered ? 0.16 : 0.1))
        border.width: control.prominent ? 0 : Theme.hairline
        border.color: Theme.separator
    }
}
