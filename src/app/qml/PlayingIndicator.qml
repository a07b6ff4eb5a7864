import QtQuick
import Lyrabox

// Three bars in the accent colour that rise and fall while an item plays; still, they
// rest at 40 %. Each bar takes a fresh random height (30 to 100 %) whenever `clock`
// changes, which the views bind to the player's time in whole seconds. The bars step
// with the clock instead of gliding on an animation of their own: a running animation
// redraws the whole window every frame (a third of a core on a software-rendered
// desktop), and even four steps a second double what playing costs, while the second
// ticking over redraws the window for the time texts anyway.
Row {
    id: root

    property bool animating: false
    property real clock: 0
    property list<real> levels: [0.4, 0.4, 0.4]

    spacing: 1.5
    Component.onCompleted: root.animating = true
    onClockChanged: {
        if (!root.animating || !root.visible)
            return
        root.levels = [0.3 + Math.random() * 0.7, 0.3 + Math.random() * 0.7,
                       0.3 + Math.random() * 0.7]
    }

    Repeater {
        model: 3
        // Qt 6.4's qmllint flags this file's ids inside a component (the bars); the
        // component is made here, where they resolve.
        // qmllint disable unqualified
        delegate: Rectangle {
            required property int index
            width: 3
            height: root.height
            radius: 0.5
            color: Theme.accent
            transform: Scale {
                origin.y: root.height
                yScale: root.levels[index]
            }
        }
        // qmllint enable unqualified
    }
}
