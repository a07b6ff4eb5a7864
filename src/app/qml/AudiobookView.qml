import QtQuick
import Lyrabox

// The "Audiobooks" section: the audiobook playlists, each made from one folder of
// chapter files.
PageScaffold {
    id: page

    required property LibraryManager libraryManager

    signal addFolderRequested()

    objectName: "audiobookView"
    title: qsTr("Audiobooks")
    subtitle: qsTr("%1 audiobooks").arg(counts.audiobookCount)
    isEmpty: counts.audiobookCount === 0
    emptySymbol: "book.closed"
    emptyTitle: qsTr("No Audiobooks")
    emptyText: qsTr("Add a folder containing audiobook chapters.\nChapters will be sorted correctly, even with Arabic titles.")

    headerActions: [
        LabeledButton {
            objectName: "addAudiobookFolderHeaderButton"
            symbol: "folder.badge.plus"
            text: qsTr("Add Audiobook Folder")
            onClicked: page.addFolderRequested()
        }
    ]
    emptyActions: [
        LabeledButton {
            objectName: "addAudiobookFolderButton"
            prominent: true
            symbol: "folder.badge.plus"
            text: qsTr("Add Audiobook Folder")
            onClicked: page.addFolderRequested()
        }
    ]

    LibraryCounts {
        id: counts
        library: page.libraryManager
    }
}
