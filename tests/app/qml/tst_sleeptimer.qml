import QtQuick
import QtQuick.Controls
import QtTest
import Lyrabox

// The mini player's moon button and its menu, at the window's smallest width.
Item {
    id: host
    width: Theme.windowMinWidth
    height: 300

    Component {
        id: miniComponent
        MiniPlayerView { width: host.width }
    }
    Component {
        id: timerComponent
        SleepTimer {}
    }

    TestCase {
        name: "SleepTimerButton"
        when: windowShown

        property var view: null
        property var timer: null

        function init() {
            fixture.reset()
            fixture.play([{ title: "Book", duration: 3600 }], 0)
            fixture.reportTime(600)
            timer = createTemporaryObject(timerComponent, host, { player: fixture.player })
            view = createTemporaryObject(miniComponent, host,
                                         { playerManager: fixture.player, sleepTimer: timer })
        }

        function menuEntries() {
            const menu = findChild(view, "sleepMenu")
            return Array.from({ length: menu.count }, (_, i) => menu.itemAt(i))
        }
        function checkedLabels() {
            return menuEntries().filter(entry => entry.checked).map(entry => entry.text)
        }
        function choose(label) {
            const menu = findChild(view, "sleepMenu")
            mouseClick(findChild(view, "sleepButton"))
            tryVerify(() => menu.opened)
            const entry = menuEntries().find(candidate => candidate.text === label)
            verify(entry, label)
            mouseClick(entry)
            tryVerify(() => !menu.visible)
        }

        function test_choice_data() {
            return [
                { tag: "60 Minutes", mode: SleepTimer.Mode.minutes, minutes: 60, left: "1:00:00" },
                { tag: "End of Chapter", mode: SleepTimer.Mode.endOfChapter, minutes: 0, left: "50:00" },
            ]
        }
        // The check follows the timer, also when an entry is chosen again; "Off" ends it.
        function test_choice(data) {
            const button = findChild(view, "sleepButton")
            compare(checkedLabels(), ["Off"])
            compare(button.symbol, "moon")

            choose(data.tag)
            compare(timer.mode, data.mode)
            compare(timer.minutes, data.minutes)
            compare(checkedLabels(), [data.tag])
            compare(button.symbol, "moon.fill")
            compare(findChild(view, "sleepRemaining").text, data.left)
            verify(button.helpText.indexOf(data.left) >= 0, button.helpText)

            choose(data.tag)
            verify(timer.active)
            compare(checkedLabels(), [data.tag])

            choose("Off")
            verify(!timer.active)
            compare(checkedLabels(), ["Off"])
            verify(!findChild(view, "sleepRemaining").visible)
        }

        // Long times and the running timer's label still leave room for the title.
        function test_fitsTheSmallestWindow() {
            fixture.play([{ title: "Book", duration: 36000 }], 0)
            fixture.reportTime(35000)
            timer.choose(SleepTimer.Mode.minutes, 60)
            const label = findChild(view, "sleepRemaining")
            tryVerify(() => label.visible && label.width > 0)
            waitForRendering(view) // the rows are laid out before a frame is drawn
            const right = label.mapToItem(view, label.width, 0).x
            verify(right <= view.width - Theme.miniHPadding + 0.5, right)
            const speed = findChild(view, "speedButton")
            const moon = findChild(view, "sleepButton")
            verify(speed.mapToItem(view, speed.width, 0).x <= moon.mapToItem(view, 0, 0).x)
            const title = findChild(view, "miniTitle")
            verify(title.width >= Theme.miniItemMinWidth - Theme.miniArtworkSize - Theme.miniItemSpacing,
                   title.width)
        }
    }
}
