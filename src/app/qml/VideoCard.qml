import QtQuick
import Lyrabox

// One video of the videos grid: a 16:9 thumbnail (the item's artwork, else a frame of
// the video, else a blue-to-purple placeholder), the duration in its corner, a play or
// pause mark over the item being played, and the title and artist under it.
Column {
    id: card

    property string title
    property string artist
    property string formattedDuration
    property url artworkSource
    property url frameSource
    property bool isCurrent: false
    property bool isPlaying: false

    readonly property real thumbnailHeight: Math.round(width * 9 / 16)
    readonly property bool hasThumbnail: thumbnail.status === Image.Ready

    spacing: 8

    component Placeholder: GradientTile {
        readonly property color blue: Theme.isDark ? "#0a84ff" : "#007aff"
        readonly property color purple: Theme.isDark ? "#bf5af2" : "#af52de"

        objectName: "videoPlaceholder"
        // Blue and purple at 20 % over the window, as opaque colours.
        radius: 0
        startColor: Qt.tint(Theme.window, Theme.faded(blue, 0.2))
        endColor: Qt.tint(Theme.window, Theme.faded(purple, 0.2))
        SymbolIcon {
            anchors.centerIn: parent
            symbol: "film"
            size: 32
            color: Theme.secondary
            opacity: 0.5
        }
    }
    component PlayingMark: Rectangle {
        id: mark

        property bool isPlaying: false

        objectName: "playingOverlay"
        color: "#4d000000"
        SymbolIcon {
            anchors.centerIn: parent
            symbol: mark.isPlaying ? "pause.fill" : "play.fill"
            size: 28
            color: "white"
        }
    }

    Item {
        objectName: "videoThumbnail"
        width: card.width
        height: card.thumbnailHeight

        Loader {
            // Made only for a video without a picture (none, or none could be made), not
            // for every card a scrolling grid makes; while a picture loads, the card
            // stays empty for a moment rather than flashing the placeholder.
            anchors.fill: parent
            active: thumbnail.status === Image.Null || thumbnail.status === Image.Error
            sourceComponent: Placeholder {}
        }
        Image {
            id: thumbnail
            objectName: "videoImage"
            anchors.fill: parent
            visible: card.hasThumbnail
            asynchronous: true
            // Decoded at the size drawn and cropped to fill: square and opaque, drawn pixel
            // for pixel, so the nearest texel is exact and costs a software renderer far
            // less than filtering.
            smooth: false
            sourceSize.width: Math.ceil(card.width * Screen.devicePixelRatio)
            sourceSize.height: Math.ceil(card.thumbnailHeight * Screen.devicePixelRatio)
            // (A video's picture is cropped to fill by its provider.)
            source: String(card.artworkSource).length > 0 ? card.artworkSource + "/fill/0"
                                                          : card.frameSource
        }
        Loader {
            id: playingMark
            // Only the card of the item being played has one.
            anchors.fill: parent
            active: card.isCurrent
            sourceComponent: PlayingMark {}
        }
        Binding {
            when: playingMark.status === Loader.Ready
            target: playingMark.item
            property: "isPlaying"
            value: card.isPlaying
        }
        Rectangle {
            objectName: "durationBadge"
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 6
            width: durationText.implicitWidth + 12
            height: durationText.implicitHeight + 4
            radius: 4
            color: "#bf000000"
            Text {
                id: durationText
                anchors.centerIn: parent
                text: card.formattedDuration
                font.pixelSize: Theme.fontSmall
                font.weight: Font.DemiBold
                color: "white"
            }
        }
        RoundedCorners {
            // The picture itself stays square and opaque.
            radius: 8
        }
    }
    RTLText {
        objectName: "videoTitle"
        width: card.width
        text: card.title
        lineLimit: 2
        font.pixelSize: Theme.fontBody
        font.weight: Font.Medium
    }
    RTLText {
        objectName: "videoArtist"
        width: card.width
        visible: card.artist.length > 0
        text: card.artist
        lineLimit: 1
        font.pixelSize: Theme.fontSmall
        color: Theme.secondary
    }
}
