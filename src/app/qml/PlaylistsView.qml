import QtQuick
import Lyrabox

// The "Playlists" section: the user's playlists and the audiobooks made from folders.
PageScaffold {
    id: page

    required property LibraryManager libraryManager

    objectName: "playlistsView"
    title: qsTr("Playlists")
    subtitle: qsTr("%1 playlists").arg(counts.playlistCount)
    isEmpty: counts.playlistCount === 0
    emptySymbol: "list.bullet.rectangle"
    emptyTitle: qsTr("No Playlists")
    emptyText: qsTr("Create playlists to organize your media.\nFolders added as audiobooks will appear here too.")

    LibraryCounts {
        id: counts
        library: page.libraryManager
    }
}
