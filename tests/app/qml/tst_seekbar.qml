import QtQuick
import QtTest
import Lyrabox

Item {
    id: host
    width: 400
    height: 100

    Component {
        id: barComponent
        SeekBar {
            x: 100
            width: 200
        }
    }

    TestCase {
        name: "SeekBar"
        when: windowShown

        function makeBar(progress) {
            const bar = createTemporaryObject(barComponent, host, { progress: progress })
            const seeks = []
            bar.seek.connect(f => seeks.push(f))
            return { bar: bar, seeks: seeks }
        }

        function test_dragShowsThePointerAndSeeksOnceOnRelease() {
            const t = makeBar(0.1)
            mousePress(t.bar, 20, 10)
            mouseMove(t.bar, 100, 10)
            compare(t.bar.isDragging, true)
            fuzzyCompare(t.bar.shownFraction, 0.5, 1e-9)
            compare(t.seeks.length, 0)
            t.bar.progress = 0.2 // playback moves on; the bar stays under the pointer
            fuzzyCompare(t.bar.shownFraction, 0.5, 1e-9)
            mouseMove(t.bar, 150, 10)
            mouseRelease(t.bar, 150, 10)
            compare(t.seeks.length, 1)
            fuzzyCompare(t.seeks[0], 0.75, 1e-9)
            compare(t.bar.isDragging, false)
            fuzzyCompare(t.bar.shownFraction, 0.2, 1e-9)
        }

        function test_releaseFraction_data() {
            return [
                { tag: "click at a quarter", press: 50, release: 50, fraction: 0.25 },
                { tag: "dragged past the left end", press: 50, release: -60, fraction: 0 },
                { tag: "dragged past the right end", press: 50, release: 290, fraction: 1 },
            ]
        }
        function test_releaseFraction(data) {
            const t = makeBar(0)
            mousePress(t.bar, data.press, 10)
            mouseMove(t.bar, data.release, 10)
            mouseRelease(t.bar, data.release, 10)
            compare(t.seeks.length, 1)
            fuzzyCompare(t.seeks[0], data.fraction, 1e-9)
        }
    }
}
