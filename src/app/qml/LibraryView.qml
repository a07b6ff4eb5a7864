import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The "Library" section: every item of the library as rows, the search over it, the
// sort menu, "Play All", the add menu, each row's context menu, and the progress of
// an import. What the view holds for itself (the order, the selection, the sheet)
// starts afresh each time the section is shown.
PageScaffold {
    id: page

    required property LibraryManager libraryManager
    required property MediaPlayerManager playerManager

    // The rows selected by clicks, by item id. Nothing acts on them yet.
    property var selectedItems: ({})

    signal addFilesRequested()
    signal addFolderRequested()
    signal revealRequested(url file)

    // Plays the list exactly as shown (searched and sorted) from one row.
    function playFrom(row: int) {
        page.playerManager.play(page.libraryManager.itemsWithIds(rows.itemIds()), row)
    }

    objectName: "libraryView"
    title: qsTr("Library")
    // The whole library, whatever the search leaves.
    subtitle: qsTr("%Ln items", "", counts.itemCount)
    hasSearch: true
    searchPrompt: qsTr("Search library...")
    searchText: page.libraryManager.searchText
    onSearchEdited: (text) => { page.libraryManager.searchText = text }
    isEmpty: counts.itemCount === 0
    emptySymbol: "music.note.house"
    emptyTitle: qsTr("Your Library is Empty")
    emptyText: qsTr("Add files or folders to get started.\nDrag and drop media files here, or use the buttons below.")
    isLoading: page.libraryManager.isLoading
    loadingProgress: page.libraryManager.loadingProgress
    loadingText: qsTr("Loading media files...")

    // The order chosen in the settings ("natural" for a stored word that is none).
    function storedSortOrder(): int {
        switch (Preferences.defaultSortOrder) {
        case "title": return LibraryManager.SortOrder.Title
        case "artist": return LibraryManager.SortOrder.Artist
        case "album": return LibraryManager.SortOrder.Album
        case "duration": return LibraryManager.SortOrder.Duration
        default: return LibraryManager.SortOrder.Natural
        }
    }

    Component.onCompleted: rows.sortOrder = page.storedSortOrder()
    onShown: {
        rows.sortOrder = page.storedSortOrder()
        page.selectedItems = {}
        newPlaylistSheet.close()
        newPlaylistSheet.name = ""
        itemMenu.close()
    }

    headerActions: [
        Text {
            text: qsTr("Sort")
            font.pixelSize: Theme.fontBody
            color: Theme.secondary
        },
        ComboBox {
            id: sortMenu
            objectName: "sortMenu"
            Layout.preferredWidth: 160
            focusPolicy: Qt.NoFocus
            font.pixelSize: Theme.fontBody
            model: [LibraryManager.SortOrder.Natural, LibraryManager.SortOrder.Title,
                LibraryManager.SortOrder.Artist, LibraryManager.SortOrder.Album,
                LibraryManager.SortOrder.Duration, LibraryManager.SortOrder.DateAdded]
            currentIndex: Math.max(0, sortMenu.model.indexOf(rows.sortOrder))
            displayText: page.libraryManager.sortOrderTitle(rows.sortOrder)
            // qmllint disable unqualified
            delegate: MenuItem {
                required property int modelData
                required property int index
                width: sortMenu.width
                text: page.libraryManager.sortOrderTitle(modelData)
                highlighted: sortMenu.highlightedIndex === index
                checkable: true
                checked: rows.sortOrder === modelData
            }
            // qmllint enable unqualified
            onActivated: (index) => { rows.sortOrder = sortMenu.model[index] }
        },
        LabeledButton {
            objectName: "playAllButton"
            symbol: "play.fill"
            text: qsTr("Play All")
            enabled: counts.itemCount > 0
            onClicked: page.playFrom(0)
        },
        IconButton {
            id: addButton
            objectName: "addMenuButton"
            symbol: "plus"
            iconSize: Theme.headerIconSize
            color: Theme.primary
            helpText: qsTr("Add")
            onClicked: addMenu.popup(addButton, 0, addButton.height)
            Menu {
                id: addMenu
                objectName: "addMenu"
                MenuItem {
                    text: qsTr("Add Files...")
                    onTriggered: page.addFilesRequested()
                }
                MenuItem {
                    text: qsTr("Add Folder...")
                    onTriggered: page.addFolderRequested()
                }
            }
        }
    ]
    emptyActions: [
        LabeledButton {
            objectName: "addFilesButton"
            prominent: true
            symbol: "doc.badge.plus"
            text: qsTr("Add Files")
            onClicked: page.addFilesRequested()
        },
        LabeledButton {
            objectName: "addFolderButton"
            symbol: "folder.badge.plus"
            text: qsTr("Add Folder")
            onClicked: page.addFolderRequested()
        }
    ]

    LibraryCounts {
        id: counts
        library: page.libraryManager
    }
    PlayerItemInfo {
        id: playing
        player: page.playerManager
    }
    LibraryListModel {
        id: rows
        library: page.libraryManager
        // A new search shows its results from the first, wherever the list was.
        onSearchTextChanged: list.positionViewAtBeginning()
    }

    MediaList {
        id: list
        objectName: "libraryList"
        anchors.fill: parent
        model: rows
        playerManager: page.playerManager
        currentItemId: playing.itemId
        selectedItems: page.selectedItems
        onSelectionChanged: (selection) => { page.selectedItems = selection }
        onRowActivated: (row) => page.playFrom(row)
        onContextMenuRequested: (row, itemId, file) => itemMenu.openFor(row, itemId, file)
    }

    ItemContextMenu {
        id: itemMenu
        libraryManager: page.libraryManager
        onPlayRequested: (itemId) => {
            // The row may have moved or gone since the menu opened.
            const row = rows.rowOfId(itemId)
            if (row >= 0)
                page.playFrom(row)
        }
        onPlayNextRequested: (itemId) => {
            page.playerManager.addToQueue(page.libraryManager.itemsWithIds([itemId]))
        }
        onNewPlaylistRequested: (itemId) => {
            newPlaylistSheet.itemId = itemId
            newPlaylistSheet.open()
        }
        onRevealRequested: (file) => page.revealRequested(file)
    }

    NewPlaylistSheet {
        id: newPlaylistSheet
        // The item whose menu opened the sheet: the new playlist starts with it.
        property string itemId
        onCreated: (name) => {
            page.libraryManager.createPlaylist(name, false)
            // The new playlist is the last one.
            if (newPlaylistSheet.itemId.length > 0)
                page.libraryManager.addItemToPlaylist(
                    itemMenu.playlists.idAt(itemMenu.playlists.count - 1), newPlaylistSheet.itemId)
            newPlaylistSheet.name = ""
        }
    }
}
