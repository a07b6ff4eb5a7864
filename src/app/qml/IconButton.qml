import QtQuick
import QtQuick.Controls
import Lyrabox

// A plain (borderless) button showing a symbol, with an optional hover help text. It
// never takes the keyboard focus, so Space stays the play / pause key.
AbstractButton {
    id: control

    property string symbol
    property color color: Theme.secondary
    property real iconSize: Theme.iconSize
    property string helpText: ""

    focusPolicy: Qt.NoFocus
    hoverEnabled: true
    padding: 4
    implicitWidth: iconSize + leftPadding + rightPadding
    implicitHeight: iconSize + topPadding + bottomPadding

    contentItem: SymbolIcon {
        symbol: control.symbol
        color: control.color
        size: control.iconSize
        opacity: control.pressed ? 0.55 : (control.hovered ? 0.85 : 1)
    }
    background: Item {}

    ToolTip.visible: helpText.length > 0 && hovered
    ToolTip.text: helpText
    ToolTip.delay: 700
}
