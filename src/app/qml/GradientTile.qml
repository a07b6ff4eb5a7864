import QtQuick
import Lyrabox

// A rounded rectangle shaded from `startColor` in its top-leading corner to `endColor`
// in the bottom-trailing one, drawn once as an image (TileImageProvider).
Image {
    id: tile

    property color startColor
    property color endColor
    property real radius: 8
    // The opaque colour the tile sits on, if any: its corners are then painted in it,
    // and the tile is drawn without blending.
    property color groundColor: "transparent"

    sourceSize.width: Math.ceil(tile.width * Screen.devicePixelRatio)
    sourceSize.height: Math.ceil(tile.height * Screen.devicePixelRatio)
    source: tile.width > 0 && tile.height > 0
            ? "image://tile/" + tile.startColor.toString().substring(1) + "/"
              + tile.endColor.toString().substring(1) + "/"
              + Math.round(tile.radius * 1000 / Math.min(tile.width, tile.height))
              + (tile.groundColor.a === 1 ? "/" + tile.groundColor.toString().substring(1) : "")
            : ""
    // Leading is the right-hand side in a mirrored layout.
    mirror: Theme.rightToLeft
    smooth: true
}
