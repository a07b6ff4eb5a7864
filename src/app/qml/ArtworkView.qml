import QtQuick
import Lyrabox

// A cover from the artwork provider with rounded corners, or the placeholder: a
// rounded square in the accent colour at low opacity with the "music.note" symbol.
// `fill` crops the picture to the square; otherwise it fits inside, aspect kept.
Item {
    id: root

    property url source
    property bool fill: true
    property real radius: 6
    property real placeholderSize: width
    property real noteSize: width * 0.4

    readonly property bool hasArtwork: String(root.source).length > 0 && image.status !== Image.Error

    Image {
        id: image
        anchors.fill: parent
        visible: root.hasArtwork
        asynchronous: true
        fillMode: Image.PreserveAspectFit
        sourceSize.width: Math.ceil(width * Screen.devicePixelRatio)
        sourceSize.height: Math.ceil(height * Screen.devicePixelRatio)
        // Rounding and cropping happen where the picture is decoded, at pixel size.
        source: String(root.source).length > 0
                ? root.source + (root.fill ? "/fill/" : "/fit/")
                  + Math.round(1000 * root.radius / Math.max(1, Math.min(width, height)))
                : ""
    }
    Rectangle {
        visible: !root.hasArtwork
        anchors.centerIn: parent
        width: root.placeholderSize
        height: root.placeholderSize
        radius: root.radius
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.faded(Theme.accent, 0.28) }
            GradientStop { position: 1; color: Theme.faded(Theme.accent, 0.12) }
        }
        SymbolIcon {
            anchors.centerIn: parent
            symbol: "music.note"
            color: Theme.faded(Theme.accent, 0.5)
            size: root.noteSize
        }
    }
}
