import QtQuick
import Lyrabox

// The "Videos" section: the video items among the library's search results (the
// library's search narrows this section too).
PageScaffold {
    id: page

    required property LibraryManager libraryManager

    signal addFilesRequested()

    objectName: "videoLibraryView"
    title: qsTr("Videos")
    subtitle: qsTr("%1 videos").arg(counts.videoCount)
    isEmpty: counts.videoCount === 0
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

    LibraryCounts {
        id: counts
        library: page.libraryManager
    }
}
