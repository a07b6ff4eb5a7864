import QtQuick
import QtQuick.Controls
import QtTest
import Lyrabox

// The settings window over an empty store of its own: what it shows, what each control
// stores, values it does not offer, the downloader's status, the window kept over many
// openings, and the library's sort menu starting at the stored order.
Item {
    id: host
    width: 480
    height: 360

    Component {
        id: settingsComponent
        SettingsView { anchors.fill: parent }
    }
    Component {
        id: contentComponent
        ContentView { width: 1000; height: 640 }
    }
    Component {
        id: mainComponent
        Main {}
    }

    TestCase {
        name: "Settings"
        when: windowShown

        property SettingsView view: null

        function make(ytDlpFound) {
            fixture.reset(ytDlpFound)
            view = createTemporaryObject(settingsComponent, host,
                                         { playerManager: fixture.player, youtubeService: fixture.youtube })
            verify(view)
            waitForRendering(view)
        }
        function showTab(index) {
            findChild(view, "settingsTabs").currentIndex = index
            waitForRendering(view)
        }
        function control(name) {
            const found = findChild(view, name)
            verify(found, name)
            return found
        }
        function pickerText(name) {
            return findChild(control(name), "box").displayText
        }
        function checkedSortOptions() {
            return ["natural", "title", "artist", "album", "duration"]
                .filter(value => control("sortOption_" + value).checked)
        }
        function cleanup() {
            Preferences.defaultSortOrder = "natural"
            Preferences.groupRTLFirst = true
            Preferences.autoPlayNext = true
            Preferences.skipSilence = false
            Preferences.defaultPlaybackRate = 1.0
            Preferences.downloadAudioFormat = "m4a"
            Preferences.downloadVideoFormat = "mp4"
        }

        // Runs first (names sort), over a store with nothing in it: each control shows the
        // default, a click or a choice stores its key at once, and a view made again shows it.
        function test_1_controlsShowTheDefaultsAndStoreAtOnce() {
            make(true)
            verify(control("autoPlayNextToggle").checked)
            mouseClick(control("autoPlayNextToggle"))
            compare(Preferences.autoPlayNext, false)
            showTab(1)
            compare(checkedSortOptions(), ["natural"])
            mouseClick(control("sortOption_title"))
            compare([Preferences.defaultSortOrder, checkedSortOptions()], ["title", ["title"]])
            verify(control("groupRTLFirstToggle").checked)
            mouseClick(control("groupRTLFirstToggle"))
            compare(Preferences.groupRTLFirst, false)
            // The note wraps and is shown whole.
            const note = control("arabicNote")
            verify(note.text.includes("'الفصل ١٠'") && note.lineCount > 1 && note.height >= note.contentHeight)
            showTab(2)
            verify(!control("skipSilenceToggle").checked)
            mouseClick(control("skipSilenceToggle"))
            compare(Preferences.skipSilence, true)
            compare(pickerText("ratePicker"), "1.0x (Normal)")
            findChild(control("ratePicker"), "box").activated(6)
            compare(Preferences.defaultPlaybackRate, 2.0)
            // Choosing "2.0x" leaves the player's speed as it is.
            compare(fixture.player.playbackRate, 1.0)
            showTab(3)
            compare([pickerText("audioFormatPicker"), pickerText("videoFormatPicker")],
                    ["M4A (recommended)", "MP4 (recommended)"])
            findChild(control("audioFormatPicker"), "box").activated(1)
            findChild(control("videoFormatPicker"), "box").activated(2)
            compare([Preferences.downloadAudioFormat, Preferences.downloadVideoFormat], ["mp3", "webm"])

            view.destroy()
            make(true)
            verify(!control("autoPlayNextToggle").checked)
            showTab(1)
            compare(checkedSortOptions(), ["title"])
            verify(!control("groupRTLFirstToggle").checked)
            showTab(2)
            verify(control("skipSilenceToggle").checked)
            compare(pickerText("ratePicker"), "2.0x")
            showTab(3)
            compare([pickerText("audioFormatPicker"), pickerText("videoFormatPicker")], ["MP3", "WebM"])
            // A change made elsewhere shows too.
            Preferences.downloadVideoFormat = "mkv"
            compare(pickerText("videoFormatPicker"), "MKV")
        }

        // Values no control offers show nothing chosen and stay stored as they are.
        function test_valuesNotOfferedShowNothingChosen() {
            Preferences.defaultSortOrder = "dateAdded"
            Preferences.defaultPlaybackRate = 3
            Preferences.downloadAudioFormat = "flac"
            make(true)
            showTab(1)
            compare(checkedSortOptions(), [])
            showTab(2)
            compare(pickerText("ratePicker"), "")
            showTab(3)
            compare(pickerText("audioFormatPicker"), "")
            compare([Preferences.defaultSortOrder, Preferences.downloadAudioFormat], ["dateAdded", "flac"])
            findChild(control("audioFormatPicker"), "box").activated(2)
            compare(Preferences.downloadAudioFormat, "opus")
            compare(pickerText("audioFormatPicker"), "OPUS")
        }

        function test_downloaderStatus_data() {
            return [
                { tag: "found", found: true, status: "Installed" },
                { tag: "missing", found: false, status: "Not Found" },
            ]
        }
        function test_downloaderStatus(data) {
            make(data.found)
            showTab(3)
            compare(control("ytDlpStatus").text, data.status)
            compare(control("ytDlpPathRow").visible, data.found)
            if (data.found)
                compare(control("ytDlpPath").text, fixture.youtube.ytDlpPath)
            // Searching again never loses a downloader that was found.
            mouseClick(control("refreshButton"))
            compare(fixture.youtube.isYtDlpInstalled, data.found)
            compare(control("ytDlpStatus").text, data.status)
        }

        // The window is made on first use and kept: opening it again, closed or open,
        // only shows it.
        function test_settingsWindowIsMadeOnceAndKept() {
            fixture.reset(true)
            const main = createTemporaryObject(mainComponent, null,
                                               { playerManager: fixture.player, libraryManager: fixture.library,
                                                 youtubeService: fixture.youtube, downloadManager: fixture.downloads })
            compare(main.settingsWindow, null)
            main.showSettings()
            const first = main.settingsWindow
            verify(first && first.visible)
            const made = first.contentItem.children.length
            for (let i = 0; i < 100; ++i) {
                first.close()
                main.showSettings()
            }
            main.showSettings()
            verify(main.settingsWindow === first && first.visible)
            compare(first.contentItem.children.length, made)
            first.close()
        }

        // The library's sort menu starts at the stored order whenever the section is shown.
        function test_librarySortStartsAtTheStoredOrder() {
            Preferences.defaultSortOrder = "artist"
            fixture.reset(true)
            const content = createTemporaryObject(contentComponent, host,
                                                  { playerManager: fixture.player, libraryManager: fixture.library,
                                                    youtubeService: fixture.youtube, downloadManager: fixture.downloads })
            waitForRendering(content)
            mouseClick(findChild(content, "tabRow_Library"))
            tryVerify(() => findChild(content, "section_Library").item !== null)
            const library = findChild(content, "section_Library").item
            const sort = findChild(library, "sortMenu")
            compare(findChild(library, "libraryList").model.sortOrder, LibraryManager.SortOrder.Artist)
            compare(sort.displayText, "Artist")
            sort.activated(1)
            compare(sort.displayText, "Title")
            // A stored word of no order starts at the natural one.
            for (const [stored, shown] of [["duration", "Duration"], ["dateAdded", "Natural Order"]]) {
                Preferences.defaultSortOrder = stored
                mouseClick(findChild(content, "tabRow_Videos"))
                mouseClick(findChild(content, "tabRow_Library"))
                compare(sort.displayText, shown)
            }
        }
    }
}
