import QtQuick
import QtQuick.Dialogs
import Lyrabox

// The file and folder choosers of "Open Files..." and "Open Folder...", and the
// download folder's chooser. Loaded on first use: the dialogs module costs start-up
// time. The content view asks for a chooser by its kind.
Item {
    id: root

    required property ContentView content

    Connections {
        target: root.content
        function onChooserRequested(kind: string) {
            switch (kind) {
            case "files":
                fileDialog.open()
                break
            case "folder":
                folderDialog.open()
                break
            case "downloadFolder":
                downloadFolderDialog.currentFolder = root.content.downloadManager.downloadDirectory
                downloadFolderDialog.open()
                break
            }
        }
    }

    FileDialog {
        id: fileDialog
        objectName: "fileDialog"
        title: qsTr("Select media files to add to your library")
        acceptLabel: qsTr("Add Files")
        fileMode: FileDialog.OpenFiles
        nameFilters: ImportChoices.nameFilters()
        onAccepted: root.content.libraryManager.addFiles(fileDialog.selectedFiles)
    }
    FolderDialog {
        id: folderDialog
        objectName: "folderDialog"
        title: qsTr("Select a folder containing media files")
        acceptLabel: qsTr("Add Folder")
        onAccepted: root.content.libraryManager.addFolder(folderDialog.selectedFolder)
    }
    FolderDialog {
        id: downloadFolderDialog
        objectName: "downloadFolderDialog"
        title: qsTr("Choose the folder for downloads")
        acceptLabel: qsTr("Choose")
        onAccepted: root.content.downloadManager.downloadDirectory = downloadFolderDialog.selectedFolder
    }
}
