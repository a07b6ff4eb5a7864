import QtQuick
import Lyrabox

// The picture of a video item on black, fitted inside with its aspect ratio.
Rectangle {
    id: root

    property VideoSurface playerLayer: null

    color: "black"

    VideoHost {
        anchors.fill: parent
        visible: root.playerLayer !== null
        playerLayer: root.playerLayer
    }
}
