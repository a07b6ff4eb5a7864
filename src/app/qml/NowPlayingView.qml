import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The "Now Playing" section: the loaded item large (its video, or its artwork and
// titles), the seek bar and times, the transport buttons, and beside them the item's
// chapters or else the play queue.
Rectangle {
    id: root

    required property MediaPlayerManager playerManager
    property bool showChapters: true

    // Which column stands beside the player: "chapters", "queue" or "" (none). With
    // chapters present the queue never shows, whatever showChapters holds.
    function sideColumnFor(showChaptersOn: bool, chapterCount: int, queueCount: int): string {
        if (chapterCount > 0)
            return showChaptersOn ? "chapters" : ""
        return queueCount > 0 ? "queue" : ""
    }
    // 30 % of the available width, at most 300.
    function sideColumnWidth(available: real): real {
        return Math.min(available * 0.3, Theme.sideColumnMaxWidth)
    }

    readonly property string sideColumn: sideColumnFor(showChapters, info.chapterCount, info.queueCount)

    objectName: "nowPlayingView"
    color: Theme.window
    // The view is kept while other sections are shown; each showing starts afresh.
    onVisibleChanged: {
        if (visible)
            root.showChapters = true
    }

    PlayerItemInfo {
        id: info
        player: root.playerManager
    }
    ChapterModel {
        id: chapterModel
        player: root.playerManager
    }
    QueueModel {
        id: queueModel
        player: root.playerManager
    }

    // Title bar with the chapter toggle.
    Rectangle {
        id: header
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: Theme.nowPlayingHeaderHeight
        color: Theme.window
        Text {
            anchors.left: parent.left
            anchors.leftMargin: Theme.pageHeaderHPadding
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Now Playing")
            font.pixelSize: Theme.fontHeadline
            font.weight: Font.DemiBold
            color: Theme.primary
        }
        IconButton {
            objectName: "chapterToggle"
            anchors.right: parent.right
            anchors.rightMargin: Theme.pageHeaderHPadding
            anchors.verticalCenter: parent.verticalCenter
            visible: info.chapterCount > 0
            symbol: "list.bullet.rectangle"
            iconSize: Theme.largeTransportToggleSize
            color: root.showChapters ? Theme.accent : Theme.secondary
            helpText: root.showChapters ? qsTr("Hide chapters") : qsTr("Show chapters")
            onClicked: root.showChapters = !root.showChapters
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: Theme.hairline
            color: Theme.separator
        }
    }

    // Nothing loaded.
    ColumnLayout {
        objectName: "emptyState"
        anchors.centerIn: parent
        visible: !info.hasItem
        spacing: Theme.nowPlayingEmptySpacing
        SymbolIcon {
            Layout.alignment: Qt.AlignHCenter
            symbol: "waveform"
            size: Theme.nowPlayingEmptySymbolSize
            color: Theme.faded(Theme.secondary, 0.5)
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Nothing Playing")
            font.pixelSize: Theme.fontEmptyTitle
            font.weight: Font.DemiBold
            color: Theme.primary
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Select a track from your library to start playing.")
            font.pixelSize: Theme.fontBody
            color: Theme.secondary
        }
    }

    RowLayout {
        id: content
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        visible: info.hasItem
        spacing: 0

        // Main column.
        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            Loader {
                objectName: "videoArea"
                Layout.fillWidth: true
                Layout.fillHeight: true
                active: root.playerManager.hasVideo
                visible: active
                // Qt 6.4's qmllint flags this file's ids inside a component (the video area);
                // the component is made here, where they resolve.
                // qmllint disable unqualified
                sourceComponent: VideoArea {
                    playerLayer: root.playerManager.playerLayer
                }
                // qmllint enable unqualified
            }

            // Audio area.
            Item {
                id: audioArea
                objectName: "audioArea"
                Layout.fillWidth: true
                Layout.fillHeight: true
                visible: !root.playerManager.hasVideo
                clip: true

                ColumnLayout {
                    anchors.centerIn: parent
                    width: Math.min(audioArea.width - 2 * Theme.overlayPadding, Theme.nowPlayingTextWidth)
                    spacing: Theme.nowPlayingSpacing

                    ArtworkView {
                        objectName: "nowPlayingArtwork"
                        // 300 points when the window leaves room for it, smaller otherwise.
                        readonly property real side: Math.max(Theme.miniArtworkSize, Math.min(Theme.nowPlayingArtworkSize,
                            audioArea.height - itemText.implicitHeight - Theme.nowPlayingHeaderHeight))
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: side
                        Layout.preferredHeight: side
                        source: info.artworkSource
                        fill: false
                        radius: Theme.overlayRadius
                        placeholderSize: side * Theme.nowPlayingPlaceholderSize / Theme.nowPlayingArtworkSize
                        noteSize: placeholderSize * 0.3
                    }
                    ColumnLayout {
                        id: itemText
                        Layout.fillWidth: true
                        spacing: 6
                        RTLText {
                            objectName: "nowPlayingTitle"
                            Layout.fillWidth: true
                            text: info.title
                            lineLimit: 2
                            font.pixelSize: Theme.fontNowPlayingTitle
                            font.weight: Font.Bold
                            horizontalAlignment: Text.AlignHCenter
                        }
                        RTLText {
                            Layout.fillWidth: true
                            visible: info.artist.length > 0
                            text: info.artist
                            lineLimit: 1
                            font.pixelSize: Theme.fontHeadline
                            color: Theme.secondary
                            horizontalAlignment: Text.AlignHCenter
                        }
                        RTLText {
                            Layout.fillWidth: true
                            visible: info.album.length > 0
                            text: info.album
                            lineLimit: 1
                            font.pixelSize: Theme.fontBody
                            color: Theme.faded(Theme.secondary, 0.8)
                            horizontalAlignment: Text.AlignHCenter
                        }
                        RowLayout {
                            objectName: "currentChapterLine"
                            Layout.alignment: Qt.AlignHCenter
                            Layout.fillWidth: false
                            Layout.maximumWidth: itemText.width
                            Layout.topMargin: 4
                            visible: info.hasCurrentChapter && info.chapterCount >= 2
                            spacing: 6
                            SymbolIcon {
                                symbol: "bookmark.fill"
                                color: Theme.chapterMark
                                size: Theme.fontFootnote
                            }
                            RTLText {
                                text: info.currentChapterTitle
                                lineLimit: 1
                                font.pixelSize: Theme.fontBody
                                color: Theme.chapterMark
                                Layout.maximumWidth: itemText.width - Theme.fontFootnote - 6
                            }
                        }
                    }
                }
            }

            // Player controls.
            ColumnLayout {
                Layout.fillWidth: true
                Layout.leftMargin: Theme.overlayPadding
                Layout.rightMargin: Theme.overlayPadding
                Layout.topMargin: Theme.nowPlayingControlsTopMargin
                Layout.bottomMargin: Theme.emptySpacing
                spacing: 2

                SeekBar {
                    objectName: "seekBar"
                    Layout.fillWidth: true
                    progress: ViewText.clockProgress(root.playerManager.currentTime,
                                                     root.playerManager.duration)
                    onSeek: (fraction) => root.playerManager.seek(fraction * root.playerManager.duration)
                }
                // The elapsed time under the start of the bar, the remaining under its end.
                RowLayout {
                    Layout.fillWidth: true
                    LayoutMirroring.enabled: false
                    LayoutMirroring.childrenInherit: true
                    Text {
                        objectName: "elapsedTime"
                        text: ViewText.formatTime(root.playerManager.currentTime)
                        font.pixelSize: Theme.fontSmall
                        font.family: "monospace"
                        color: Theme.secondary
                    }
                    Item { Layout.fillWidth: true }
                    Text {
                        objectName: "remainingTime"
                        text: root.playerManager.formattedRemainingTime
                        font.pixelSize: Theme.fontSmall
                        font.family: "monospace"
                        color: Theme.secondary
                    }
                }
                TransportControls {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.topMargin: Theme.nowPlayingTransportTopMargin
                    playerManager: root.playerManager
                    toggleSize: Theme.largeTransportToggleSize
                    stepSize: Theme.largeTransportStepSize
                    skipSize: Theme.largeTransportSkipSize
                    playSize: Theme.largeTransportPlaySize
                    spacing: Theme.largeTransportSpacing
                    showsHelp: false
                }
            }
        }

        Rectangle {
            Layout.fillHeight: true
            Layout.preferredWidth: Theme.hairline
            visible: root.sideColumn.length > 0
            color: Theme.separator
        }

        // Chapter column.
        ColumnLayout {
            objectName: "chapterColumn"
            visible: root.sideColumn === "chapters"
            Layout.fillHeight: true
            Layout.preferredWidth: root.sideColumnWidth(root.width)
            Layout.maximumWidth: root.sideColumnWidth(root.width)
            spacing: 0
            RowLayout {
                Layout.fillWidth: true
                Layout.margins: Theme.pageHeaderVPadding
                Text {
                    text: qsTr("Chapters")
                    font.pixelSize: Theme.fontCallout
                    font.weight: Font.DemiBold
                    color: Theme.primary
                    Layout.fillWidth: true
                }
                Text {
                    text: ViewText.number(chapterModel.count)
                    font.pixelSize: Theme.fontFootnote
                    color: Theme.secondary
                }
            }
            ListView {
                id: chapterList
                Layout.fillWidth: true
                Layout.fillHeight: true
                clip: true
                model: chapterModel
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {}
                // Qt 6.4's qmllint flags this file's ids inside a component (the list's delegate);
                // the component is made here, where they resolve.
                // qmllint disable unqualified
                delegate: ChapterRowView {
                    required property string chapterId
                    width: chapterList.width
                    onClicked: root.playerManager.seekToChapter(chapterId)
                }
                // qmllint enable unqualified
            }
        }

        // Queue column.
        ColumnLayout {
            objectName: "queueColumn"
            visible: root.sideColumn === "queue"
            Layout.fillHeight: true
            Layout.preferredWidth: root.sideColumnWidth(root.width)
            Layout.maximumWidth: root.sideColumnWidth(root.width)
            spacing: 0
            RowLayout {
                Layout.fillWidth: true
                Layout.margins: Theme.pageHeaderVPadding
                Text {
                    text: qsTr("Queue")
                    font.pixelSize: Theme.fontCallout
                    font.weight: Font.DemiBold
                    color: Theme.primary
                    Layout.fillWidth: true
                }
                Text {
                    objectName: "queueCount"
                    text: qsTr("%Ln items", "", queueModel.count)
                    font.pixelSize: Theme.fontFootnote
                    color: Theme.secondary
                }
            }
            QueueList {
                Layout.fillWidth: true
                Layout.fillHeight: true
                queueModel: queueModel
                playerManager: root.playerManager
            }
        }
    }
}
