import QtQuick
import Lyrabox

// A horizontal piece of a card's ground. A card whose rows a list makes one by one is
// drawn as pieces, rounded only where the card begins and ends; the card's soft shadow
// shows under its last piece.
Item {
    id: slice

    property bool isFirst: true
    property bool isLast: true
    property real radius: 12

    Rectangle {
        // Black at 5 %, a point lower than the card.
        visible: slice.isLast
        y: slice.height - slice.radius * 2 + 1
        width: slice.width
        height: slice.radius * 2
        radius: slice.radius
        color: "#0d000000"
    }
    Rectangle {
        visible: slice.isFirst && slice.isLast
        anchors.fill: parent
        radius: slice.radius
        color: Theme.card
    }
    Rectangle {
        visible: !(slice.isFirst && slice.isLast)
        anchors.fill: parent
        anchors.topMargin: slice.isFirst ? slice.radius : 0
        anchors.bottomMargin: slice.isLast ? slice.radius : 0
        color: Theme.card
    }
    Rectangle {
        // The rounded end of a card that goes on below or above this slice.
        visible: slice.isFirst !== slice.isLast
        y: slice.isFirst ? 0 : slice.height - 2 * slice.radius
        width: slice.width
        height: 2 * slice.radius
        radius: slice.radius
        color: Theme.card
    }
}
