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
    // A playlist row was pressed: its playlist is to be opened.
    signal playlistChosen(string playlistId)
    // The row of the section already shown was pressed again.
    signal tabReselected(int tab)

    function choose(tab: int) {
        if (tab === root.selectedTab)
            root.tabReselected(tab)
        root.selectedTab = tab
    }

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

    // One section's row; it reports a press, the sidebar keeps the selection.
    component TabRow: ItemDelegate {
        id: row
        required property int tab
        required property int currentTab
        required property int badge
        readonly property bool selected: row.currentTab === row.tab

        signal chosen(int tab)

        objectName: "tabRow_" + SidebarTab.rawValue(row.tab)
        height: Theme.sidebarRowHeight
        focusPolicy: Qt.NoFocus
        leftPadding: 10
        rightPadding: 10
        onClicked: row.chosen(row.tab)

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
                objectName: "tabTitle"
                text: SidebarTab.title(row.tab)
                color: Theme.primary
                font.pixelSize: Theme.fontBody
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            Label {
                objectName: "badge"
                visible: row.badge >= 1
                text: ViewText.number(row.badge)
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
                TabRow {
                    tab: SidebarTab.Library
                    currentTab: root.selectedTab
                    badge: root.badgeFor(SidebarTab.Library)
                    width: rows.width
                    onChosen: (tab) => root.choose(tab)
                }
                TabRow {
                    tab: SidebarTab.Audiobooks
                    currentTab: root.selectedTab
                    badge: root.badgeFor(SidebarTab.Audiobooks)
                    width: rows.width
                    onChosen: (tab) => root.choose(tab)
                }
                TabRow {
                    tab: SidebarTab.Videos
                    currentTab: root.selectedTab
                    badge: root.badgeFor(SidebarTab.Videos)
                    width: rows.width
                    onChosen: (tab) => root.choose(tab)
                }
                TabRow {
                    tab: SidebarTab.NowPlaying
                    currentTab: root.selectedTab
                    badge: root.badgeFor(SidebarTab.NowPlaying)
                    width: rows.width
                    onChosen: (tab) => root.choose(tab)
                }
                SectionHeader { text: qsTr("Playlists") }
                TabRow {
                    tab: SidebarTab.Playlists
                    currentTab: root.selectedTab
                    badge: root.badgeFor(SidebarTab.Playlists)
                    width: rows.width
                    onChosen: (tab) => root.choose(tab)
                }
                Repeater {
                    model: playlistModel
                    // Qt 6.4's qmllint flags this file's ids inside a component (the
                    // playlist rows); the component is made here, where they resolve.
                    // qmllint disable unqualified
                    delegate: ItemDelegate {
                        id: playlistRow
                        required property string name
                        objectName: "playlistRow_" + name
                        required property bool isAudiobook
                        required property string playlistId
                        width: rows.width
                        height: Theme.sidebarPlaylistRowHeight
                        focusPolicy: Qt.NoFocus
                        leftPadding: 28
                        rightPadding: 10
                        onClicked: root.playlistChosen(playlistRow.playlistId)
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
                    // qmllint enable unqualified
                }
                SectionHeader { text: qsTr("Online") }
                TabRow {
                    tab: SidebarTab.YouTube
                    currentTab: root.selectedTab
                    badge: root.badgeFor(SidebarTab.YouTube)
                    width: rows.width
                    onChosen: (tab) => root.choose(tab)
                }
                TabRow {
                    tab: SidebarTab.Downloads
                    currentTab: root.selectedTab
                    badge: root.badgeFor(SidebarTab.Downloads)
                    width: rows.width
                    onChosen: (tab) => root.choose(tab)
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
