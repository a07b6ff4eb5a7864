import QtQuick
import Lyrabox

// A horizontal piece of a card's ground. A card whose rows a list makes one by one is
// drawn as pieces, rounded only where the card begins and ends; the card's soft shadow
// shows under its last piece.
//
// The ground is opaque rectangles with only the four corners rounded: a software
// renderer blends every pixel of an antialiased shape, and a whole rounded card costs a
// scrolling list more than everything on it.
Item {
    id: slice

    property bool isFirst: true
    property bool isLast: true
    property real radius: 12

    readonly property real topInset: isFirst ? radius : 0
    readonly property real bottomInset: isLast ? radius : 0

    Rectangle {
        // Between the rounded ends, edge to edge.
        y: slice.topInset
        width: slice.width
        height: Math.max(0, slice.height - slice.topInset - slice.bottomInset)
        color: Theme.card
    }
    Rectangle {
        // The band of a rounded end between its corners.
        visible: slice.isFirst
        x: slice.radius
        width: slice.width - 2 * slice.radius
        height: slice.radius
        color: Theme.card
    }
    Rectangle {
        visible: slice.isLast
        x: slice.radius
        y: slice.height - slice.radius
        width: slice.width - 2 * slice.radius
        height: slice.radius
        color: Theme.card
    }
    // The corners: each a whole rounded square whose inner three quarters fall on the
    // ground already drawn.
    Rectangle {
        visible: slice.isFirst
        x: 0
        y: 0
        width: 2 * slice.radius
        height: 2 * slice.radius
        radius: slice.radius
        color: Theme.card
    }
    Rectangle {
        visible: slice.isFirst
        x: slice.width - 2 * slice.radius
        y: 0
        width: 2 * slice.radius
        height: 2 * slice.radius
        radius: slice.radius
        color: Theme.card
    }
    Rectangle {
        visible: slice.isLast
        x: 0
        y: slice.height - 2 * slice.radius
        width: 2 * slice.radius
        height: 2 * slice.radius
        radius: slice.radius
        color: Theme.card
    }
    Rectangle {
        visible: slice.isLast
        x: slice.width - 2 * slice.radius
        y: slice.height - 2 * slice.radius
        width: 2 * slice.radius
        height: 2 * slice.radius
        radius: slice.radius
        color: Theme.card
    }
    Rectangle {
        // Black at 5 %, a point under the card.
        visible: slice.isLast
        x: slice.radius / 2
        y: slice.height
        width: slice.width - slice.radius
        height: 1
        color: "#0d000000"
    }
}
