import QtQuick
import QtQuick.Dialogs
import Lyrabox

// The file and folder choosers of "Open Files..." and "Open Folder...". Loaded on first
// use: the dialogs module costs start-up time.
Item {
    id: root

    property var libraryManager: null

    function openFiles() { fileDialog.open() }
    function openFolder() { folderDialog.open() }

    FileDialog {
        id: fileDialog
        title: "Select media files to add to your library"
        acceptLabel: "Add Files"
        fileMode: FileDialog.OpenFiles
        nameFilters: ImportChoices.nameFilters()
        onAccepted: root.libraryManager.addFiles(selectedFiles)
    }
    FolderDialog {
        id: folderDialog
        title: "Select a folder containing media files"
        acceptLabel: "Add Folder"
        onAccepted: root.libraryManager.addFolder(selectedFolder)
    }
}
