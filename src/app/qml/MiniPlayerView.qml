import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The compact player along the bottom of the window: a thin progress bar that can be
// dragged, the item, the transport buttons, the times, mute, volume, speed and the
// sleep timer.
Rectangle {
    id: root

    required property MediaPlayerManager playerManager
    readonly property bool isDraggingSeek: progressBar.isDragging
    readonly property real dragProgress: progressBar.dragProgress

    // The window's sleep timer; without one there is no moon button.
    property SleepTimer sleepTimer: null
    readonly property bool sleepActive: root.sleepTimer !== null && root.sleepTimer.active

    readonly property var speeds: [0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0]
    readonly property string volumeIcon: volumeIconFor(root.playerManager.volume, root.playerManager.isMuted)

    // The timer's minutes read 0 outside the minutes mode, as do "Off" and "End of Chapter".
    function isSleepChoice(choice: var): bool {
        return root.sleepTimer !== null && root.sleepTimer.mode === choice.mode
               && root.sleepTimer.minutes === choice.minutes
    }

    // Strict thresholds: 0.33 itself shows two waves, 0.66 itself three.
    function volumeIconFor(volume: real, muted: bool): string {
        if (muted || volume === 0)
            return "speaker.slash.fill"
        if (volume < 0.33)
            return "speaker.wave.1.fill"
        if (volume < 0.66)
            return "speaker.wave.2.fill"
        return "speaker.wave.3.fill"
    }

    implicitHeight: Theme.miniPlayerHeight
    height: Theme.miniPlayerHeight
    color: Theme.bar

    PlayerItemInfo {
        id: info
        player: root.playerManager
    }

    RowLayout {
        anchors.fill: parent
        anchors.topMargin: Theme.miniProgressHeight
        anchors.leftMargin: Theme.miniHPadding
        anchors.rightMargin: Theme.miniHPadding
        spacing: Theme.miniBlockSpacing

        // Item block.
        RowLayout {
            spacing: Theme.miniItemSpacing
            Layout.maximumWidth: Theme.miniArtworkSize + Theme.miniItemSpacing + Theme.miniTextWidth
            Layout.minimumWidth: Theme.miniItemMinWidth
            ArtworkView {
                Layout.preferredWidth: Theme.miniArtworkSize
                Layout.preferredHeight: Theme.miniArtworkSize
                source: info.artworkSource
                fill: true
                radius: Theme.miniArtworkRadius
                noteSize: Theme.miniNoteSize
            }
            ColumnLayout {
                spacing: 2
                Layout.maximumWidth: Theme.miniTextWidth
                Layout.fillWidth: true
                RTLText {
                    objectName: "miniTitle"
                    text: info.title
                    lineLimit: 1
                    font.pixelSize: Theme.fontBody
                    font.weight: Font.Medium
                    Layout.fillWidth: true
                }
                RTLText {
                    objectName: "miniArtist"
                    text: info.artist.length > 0 ? info.artist : qsTr("Unknown Artist")
                    lineLimit: 1
                    font.pixelSize: Theme.fontSmall
                    color: Theme.secondary
                    Layout.fillWidth: true
                }
            }
        }

        Item { Layout.fillWidth: true }

        TransportControls {
            playerManager: root.playerManager
        }

        Item { Layout.fillWidth: true }

        // Status block.
        RowLayout {
            spacing: Theme.miniBlockSpacing
            Text {
                objectName: "miniTimes"
                text: ViewText.formatTime(root.playerManager.currentTime) + " / "
                      + ViewText.formatTime(root.playerManager.duration)
                font.pixelSize: Theme.fontSmall
                font.family: "monospace"
                color: Theme.secondary
            }
            Rectangle {
                Layout.preferredWidth: Theme.hairline
                Layout.preferredHeight: Theme.miniDividerHeight
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
                Layout.preferredWidth: Theme.volumeSliderWidth
                from: 0
                to: 1
                onMoved: {
                    root.playerManager.volume = value
                    root.playerManager.adjustVolume(0)
                }
                Binding on value {
                    when: !volumeSlider.pressed
                    value: root.playerManager.volume
                    restoreMode: Binding.RestoreNone
                }
            }
            Button {
                id: speedButton
                objectName: "speedButton"
                focusPolicy: Qt.NoFocus
                flat: true
                Layout.preferredWidth: Theme.speedButtonWidth
                implicitHeight: Theme.speedButtonHeight
                padding: 2
                text: ViewText.speedLabel(root.playerManager.playbackRate)
                font.pixelSize: Theme.fontSmall
                contentItem: Text {
                    text: speedButton.text
                    font: speedButton.font
                    color: Theme.secondary
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    radius: Theme.speedButtonRadius
                    color: Theme.faded(Theme.secondary, 0.1)
                }
                onClicked: speedMenu.popup(speedButton, 0, -speedMenu.implicitHeight)
                Menu {
                    id: speedMenu
                    objectName: "speedMenu"
                    Instantiator {
                        model: root.speeds
                        // Qt 6.4's qmllint flags this file's ids inside a component (the menu's delegate);
                        // the component is made here, where they resolve.
                        // qmllint disable unqualified
                        delegate: MenuItem {
                            required property real modelData
                            text: ViewText.speedLabel(modelData)
                            onTriggered: root.playerManager.setPlaybackRate(modelData)
                        }
                        // qmllint enable unqualified
                        onObjectAdded: (index, object) => speedMenu.insertItem(index, object as MenuItem)
                        onObjectRemoved: (index, object) => speedMenu.removeItem(object as MenuItem)
                    }
                }
            }
            // The sleep timer: tinted while it runs, with the time left beside it. Made
            // only for a window that has a timer.
            Loader {
                objectName: "sleepControl"
                active: root.sleepTimer !== null
                visible: active
                // Qt 6.4's qmllint flags this file's ids inside a component (the control and
                // its menu's delegate); the component is made here, where they resolve.
                // qmllint disable unqualified
                sourceComponent: RowLayout {
                    spacing: 0
                    IconButton {
                        id: sleepButton
                        objectName: "sleepButton"
                        symbol: root.sleepActive ? "moon.fill" : "moon"
                        color: root.sleepActive ? Theme.accent : Theme.secondary
                        helpText: !root.sleepActive ? qsTr("Sleep Timer")
                                  : root.sleepTimer.remainingText.length > 0
                                    ? qsTr("Sleep timer: %1 left").arg(root.sleepTimer.remainingText)
                                    : qsTr("Sleep timer: end of chapter")
                        onClicked: sleepMenu.popup(sleepButton, 0, -sleepMenu.implicitHeight)
                        Menu {
                            id: sleepMenu
                            objectName: "sleepMenu"
                            Instantiator {
                                model: [
                                    { label: qsTr("Off"), mode: SleepTimer.Mode.off, minutes: 0 },
                                    { label: qsTr("%Ln Minutes", "", 15), mode: SleepTimer.Mode.minutes, minutes: 15 },
                                    { label: qsTr("%Ln Minutes", "", 30), mode: SleepTimer.Mode.minutes, minutes: 30 },
                                    { label: qsTr("%Ln Minutes", "", 45), mode: SleepTimer.Mode.minutes, minutes: 45 },
                                    { label: qsTr("%Ln Minutes", "", 60), mode: SleepTimer.Mode.minutes, minutes: 60 },
                                    { label: qsTr("End of Chapter"), mode: SleepTimer.Mode.endOfChapter, minutes: 0 }
                                ]
                                delegate: MenuItem {
                                    id: choiceItem
                                    required property var modelData
                                    text: modelData.label
                                    checkable: true
                                    checked: root.isSleepChoice(modelData)
                                    onTriggered: {
                                        root.sleepTimer.choose(modelData.mode, modelData.minutes)
                                        // A click toggles the check by itself; the timer decides it.
                                        choiceItem.checked = Qt.binding(() => root.isSleepChoice(choiceItem.modelData))
                                    }
                                }
                                onObjectAdded: (index, object) => sleepMenu.insertItem(index, object as MenuItem)
                                onObjectRemoved: (index, object) => sleepMenu.removeItem(object as MenuItem)
                            }
                        }
                    }
                    Text {
                        objectName: "sleepRemaining"
                        visible: root.sleepActive && text.length > 0
                        text: root.sleepTimer !== null ? root.sleepTimer.remainingText : ""
                        font.pixelSize: Theme.fontSmall
                        font.family: "monospace"
                        color: Theme.accent
                    }
                }
                // qmllint enable unqualified
            }
        }
    }

    // The progress bar: drawn 3 points high along the top, 12 points taking the pointer.
    SeekBar {
        id: progressBar
        objectName: "miniProgressBar"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: Theme.miniProgressTouchHeight
        trackHeight: Theme.miniProgressHeight
        trackAtTop: true
        rounded: false
        showsKnob: false
        progress: ViewText.clockProgress(root.playerManager.currentTime, root.playerManager.duration)
        onSeek: (fraction) => root.playerManager.seek(fraction * root.playerManager.duration)
    }
}
