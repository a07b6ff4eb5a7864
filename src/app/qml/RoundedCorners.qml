import QtQuick
import Lyrabox

// Rounds the corners of a square shape beneath by covering them with pieces that carry
// the ground's colour outside their arc, and inside it the shape's own colour (or
// nothing, over a picture). Squares drawn with a few small pieces cost a software
// renderer far less than antialiased rounded shapes, which blend every pixel.
Item {
    id: corners

    property real radius: 8
    // The colour inside the arc; transparent leaves what is beneath.
    property color fill: "transparent"
    property color ground: Theme.window
    property bool showTop: true
    property bool showBottom: true

    // Worked out once for the four pieces.
    readonly property int pixels: Math.ceil(radius * Screen.devicePixelRatio)
    readonly property string pieceSource: "image://tile/" + fill.toString().substring(1) + "/"
                                          + fill.toString().substring(1) + "/500/"
                                          + ground.toString().substring(1) + "/corner"

    anchors.fill: parent

    // The top-left piece, turned for the other corners.
    component Piece: Image {
        property real size
        property int pixels

        width: size
        height: size
        // Decoded at the size drawn: the nearest texel is exact.
        smooth: false
        sourceSize.width: pixels
        sourceSize.height: pixels
    }

    Piece {
        visible: corners.showTop
        size: corners.radius
        pixels: corners.pixels
        source: corners.pieceSource
    }
    Piece {
        visible: corners.showTop
        x: corners.width - width
        size: corners.radius
        pixels: corners.pixels
        source: corners.pieceSource
        mirror: true
    }
    Piece {
        visible: corners.showBottom
        y: corners.height - height
        size: corners.radius
        pixels: corners.pixels
        source: corners.pieceSource
        mirrorVertically: true
    }
    Piece {
        visible: corners.showBottom
        x: corners.width - width
        y: corners.height - height
        size: corners.radius
        pixels: corners.pixels
        source: corners.pieceSource
        mirror: true
        mirrorVertically: true
    }
}
