import QtQuick
import QtQuick.Controls
import Lyrabox

// The context menu of a library row: play, play next, the playlist entries, reveal and
// remove. It acts on the item's id taken when it opened, so a row removed meanwhile
// makes its entries do nothing.
Menu {
    id: menu

    required property LibraryManager libraryManager
    readonly property alias playlists: playlistModel

    property string itemId
    property url file

    signal playRequested(string itemId)
    signal playNextRequested(string itemId)
    signal newPlaylistRequested(string itemId)
    signal revealRequested(url file)

    function openFor(row: int, itemId: string, file: url) {
        menu.itemId = itemId
        menu.file = file
        // "Add to Playlist" is there only while there are playlists to add to.
        const index = 4
        const present = menu.menuAt(index) === addToPlaylist
        if (playlistModel.count > 0 && !present)
            menu.insertMenu(index, addToPlaylist)
        else if (playlistModel.count === 0 && present)
            menu.takeMenu(index)
        menu.popup()
    }
    function stillThere(): bool {
        return menu.libraryManager.itemsWithIds([menu.itemId]).length > 0
    }

    objectName: "itemContextMenu"

    PlaylistListModel {
        id: playlistModel
        library: menu.libraryManager
    }

    MenuItem {
        objectName: "playEntry"
        text: qsTr("Play")
        onTriggered: menu.playRequested(menu.itemId)
    }
    MenuItem {
        objectName: "playNextEntry"
        text: qsTr("Play Next")
        onTriggered: menu.playNextRequested(menu.itemId)
    }
    MenuSeparator {}
    MenuItem {
        objectName: "newPlaylistEntry"
        text: qsTr("Add to New Playlist...")
        onTriggered: {
            if (menu.stillThere())
                menu.newPlaylistRequested(menu.itemId)
        }
    }
    Menu {
        id: addToPlaylist
        objectName: "addToPlaylistMenu"
        title: qsTr("Add to Playlist")
        signal playlistChosen(string playlistId)
        onPlaylistChosen: (playlistId) => menu.libraryManager.addItemToPlaylist(playlistId, menu.itemId)
        Instantiator {
            model: playlistModel
            // qmllint disable unqualified
            delegate: MenuItem {
                required property string name
                required property string playlistId
                text: name
                onTriggered: addToPlaylist.playlistChosen(playlistId)
            }
            // qmllint enable unqualified
            onObjectAdded: (index, object) => addToPlaylist.insertItem(index, object as MenuItem)
            onObjectRemoved: (index, object) => addToPlaylist.removeItem(object as MenuItem)
        }
    }
    MenuSeparator {}
    MenuItem {
        objectName: "revealEntry"
        text: qsTr("Show in File Manager")
        onTriggered: {
            if (menu.stillThere())
                menu.revealRequested(menu.file)
        }
    }
    MenuSeparator {}
    MenuItem {
        objectName: "removeEntry"
        text: qsTr("Remove from Library")
        // A destructive action.
        palette.text: Theme.destructive
        palette.windowText: Theme.destructive
        onTriggered: menu.libraryManager.removeItem(menu.itemId)
    }
}
