import QtQuick
import QtQuick.Dialogs
import Lyrabox

// The file and folder choosers of "Open Files..." and "Open Folder...", and the
// download folder's chooser. Loaded on first use: the dialogs module costs start-up
// time. The content view asks for a chooser by its kind.
Item {
    id: root

    required property ContentView content
    // Where the last export went; the next one starts there.
    property url exportFolder: ImportChoices.startFolder()

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
            case "exportPlaylist":
                exportDialog.playlistId = root.content.exportPlaylistId
                exportDialog.currentFolder = root.exportFolder
                exportDialog.selectedFile = ImportChoices.playlistFileIn(
                    root.exportFolder, root.content.exportPlaylistName)
                exportDialog.open()
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
        currentFolder: ImportChoices.startFolder()
        onAccepted: root.content.libraryManager.addFiles(fileDialog.selectedFiles)
    }
    FolderDialog {
        id: folderDialog
        objectName: "folderDialog"
        title: qsTr("Select a folder containing media files")
        acceptLabel: qsTr("Add Folder")
        currentFolder: ImportChoices.startFolder()
        // With no entry highlighted, the folder that is open is the one chosen.
        onAccepted: root.content.libraryManager.addFolder(
            String(folderDialog.selectedFolder).length > 0 ? folderDialog.selectedFolder
                                                           : folderDialog.currentFolder)
    }
    FileDialog {
        id: exportDialog
        objectName: "exportDialog"
        property string playlistId
        title: qsTr("Export Playlist")
        acceptLabel: qsTr("Export")
        fileMode: FileDialog.SaveFile
        defaultSuffix: "m3u8"
        nameFilters: [qsTr("Playlists (*.m3u8)")]
        onAccepted: {
            root.exportFolder = exportDialog.currentFolder
            root.content.libraryManager.exportPlaylist(exportDialog.playlistId, exportDialog.selectedFile)
        }
    }
    FolderDialog {
        id: downloadFolderDialog
        objectName: "downloadFolderDialog"
        title: qsTr("Choose the folder for downloads")
        acceptLabel: qsTr("Choose")
        // With no entry highlighted, the folder that is open is the one chosen.
        onAccepted: root.content.downloadManager.downloadDirectory =
            String(downloadFolderDialog.selectedFolder).length > 0 ? downloadFolderDialog.selectedFolder
                                                                   : downloadFolderDialog.currentFolder
    }
}
