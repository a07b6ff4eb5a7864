import QtQuick
import Lyrabox

// Three bars in the accent colour that rise and fall while an item plays. Each bar
// swings between its rest height and a fresh random height (30 to 100 %) every cycle,
// 0.4 s each way with an ease-in-ease-out curve; the second and third start 0.15 s
// and 0.3 s later. Still, the bars rest at 40 %.
Row {
    id: root

    property bool animating: false

    spacing: 1.5
    Component.onCompleted: root.animating = true

    Repeater {
        model: 3
        // qmllint disable unqualified
        delegate: Rectangle {
            id: bar
            required property int index
            property real level: 0.4

            function pickPeak() {
                rise.to = 0.3 + Math.random() * 0.7
            }

            width: 3
            height: root.height
            radius: 0.5
            color: Theme.accent
            transform: Scale {
                origin.y: bar.height
                yScale: bar.level
            }

            SequentialAnimation {
                running: root.animating && root.visible
                loops: Animation.Infinite
                PauseAnimation { duration: bar.index * 150 }
                SequentialAnimation {
                    loops: Animation.Infinite
                    NumberAnimation {
                        id: rise
                        target: bar
                        property: "level"
                        duration: 400
                        easing.type: Easing.InOutQuad
                    }
                    NumberAnimation {
                        target: bar
                        property: "level"
                        to: 0.3
                        duration: 400
                        easing.type: Easing.InOutQuad
                    }
                    ScriptAction { script: bar.pickPeak() }
                }
                onStarted: bar.pickPeak()
                onStopped: bar.level = 0.4
            }
        }
        // qmllint enable unqualified
    }
}
