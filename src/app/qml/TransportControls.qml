import QtQuick
import QtQuick.Layouts
import Lyrabox

// The seven transport buttons of the player views, in order: shuffle, previous, skip
// back 15 s, play / pause, skip forward 15 s, next, repeat. The mini player shows them
// small with help texts; the now playing view large without.
RowLayout {
    id: controls

    required property MediaPlayerManager playerManager
    // Shuffle and repeat; previous and next; the skips; play / pause.
    property real toggleSize: Theme.transportToggleSize
    property real stepSize: Theme.transportToggleSize
    property real skipSize: Theme.transportSkipSize
    property real playSize: Theme.transportPlaySize
    property bool showsHelp: true

    readonly property bool isPlaying: controls.playerManager.isPlaying
    readonly property int repeatMode: controls.playerManager.repeatMode

    spacing: Theme.transportSpacing
    // Previous on the left and next on the right in every language, as on a tape.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    IconButton {
        objectName: "shuffleButton"
        symbol: "shuffle"
        iconSize: controls.toggleSize
        helpText: controls.showsHelp ? qsTr("Shuffle") : ""
        color: controls.playerManager.shuffleEnabled ? Theme.accent : Theme.secondary
        onClicked: controls.playerManager.toggleShuffle()
    }
    IconButton {
        objectName: "previousButton"
        symbol: "backward.fill"
        iconSize: controls.stepSize
        helpText: controls.showsHelp ? qsTr("Previous") : ""
        color: Theme.primary
        onClicked: controls.playerManager.playPrevious()
    }
    IconButton {
        objectName: "skipBackButton"
        symbol: "gobackward.15"
        iconSize: controls.skipSize
        helpText: controls.showsHelp ? qsTr("Skip back %1s").arg(ViewText.number(15)) : ""
        color: Theme.primary
        onClicked: controls.playerManager.skipBackward(15)
    }
    IconButton {
        objectName: "playButton"
        symbol: controls.isPlaying ? "pause.circle.fill" : "play.circle.fill"
        iconSize: controls.playSize
        padding: 0
        helpText: controls.showsHelp ? (controls.isPlaying ? qsTr("Pause") : qsTr("Play")) : ""
        color: Theme.accent
        onClicked: controls.playerManager.togglePlayPause()
    }
    IconButton {
        objectName: "skipForwardButton"
        symbol: "goforward.15"
        iconSize: controls.skipSize
        helpText: controls.showsHelp ? qsTr("Skip forward %1s").arg(ViewText.number(15)) : ""
        color: Theme.primary
        onClicked: controls.playerManager.skipForward(15)
    }
    IconButton {
        objectName: "nextButton"
        symbol: "forward.fill"
        iconSize: controls.stepSize
        helpText: controls.showsHelp ? qsTr("Next") : ""
        color: Theme.primary
        onClicked: controls.playerManager.playNext()
    }
    IconButton {
        objectName: "repeatButton"
        symbol: controls.repeatMode === MediaPlayerManager.RepeatMode.one ? "repeat.1" : "repeat"
        iconSize: controls.toggleSize
        // The mode's own title: "Off", "Repeat All" or "Repeat One".
        helpText: controls.showsHelp ? controls.playerManager.repeatModeTitle(controls.repeatMode) : ""
        color: controls.repeatMode === MediaPlayerManager.RepeatMode.off ? Theme.secondary : Theme.accent
        onClicked: controls.playerManager.cycleRepeatMode()
    }
}
