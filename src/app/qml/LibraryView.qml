import QtQuick
import QtQuick.Controls
import Lyrabox

// The "Library" section: every item of the library, the search over it, and the
// progress of an import.
PageScaffold {
    id: page

    required property LibraryManager libraryManager

    signal addFilesRequested()
    signal addFolderRequested()

    objectName: "libraryView"
    title: qsTr("Library")
    // The whole library, whatever the search leaves.
    subtitle: qsTr("%1 items").arg(counts.itemCount)
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

    headerActions: [
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
}
