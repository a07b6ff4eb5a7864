import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The "Playlists" section: the playlists as a grid of cards; a card opens the
// playlist's detail (its items, reorderable by drag) in place of the grid. The detail
// follows the stored playlist, and returns to the grid when the playlist is deleted.
PageScaffold {
    id: page

    required property LibraryManager libraryManager
    required property MediaPlayerManager playerManager

    // The playlist whose detail is shown; empty for the grid.
    property string selectedPlaylist

    signal exportRequested(string playlistId, string name)

    function openPlaylist(playlistId: string) {
        page.selectedPlaylist = playlistId
    }

    objectName: "playlistsView"
    title: qsTr("Playlists")
    subtitle: qsTr("%Ln playlists", "", playlistModel.count)
    isEmpty: playlistModel.count === 0
    emptySymbol: "list.bullet.rectangle"
    emptyTitle: qsTr("No Playlists")
    emptyText: qsTr("Create playlists to organize your media.\nFolders added as audiobooks will appear here too.")

    onShown: {
        page.selectedPlaylist = ""
        cardMenu.close()
    }

    headerActions: [
        LabeledButton {
            objectName: "newPlaylistButton"
            symbol: "plus"
            text: qsTr("New Playlist")
            onClicked: newPlaylistSheet.open()
        }
    ]
    emptyActions: [
        LabeledButton {
            objectName: "createPlaylistButton"
            prominent: true
            symbol: "plus"
            text: qsTr("Create Playlist")
            onClicked: newPlaylistSheet.open()
        }
    ]

    PlaylistListModel {
        id: playlistModel
        library: page.libraryManager
    }
    PlaylistInfo {
        id: detailInfo
        library: page.libraryManager
        playlistId: page.selectedPlaylist
        // Deleted while open: back to the grid.
        onExistsChanged: {
            if (!detailInfo.exists)
                page.selectedPlaylist = ""
        }
    }
    PlayerItemInfo {
        id: playing
        player: page.playerManager
    }

    GridView {
        id: grid
        objectName: "playlistGrid"

        readonly property int padding: 20
        readonly property int gap: 16
        // As many columns of 180 to 240 points as fit beside the right-hand padding (the
        // left-hand one is the grid's margin).
        readonly property int columns: Math.max(1, Math.floor((width - padding + gap) / (180 + gap)))
        readonly property real columnWidth: Math.min(240, (width - padding + gap) / columns - gap)

        anchors.fill: parent
        anchors.leftMargin: padding
        anchors.rightMargin: 0
        topMargin: padding
        bottomMargin: padding
        visible: page.selectedPlaylist.length === 0
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        cellWidth: columnWidth + gap
        cellHeight: columnWidth + 8 + 20 + 8 + 16 + gap
        model: playlistModel
        ScrollBar.vertical: ScrollBar {}

        // qmllint disable unqualified
        delegate: Item {
            id: cell
            required property string playlistId
            required property string name
            required property bool isAudiobook
            required property int itemCount
            required property string formattedTotalDuration

            width: grid.cellWidth
            height: grid.cellHeight
            PlaylistCard {
                objectName: "playlistCard_" + cell.name
                width: grid.columnWidth
                name: cell.name
                isAudiobook: cell.isAudiobook
                itemCount: cell.itemCount
                formattedTotalDuration: cell.formattedTotalDuration
            }
            MouseArea {
                width: grid.columnWidth
                height: parent.height - grid.gap
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                cursorShape: Qt.PointingHandCursor
                onClicked: (mouse) => {
                    if (mouse.button === Qt.RightButton)
                        cardMenu.openFor(cell.playlistId, cell.name)
                    else
                        page.openPlaylist(cell.playlistId)
                }
            }
        }
        // qmllint enable unqualified
    }

    ColumnLayout {
        objectName: "playlistDetail"
        anchors.fill: parent
        visible: page.selectedPlaylist.length > 0
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 20
            Layout.rightMargin: 20
            Layout.topMargin: 12
            Layout.bottomMargin: 12
            spacing: 12
            IconButton {
                objectName: "backButton"
                symbol: "chevron.left"
                iconSize: 14
                color: Theme.primary
                helpText: qsTr("Back to Playlists")
                onClicked: page.selectedPlaylist = ""
            }
            PlaylistTile {
                Layout.preferredWidth: 56
                Layout.preferredHeight: 56
                radius: 8
                // The detail's tile takes the accent colour for every playlist.
                symbol: detailInfo.isAudiobook ? "book.fill" : "music.note.list"
                symbolSize: 22
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2
                RTLText {
                    objectName: "detailName"
                    Layout.fillWidth: true
                    text: detailInfo.name.replace(/[\r\n\u2028\u2029]+/g, " ")
                    lineLimit: 1
                    font.pixelSize: 18
                    font.weight: Font.Bold
                }
                Text {
                    objectName: "detailCounts"
                    text: qsTr("%Ln items", "", detailInfo.itemCount) + "  ·  "
                          + detailInfo.formattedTotalDuration
                    font.pixelSize: Theme.fontFootnote
                    color: Theme.secondary
                }
            }
            LabeledButton {
                objectName: "detailPlayAllButton"
                prominent: true
                symbol: "play.fill"
                text: qsTr("Play All")
                onClicked: page.playerManager.play(page.libraryManager.playlistItems(page.selectedPlaylist), 0)
            }
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.hairline
            color: Theme.separator
        }
        MediaList {
            id: detailList
            objectName: "playlistItemList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            reorderable: true
            playerManager: page.playerManager
            currentItemId: playing.itemId
            model: PlaylistItemsModel {
                library: page.libraryManager
                playlistId: page.selectedPlaylist
            }
            onSelectionChanged: (selection) => { detailList.selectedItems = selection }
            onRowActivated: (row) => page.playerManager.play(
                page.libraryManager.playlistItems(page.selectedPlaylist), row)
            onRowMoved: (from, to) => page.libraryManager.movePlaylistItem(page.selectedPlaylist, from, to)
        }
    }

    Menu {
        id: cardMenu
        objectName: "playlistContextMenu"
        property string playlistId
        property string name
        function openFor(playlistId: string, name: string) {
            cardMenu.playlistId = playlistId
            cardMenu.name = name
            cardMenu.popup()
        }
        MenuItem {
            text: qsTr("Play")
            onTriggered: page.playerManager.play(page.libraryManager.playlistItems(cardMenu.playlistId), 0)
        }
        MenuItem {
            text: qsTr("Export Playlist...")
            onTriggered: page.exportRequested(cardMenu.playlistId, cardMenu.name)
        }
        MenuSeparator {}
        MenuItem {
            objectName: "deletePlaylistEntry"
            text: qsTr("Delete")
            palette.text: Theme.destructive
            palette.windowText: Theme.destructive
            onTriggered: page.libraryManager.deletePlaylist(cardMenu.playlistId)
        }
    }

    NewPlaylistSheet {
        id: newPlaylistSheet
        offersAudiobook: true
        fieldWidth: 280
        onCreated: (name, isAudiobook) => {
            page.libraryManager.createPlaylist(name, isAudiobook)
            newPlaylistSheet.name = ""
            newPlaylistSheet.isAudiobook = false
        }
        // The name goes; the audiobook choice stays.
        onCancelled: newPlaylistSheet.name = ""
    }
}
