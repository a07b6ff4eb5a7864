import QtQuick
import QtQuick.Controls
import Lyrabox

// The "Videos" section: the video items among the library's search results (the
// library's search narrows this section too) as a grid of cards. A double click plays
// the videos shown, in grid order, from that card.
PageScaffold {
    id: page

    required property LibraryManager libraryManager
    required property MediaPlayerManager playerManager

    signal addFilesRequested()

    function playFrom(row: int) {
        page.playerManager.play(page.libraryManager.itemsWithIds(videos.itemIds()), row)
    }

    objectName: "videoLibraryView"
    title: qsTr("Videos")
    subtitle: qsTr("%Ln videos", "", videos.count)
    isEmpty: videos.count === 0
    emptySymbol: "film"
    emptyTitle: qsTr("No Videos")
    emptyText: qsTr("Add video files to your library or\nstream from YouTube.")

    headerActions: [
        // The general chooser: any media file may be added from here.
        LabeledButton {
            objectName: "addVideosButton"
            symbol: "plus"
            text: qsTr("Add Videos")
            onClicked: page.addFilesRequested()
        }
    ]

    LibraryListModel {
        id: videos
        library: page.libraryManager
        videosOnly: true
        // A new search shows its results from the first, wherever the grid was.
        onSearchTextChanged: grid.positionViewAtBeginning()
    }
    PlayerItemInfo {
        id: playing
        player: page.playerManager
    }

    GridView {
        id: grid
        objectName: "videoGrid"

        readonly property int padding: 20
        readonly property int gap: 16
        // As many columns of 200 to 280 points as fit beside the right-hand padding (the
        // left-hand one is the grid's margin).
        readonly property int columns: Math.max(1, Math.floor((width - padding + gap) / (200 + gap)))
        // Whole points, so that cards (and their pictures) sit on whole pixels.
        readonly property real columnWidth: Math.min(280, Math.floor((width - padding + gap) / columns - gap))
        // The thumbnail, two lines of title and a line of artist under it.
        readonly property real cardHeight: Math.round(columnWidth * 9 / 16) + 8 + 36 + 16

        anchors.fill: parent
        anchors.leftMargin: padding
        topMargin: padding
        bottomMargin: padding
        clip: true
        reuseItems: true
        boundsBehavior: Flickable.StopAtBounds
        cellWidth: columnWidth + gap
        cellHeight: cardHeight + gap
        model: videos
        ScrollBar.vertical: ScrollBar {}

        // qmllint disable unqualified
        delegate: Item {
            id: cell
            required property int index
            required property string itemId
            required property string titleLine
            required property string artist
            required property string formattedDuration
            required property url artworkSource
            required property url frameSource

            objectName: "videoCard_" + cell.index
            width: grid.cellWidth
            height: grid.cellHeight
            VideoCard {
                width: grid.columnWidth
                title: cell.titleLine
                artist: cell.artist.replace(/[\r\n\u2028\u2029]+/g, " ")
                formattedDuration: cell.formattedDuration
                artworkSource: cell.artworkSource
                frameSource: cell.frameSource
                isCurrent: cell.itemId === playing.itemId
                isPlaying: page.playerManager.isPlaying
            }
            MouseArea {
                width: grid.columnWidth
                height: grid.cardHeight
                // A single click does nothing; a double click plays from this card.
                onDoubleClicked: page.playFrom(cell.index)
            }
        }
        // qmllint enable unqualified
    }
}
