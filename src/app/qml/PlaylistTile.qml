import QtQuick
import Lyrabox

// A playlist's tile: a rounded gradient of its tint from 30 % at the top to 10 % at
// the bottom, with the playlist's symbol in the tint colour in the middle.
Rectangle {
    id: tile

    property color tint: Theme.accent
    property string symbol: "music.note.list"
    property real symbolSize: 36

    gradient: Gradient {
        GradientStop { position: 0; color: Theme.faded(tile.tint, 0.3) }
        GradientStop { position: 1; color: Theme.faded(tile.tint, 0.1) }
    }
    SymbolIcon {
        objectName: "tileSymbol"
        anchors.centerIn: parent
        symbol: tile.symbol
        size: tile.symbolSize
        color: tile.tint
    }
}
