import QtQuick
import Lyrabox

// The now playing view's seek bar. Shows `progress` (0 to 1), or the dragged position
// while a drag runs; reports the chosen fraction once, on release (a plain click is a
// drag of length zero).
Item {
    id: bar

    property real progress: 0
    property bool isDragging: false
    property real dragProgress: 0
    readonly property real shownFraction: isDragging ? dragProgress : progress

    signal seek(real fraction)

    function fractionAt(x) {
        return width > 0 ? Math.max(0, Math.min(1, x / width)) : 0
    }

    implicitHeight: 20
    implicitWidth: 200

    Rectangle {
        id: track
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width
        height: 4
        radius: 2
        color: Theme.faded(Theme.secondary, 0.2)
    }
    Rectangle {
        id: fill
        anchors.verticalCenter: parent.verticalCenter
        // progress is not clamped by the player (a length that shrinks); the drawing is.
        // Whole pixels: a long book's bar then redraws only when it visibly moves.
        width: Math.round(bar.width * Math.max(0, Math.min(1, bar.shownFraction)))
        height: 4
        radius: 2
        color: Theme.accent
    }
    Rectangle {
        id: knob
        readonly property real diameter: bar.isDragging ? 14 : 0
        anchors.verticalCenter: parent.verticalCenter
        x: fill.width - width / 2
        width: diameter
        height: diameter
        radius: diameter / 2
        color: Theme.accent
        Behavior on width { NumberAnimation { duration: 100; easing.type: Easing.OutQuad } }
        Behavior on height { NumberAnimation { duration: 100; easing.type: Easing.OutQuad } }
    }
    MouseArea {
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
