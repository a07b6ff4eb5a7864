import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The "Now Playing" section: the loaded item large (its video, or its artwork and
// titles), the seek bar and times, the transport buttons, and beside them the item's
// chapters or else the play queue.
Rectangle {
    id: root

    required property var playerManager
    property bool showChapters: true

    // Which column stands beside the player: "chapters", "queue" or "" (none). With
    // chapters present the queue never shows, whatever showChapters holds.
    function sideColumnFor(showChaptersOn, chapterCount, queueCount) {
        if (chapterCount > 0)
            return showChaptersOn ? "chapters" : ""
        return queueCount > 0 ? "queue" : ""
    }
    // 30 % of the available width, at most 300.
    function sideColumnWidth(available) {
        return Math.min(available * 0.3, 300)
    }

    readonly property string sideColumn: sideColumnFor(showChapters, info.chapterCount, info.queueCount)
    readonly property string repeatTitle: root.playerManager
        ? root.playerManager.repeatModeTitle(root.playerManager.repeatMode) : ""
    readonly property bool repeatsOne: repeatTitle === "Repeat One"

    color: Theme.window

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
        height: 44
        color: Theme.window
        Text {
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            text: "Now Playing"
            font.pixelSize: 15
            font.weight: Font.DemiBold
            color: Theme.primary
        }
        IconButton {
            objectName: "chapterToggle"
            anchors.right: parent.right
            anchors.rightMargin: 14
            anchors.verticalCenter: parent.verticalCenter
            visible: info.chapterCount > 0
            symbol: "list.bullet.rectangle"
            iconSize: 18
            color: root.showChapters ? Theme.accent : Theme.secondary
            helpText: root.showChapters ? "Hide chapters" : "Show chapters"
            onClicked: root.showChapters = !root.showChapters
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Theme.separator
        }
    }

    // Nothing loaded.
    ColumnLayout {
        objectName: "emptyState"
        anchors.centerIn: parent
        visible: !info.hasItem
        spacing: 10
        SymbolIcon {
            Layout.alignment: Qt.AlignHCenter
            symbol: "waveform"
            size: 64
            color: Theme.faded(Theme.secondary, 0.5)
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            text: "Nothing Playing"
            font.pixelSize: 20
            font.weight: Font.DemiBold
            color: Theme.primary
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            text: "Select a track from your library to start playing."
            font.pixelSize: 13
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
                active: root.playerManager ? root.playerManager.hasVideo : false
                visible: active
                sourceComponent: VideoArea {
                    playerLayer: root.playerManager.playerLayer
                }
            }

            // Audio area.
            Item {
                id: audioArea
                objectName: "audioArea"
                Layout.fillWidth: true
                Layout.fillHeight: true
                visible: !(root.playerManager && root.playerManager.hasVideo)
                clip: true

                ColumnLayout {
                    anchors.centerIn: parent
                    width: Math.min(parent.width - 48, 560)
                    spacing: 14

                    ArtworkView {
                        objectName: "nowPlayingArtwork"
                        // 300 points when the window leaves room for it, smaller otherwise.
                        readonly property real side: Math.max(48, Math.min(300,
                            audioArea.height - itemText.implicitHeight - 44))
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: side
                        Layout.preferredHeight: side
                        source: info.artworkSource
                        fill: false
                        radius: 12
                        placeholderSize: side * 260 / 300
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
                            font.pixelSize: 22
                            font.weight: Font.Bold
                            horizontalAlignment: Text.AlignHCenter
                        }
                        RTLText {
                            Layout.fillWidth: true
                            visible: info.artist.length > 0
                            text: info.artist
                            lineLimit: 1
                            font.pixelSize: 15
                            color: Theme.secondary
                            horizontalAlignment: Text.AlignHCenter
                        }
                        RTLText {
                            Layout.fillWidth: true
                            visible: info.album.length > 0
                            text: info.album
                            lineLimit: 1
                            font.pixelSize: 13
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
                                size: 12
                            }
                            RTLText {
                                text: info.currentChapterTitle
                                lineLimit: 1
                                font.pixelSize: 13
                                color: Theme.chapterMark
                                Layout.maximumWidth: itemText.width - 18
                            }
                        }
                    }
                }
            }

            // Player controls.
            ColumnLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                Layout.topMargin: 10
                Layout.bottomMargin: 16
                spacing: 2

                SeekBar {
                    objectName: "seekBar"
                    Layout.fillWidth: true
                    progress: root.playerManager ? ViewText.clockProgress(
                        root.playerManager.currentTime, root.playerManager.duration) : 0
                    onSeek: (fraction) => root.playerManager.seek(fraction * root.playerManager.duration)
                }
                RowLayout {
                    Layout.fillWidth: true
                    Text {
                        objectName: "elapsedTime"
                        text: root.playerManager ? ViewText.formatTime(root.playerManager.currentTime) : ""
                        font.pixelSize: 11
                        font.family: "monospace"
                        color: Theme.secondary
                    }
                    Item { Layout.fillWidth: true }
                    Text {
                        objectName: "remainingTime"
                        text: root.playerManager ? root.playerManager.formattedRemainingTime : ""
                        font.pixelSize: 11
                        font.family: "monospace"
                        color: Theme.secondary
                    }
                }
                RowLayout {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.topMargin: 6
                    spacing: 26
                    IconButton {
                        objectName: "shuffleButton"
                        symbol: "shuffle"
                        iconSize: 18
                        color: root.playerManager && root.playerManager.shuffleEnabled ? Theme.accent : Theme.secondary
                        onClicked: root.playerManager.toggleShuffle()
                    }
                    IconButton {
                        symbol: "backward.fill"
                        iconSize: 22
                        color: Theme.primary
                        onClicked: root.playerManager.playPrevious()
                    }
                    IconButton {
                        symbol: "gobackward.15"
                        iconSize: 24
                        color: Theme.primary
                        onClicked: root.playerManager.skipBackward(15)
                    }
                    IconButton {
                        objectName: "playButton"
                        symbol: root.playerManager && root.playerManager.isPlaying
                                ? "pause.circle.fill" : "play.circle.fill"
                        iconSize: 52
                        padding: 0
                        color: Theme.accent
                        onClicked: root.playerManager.togglePlayPause()
                    }
                    IconButton {
                        symbol: "goforward.15"
                        iconSize: 24
                        color: Theme.primary
                        onClicked: root.playerManager.skipForward(15)
                    }
                    IconButton {
                        symbol: "forward.fill"
                        iconSize: 22
                        color: Theme.primary
                        onClicked: root.playerManager.playNext()
                    }
                    IconButton {
                        objectName: "repeatButton"
                        symbol: root.repeatsOne ? "repeat.1" : "repeat"
                        iconSize: 18
                        color: root.repeatTitle === "Off" ? Theme.secondary : Theme.accent
                        onClicked: root.playerManager.cycleRepeatMode()
                    }
                }
            }
        }

        Rectangle {
            Layout.fillHeight: true
            width: 1
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
                Layout.margins: 12
                Text {
                    text: "Chapters"
                    font.pixelSize: 14
                    font.weight: Font.DemiBold
                    color: Theme.primary
                    Layout.fillWidth: true
                }
                Text {
                    text: chapterModel.count
                    font.pixelSize: 12
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
                delegate: ChapterRowView {
                    required property int index
                    width: chapterList.width
                    onClicked: chapterModel.seekToRow(index)
                }
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
                Layout.margins: 12
                Text {
                    text: "Queue"
                    font.pixelSize: 14
                    font.weight: Font.DemiBold
                    color: Theme.primary
                    Layout.fillWidth: true
                }
                Text {
                    objectName: "queueCount"
                    text: queueModel.count + " items"
                    font.pixelSize: 12
                    color: Theme.secondary
                }
            }
            QueueList {
                Layout.fillWidth: true
                Layout.fillHeight: true
                queueModel: queueModel
            }
        }
    }
}
