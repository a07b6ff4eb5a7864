import QtQuick
import Lyrabox

// A symbol centred on a rounded square of one colour (a cover's placeholder, a badge),
// drawn as one picture by the symbol provider: the rows of a list then draw all their
// tiles in one go, where a square with an icon laid on it costs each row its own.
Image {
    id: tile

    property string symbol
    property color color: Theme.primary
    property color tileColor
    property real symbolSize: Theme.iconSize
    property real radius: 4

    asynchronous: true
    sourceSize.width: Math.ceil(tile.width * Screen.devicePixelRatio)
    sourceSize.height: Math.ceil(tile.height * Screen.devicePixelRatio)
    source: tile.symbol.length > 0 && tile.width > 0 && tile.height > 0
            ? "image://symbol/" + tile.symbol + "/" + tile.color.toString().substring(1) + "/"
              + tile.tileColor.toString().substring(1) + "/"
              + Math.round(tile.symbolSize * 1000 / Math.min(tile.width, tile.height)) + "/"
              + Math.round(tile.radius * 1000 / Math.min(tile.width, tile.height))
            : ""
}
