import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The sidebar: sections "Browse", "Playlists" and "Online" with their tab rows and
// badges, the playlists, and the buttons that add files and folders.
Rectangle {
    id: root

    required property LibraryManager libraryManager
    required property DownloadManager downloadManager
    required property MediaPlayerManager playerManager
    property int selectedTab: SidebarTab.Library

    signal addFilesRequested()
    signal addFolderRequested()

    // The badge number of a tab; a badge shows only from 1 on.
    function badgeFor(tab: int): int {
        switch (tab) {
        case SidebarTab.Library: return counts.itemCount
        case SidebarTab.Videos: return counts.videoCount
        case SidebarTab.Playlists: return counts.playlistCount
        case SidebarTab.Downloads: return root.downloadManager.activeCount
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
        leftPadding: Theme.sidebarGroupPadding
        topPadding: Theme.sidebarGroupPadding
        bottomPadding: 4
        font.pixelSize: Theme.fontSmall
        font.weight: Font.DemiBold
        color: Theme.secondary
    }

    component TabRow: ItemDelegate {
        id: row
        required property int tab
        readonly property int badge: root.badgeFor(tab)
        readonly property bool selected: root.selectedTab === tab

        objectName: "tabRow_" + SidebarTab.rawValue(tab)
        height: Theme.sidebarRowHeight
        focusPolicy: Qt.NoFocus
        leftPadding: 10
        rightPadding: 10
        onClicked: root.selectedTab = row.tab

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
                size: Theme.sidebarIconSize
            }
            Text {
                text: SidebarTab.title(row.tab)
                color: Theme.primary
                font.pixelSize: Theme.fontBody
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            Label {
                objectName: "badge"
                visible: row.badge >= 1
                text: row.badge
                font.pixelSize: Theme.fontSmall
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

                SectionHeader { text: qsTr("Browse") }
                Repeater {
                    model: [SidebarTab.Library, SidebarTab.Audiobooks, SidebarTab.Videos,
                            SidebarTab.NowPlaying]
                    delegate: TabRow {
                        required property int modelData
                        tab: modelData
                        width: rows.width
                    }
                }
                SectionHeader { text: qsTr("Playlists") }
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
                        height: Theme.sidebarPlaylistRowHeight
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
                                size: Theme.fontSmall
                            }
                            RTLText {
                                text: playlistRow.name
                                font.pixelSize: Theme.fontBody
                                lineLimit: 1
                                Layout.fillWidth: true
                            }
                        }
                    }
                }
                SectionHeader { text: qsTr("Online") }
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
            Layout.preferredHeight: Theme.hairline
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
                iconSize: Theme.sidebarButtonSize
                helpText: qsTr("Add files")
                onClicked: root.addFilesRequested()
            }
            IconButton {
                objectName: "addFolderButton"
                symbol: "folder.badge.plus"
                iconSize: Theme.sidebarButtonSize
                helpText: qsTr("Add folder")
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
                    active: root.libraryManager.isLoading
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
