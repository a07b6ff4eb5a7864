import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The sidebar: sections "Browse", "Playlists" and "Online" with their tab rows and
// badges, the playlists, and the buttons that add files and folders.
Rectangle {
    id: root

    required property var libraryManager
    required property var downloadManager
    required property var playerManager
    property int selectedTab: SidebarTab.Library

    signal addFilesRequested()
    signal addFolderRequested()

    // The badge number of a tab; a badge shows only from 1 on.
    function badgeFor(tab) {
        switch (tab) {
        case SidebarTab.Library: return counts.itemCount
        case SidebarTab.Videos: return counts.videoCount
        case SidebarTab.Playlists: return counts.playlistCount
        case SidebarTab.Downloads: return root.downloadManager ? root.downloadManager.activeCount : 0
        default: return 0
        }
    }

    color: Theme.sidebar

    LibraryCounts {
        id: counts
        library: root.libraryManager
    }
    PlaylistListModel {
        id: playlistModel
        library: root.libraryManager
    }

    component SectionHeader: Text {
        leftPadding: 12
        topPadding: 12
        bottomPadding: 4
        font.pixelSize: 11
        font.weight: Font.DemiBold
        color: Theme.secondary
    }

    component TabRow: ItemDelegate {
        id: row
        required property int tab
        readonly property int badge: root.badgeFor(tab)
        readonly property bool selected: root.selectedTab === tab

        objectName: "tabRow_" + SidebarTab.title(tab)
        width: ListView.view ? ListView.view.width : parent.width
        height: 28
        focusPolicy: Qt.NoFocus
        leftPadding: 10
        rightPadding: 10
        onClicked: root.selectedTab = tab

        background: Rectangle {
            anchors.fill: parent
            anchors.leftMargin: 6
            anchors.rightMargin: 6
            radius: 6
            color: row.selected ? Theme.faded(Theme.accent, Theme.isDark ? 0.45 : 0.22)
                                : (row.hovered ? Theme.faded(Theme.secondary, 0.1) : "transparent")
        }
        contentItem: RowLayout {
            spacing: 8
            SymbolIcon {
                symbol: SidebarTab.symbol(row.tab)
                color: Theme.accent
                size: 15
            }
            Text {
                text: SidebarTab.title(row.tab)
                color: Theme.primary
                font.pixelSize: 13
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            Label {
                objectName: "badge"
                visible: row.badge >= 1
                text: row.badge
                font.pixelSize: 11
                font.weight: Font.Medium
                color: Theme.secondary
                leftPadding: 6
                rightPadding: 6
                topPadding: 1
                bottomPadding: 1
                background: Rectangle {
                    radius: height / 2
                    color: Theme.faded(Theme.secondary, 0.15)
                }
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Flickable {
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentHeight: rows.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}

            Column {
                id: rows
                width: parent.width

                SectionHeader { text: "Browse" }
                Repeater {
                    model: [SidebarTab.Library, SidebarTab.Audiobooks, SidebarTab.Videos,
                            SidebarTab.NowPlaying]
                    delegate: TabRow {
                        required property int modelData
                        tab: modelData
                        width: rows.width
                    }
                }
                SectionHeader { text: "Playlists" }
                TabRow {
                    tab: SidebarTab.Playlists
                    width: rows.width
                }
                Repeater {
                    model: playlistModel
                    delegate: ItemDelegate {
                        id: playlistRow
                        required property string name
                        objectName: "playlistRow_" + name
                        required property bool isAudiobook
                        width: rows.width
                        height: 26
                        focusPolicy: Qt.NoFocus
                        leftPadding: 28
                        rightPadding: 10
                        // Selects the section only; the playlists view keeps its own choice.
                        onClicked: root.selectedTab = SidebarTab.Playlists
                        background: Item {}
                        contentItem: RowLayout {
                            spacing: 6
                            SymbolIcon {
                                objectName: "playlistIcon"
                                symbol: playlistRow.isAudiobook ? "book.fill" : "music.note.list"
                                color: Theme.secondary
                                size: 11
                            }
                            RTLText {
                                text: playlistRow.name
                                font.pixelSize: 13
                                lineLimit: 1
                                Layout.fillWidth: true
                            }
                        }
                    }
                }
                SectionHeader { text: "Online" }
                Repeater {
                    model: [SidebarTab.YouTube, SidebarTab.Downloads]
                    delegate: TabRow {
                        required property int modelData
                        tab: modelData
                        width: rows.width
                    }
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            height: 1
            color: Theme.separator
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            Layout.topMargin: 8
            Layout.bottomMargin: 8
            spacing: 12
            IconButton {
                objectName: "addFilesButton"
                symbol: "plus"
                iconSize: 14
                helpText: "Add files"
                onClicked: root.addFilesRequested()
            }
            IconButton {
                objectName: "addFolderButton"
                symbol: "folder.badge.plus"
                iconSize: 14
                helpText: "Add folder"
                onClicked: root.addFolderRequested()
            }
            Item { Layout.fillWidth: true }
            Item {
                implicitWidth: 16
                implicitHeight: 16
                // A small spinner at 60 % of its size, made only while an import runs.
                Loader {
                    objectName: "importSpinner"
                    anchors.centerIn: parent
                    active: root.libraryManager ? root.libraryManager.isLoading : false
                    visible: active
                    sourceComponent: BusyIndicator {
                        running: true
                        width: 27
                        height: 27
                        scale: 0.6
                    }
                }
            }
        }
    }
}
