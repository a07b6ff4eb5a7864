import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The compact player along the bottom of the window: a thin progress bar that can be
// dragged, the item, the transport buttons, the times, mute, volume and speed.
Rectangle {
    id: root

    required property var playerManager
    property bool isDraggingSeek: false
    property real dragProgress: 0

    readonly property var speeds: [0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0]
    readonly property string volumeIcon: root.playerManager
        ? volumeIconFor(root.playerManager.volume, root.playerManager.isMuted) : ""
    readonly property string repeatTitle: root.playerManager
        ? root.playerManager.repeatModeTitle(root.playerManager.repeatMode) : ""
    readonly property bool repeatsOne: repeatTitle === "Repeat One"

    // Strict thresholds: 0.33 itself shows two waves, 0.66 itself three.
    function volumeIconFor(volume, muted) {
        if (muted || volume === 0)
            return "speaker.slash.fill"
        if (volume < 0.33)
            return "speaker.wave.1.fill"
        if (volume < 0.66)
            return "speaker.wave.2.fill"
        return "speaker.wave.3.fill"
    }
    function fractionAt(x, barWidth) {
        return barWidth > 0 ? Math.max(0, Math.min(1, x / barWidth)) : 0
    }

    implicitHeight: 76
    height: 76
    color: Theme.bar

    PlayerItemInfo {
        id: info
        player: root.playerManager
    }

    // The progress bar: 3 points drawn, 12 points taking the pointer.
    Item {
        id: progressBar
        objectName: "miniProgressBar"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 3
        Rectangle {
            anchors.fill: parent
            color: Theme.faded(Theme.secondary, 0.2)
        }
        Rectangle {
            height: parent.height
            // Whole pixels: a long book's bar then redraws only when it visibly moves.
            width: Math.round(parent.width * Math.max(0, Math.min(1, root.isDraggingSeek
                       ? root.dragProgress : (root.playerManager ? ViewText.clockProgress(
                           root.playerManager.currentTime, root.playerManager.duration) : 0))))
            color: Theme.accent
        }
        MouseArea {
            objectName: "miniProgressArea"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: 12
            preventStealing: true
            cursorShape: Qt.PointingHandCursor
            onPressed: (mouse) => {
                root.dragProgress = root.fractionAt(mouse.x, width)
                root.isDraggingSeek = true
            }
            onPositionChanged: (mouse) => {
                if (pressed)
                    root.dragProgress = root.fractionAt(mouse.x, width)
            }
            onReleased: (mouse) => {
                root.playerManager.seek(root.fractionAt(mouse.x, width) * root.playerManager.duration)
                root.isDraggingSeek = false
            }
            onCanceled: root.isDraggingSeek = false
        }
    }

    RowLayout {
        anchors.fill: parent
        anchors.topMargin: 3
        anchors.leftMargin: 16
        anchors.rightMargin: 16
        spacing: 12

        // Item block.
        RowLayout {
            spacing: 10
            Layout.maximumWidth: 254
            Layout.minimumWidth: 120
            ArtworkView {
                Layout.preferredWidth: 44
                Layout.preferredHeight: 44
                source: info.artworkSource
                fill: true
                radius: 6
                noteSize: 18
            }
            ColumnLayout {
                spacing: 2
                Layout.maximumWidth: 200
                Layout.fillWidth: true
                RTLText {
                    objectName: "miniTitle"
                    text: info.title
                    lineLimit: 1
                    font.pixelSize: 13
                    font.weight: Font.Medium
                    Layout.fillWidth: true
                }
                RTLText {
                    objectName: "miniArtist"
                    text: info.artist.length > 0 ? info.artist : "Unknown Artist"
                    lineLimit: 1
                    font.pixelSize: 11
                    color: Theme.secondary
                    Layout.fillWidth: true
                }
            }
        }

        Item { Layout.fillWidth: true }

        // Transport block.
        RowLayout {
            spacing: 20
            IconButton {
                objectName: "shuffleButton"
                symbol: "shuffle"
                helpText: "Shuffle"
                color: root.playerManager && root.playerManager.shuffleEnabled ? Theme.accent : Theme.secondary
                onClicked: root.playerManager.toggleShuffle()
            }
            IconButton {
                symbol: "backward.fill"
                helpText: "Previous"
                color: Theme.primary
                onClicked: root.playerManager.playPrevious()
            }
            IconButton {
                symbol: "gobackward.15"
                helpText: "Skip back 15s"
                color: Theme.primary
                iconSize: 18
                onClicked: root.playerManager.skipBackward(15)
            }
            IconButton {
                objectName: "playButton"
                readonly property bool playing: root.playerManager ? root.playerManager.isPlaying : false
                symbol: playing ? "pause.circle.fill" : "play.circle.fill"
                helpText: playing ? "Pause" : "Play"
                color: Theme.accent
                iconSize: 32
                padding: 0
                onClicked: root.playerManager.togglePlayPause()
            }
            IconButton {
                symbol: "goforward.15"
                helpText: "Skip forward 15s"
                color: Theme.primary
                iconSize: 18
                onClicked: root.playerManager.skipForward(15)
            }
            IconButton {
                symbol: "forward.fill"
                helpText: "Next"
                color: Theme.primary
                onClicked: root.playerManager.playNext()
            }
            IconButton {
                objectName: "repeatButton"
                symbol: root.repeatsOne ? "repeat.1" : "repeat"
                helpText: root.repeatTitle
                color: root.repeatTitle === "Off" ? Theme.secondary : Theme.accent
                onClicked: root.playerManager.cycleRepeatMode()
            }
        }

        Item { Layout.fillWidth: true }

        // Status block.
        RowLayout {
            spacing: 12
            Text {
                objectName: "miniTimes"
                text: root.playerManager
                      ? ViewText.formatTime(root.playerManager.currentTime) + " / "
                        + ViewText.formatTime(root.playerManager.duration) : ""
                font.pixelSize: 11
                font.family: "monospace"
                color: Theme.secondary
            }
            Rectangle {
                width: 1
                height: 16
                color: Theme.separator
            }
            IconButton {
                objectName: "muteButton"
                symbol: root.volumeIcon
                color: Theme.secondary
                onClicked: root.playerManager.toggleMute()
            }
            Slider {
                id: volumeSlider
                objectName: "volumeSlider"
                focusPolicy: Qt.NoFocus
                Layout.preferredWidth: 80
                from: 0
                to: 1
                onMoved: {
                    root.playerManager.volume = value
                    root.playerManager.adjustVolume(0)
                }
                Binding on value {
                    when: !volumeSlider.pressed
                    value: root.playerManager ? root.playerManager.volume : 0
                    restoreMode: Binding.RestoreNone
                }
            }
            Button {
                id: speedButton
                objectName: "speedButton"
                focusPolicy: Qt.NoFocus
                flat: true
                Layout.preferredWidth: 40
                implicitHeight: 20
                padding: 2
                text: root.playerManager ? ViewText.speedLabel(root.playerManager.playbackRate) : ""
                font.pixelSize: 11
                contentItem: Text {
                    text: speedButton.text
                    font: speedButton.font
                    color: Theme.secondary
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    radius: 4
                    color: Theme.faded(Theme.secondary, 0.1)
                }
                onClicked: speedMenu.popup(speedButton, 0, -speedMenu.implicitHeight)
                Menu {
                    id: speedMenu
                    objectName: "speedMenu"
                    Instantiator {
                        model: root.speeds
                        delegate: MenuItem {
                            required property var modelData
                            text: ViewText.speedLabel(modelData)
                            onTriggered: root.playerManager.setPlaybackRate(modelData)
                        }
                        onObjectAdded: (index, object) => speedMenu.insertItem(index, object)
                        onObjectRemoved: (index, object) => speedMenu.removeItem(object)
                    }
                }
            }
        }
    }
}
