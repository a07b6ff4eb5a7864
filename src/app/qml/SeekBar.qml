import QtQuick
import Lyrabox

// The player views' seek bar. Shows `progress` (0 to 1), or the dragged position
// while a drag runs; reports the chosen fraction once, on release (a plain click is a
// drag of length zero). The whole item takes the pointer; the track is drawn in its
// middle, or along its top edge (the mini player's thin bar).
Item {
    id: bar

    property real progress: 0
    property real trackHeight: Theme.seekTrackHeight
    property bool rounded: true
    property bool showsKnob: true
    property bool trackAtTop: false
    property bool isDragging: false
    property real dragProgress: 0
    readonly property real shownFraction: isDragging ? dragProgress : progress

    signal seek(real fraction)

    function fractionAt(x) {
        return width > 0 ? Math.max(0, Math.min(1, x / width)) : 0
    }

    // A position on a tape: the start on the left in every language.
    LayoutMirroring.enabled: false
    LayoutMirroring.childrenInherit: true

    implicitHeight: Theme.seekBarHeight
    implicitWidth: Theme.loadingBarWidth

    Rectangle {
        id: track
        y: bar.trackAtTop ? 0 : (bar.height - height) / 2
        width: parent.width
        height: bar.trackHeight
        radius: bar.rounded ? height / 2 : 0
        color: Theme.faded(Theme.secondary, 0.2)
    }
    Rectangle {
        id: fill
        y: track.y
        // progress is not clamped by the player (a length that shrinks); the drawing is.
        // Whole pixels: a long book's bar then redraws only when it visibly moves.
        width: Math.round(bar.width * Math.max(0, Math.min(1, bar.shownFraction)))
        height: bar.trackHeight
        radius: track.radius
        color: Theme.accent
    }
    Rectangle {
        id: knob
        readonly property real diameter: bar.showsKnob && bar.isDragging ? Theme.seekKnobSize : 0
        y: track.y + (track.height - height) / 2
        x: fill.width - width / 2
        width: diameter
        height: diameter
        radius: diameter / 2
        color: Theme.accent
        Behavior on width { NumberAnimation { duration: 100; easing.type: Easing.OutQuad } }
        Behavior on height { NumberAnimation { duration: 100; easing.type: Easing.OutQuad } }
    }
    MouseArea {
        objectName: "seekArea"
        anchors.fill: parent
        preventStealing: true
        cursorShape: Qt.PointingHandCursor
        onPressed: (mouse) => {
            bar.dragProgress = bar.fractionAt(mouse.x)
            bar.isDragging = true
        }
        onPositionChanged: (mouse) => {
            if (pressed)
                bar.dragProgress = bar.fractionAt(mouse.x)
        }
        onReleased: (mouse) => {
            bar.seek(bar.fractionAt(mouse.x))
            bar.isDragging = false
        }
        onCanceled: bar.isDragging = false
    }
}
