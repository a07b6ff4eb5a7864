import QtQuick
import Lyrabox

// A horizontal piece of a card's ground. A card whose rows a list makes one by one is
// drawn as pieces, rounded only where the card begins and ends; the card's soft shadow
// shows under its last piece.
//
// All of it is opaque (the card always lies on the window's ground): a software
// renderer blends every pixel of an antialiased shape, and blended rounded corners cost
// a scrolling list of cards more than the rest of the card together.
Item {
    id: slice

    property bool isFirst: true
    property bool isLast: true
    property real radius: 12

    Rectangle {
        width: slice.width
        height: slice.height
        color: Theme.card
    }
    RoundedCorners {
        radius: slice.radius
        fill: Theme.card
        showTop: slice.isFirst
        showBottom: slice.isLast
    }
    Rectangle {
        // Black at 5 % a point under the card, as an opaque colour.
        visible: slice.isLast
        x: slice.radius / 2
        y: slice.height
        width: slice.width - slice.radius
        height: 1
        color: Qt.tint(Theme.window, "#0d000000")
    }
}
