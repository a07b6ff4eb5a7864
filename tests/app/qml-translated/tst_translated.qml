import QtQuick
import QtTest
import Lyrabox

// The window in the language of the run's locale (Arabic, Hebrew, or a locale without a
// catalogue, which gives English): the texts of each section, and the layout mirrored
// in a right-to-left language, the player's transport and seek bar excepted.
Item {
    id: host
    width: Theme.windowMinWidth
    height: Theme.windowMinHeight

    Component {
        id: contentComponent
        ContentView { anchors.fill: parent }
    }
    Component {
        id: settingsComponent
        SettingsView { anchors.fill: parent }
    }

    TestCase {
        name: "TranslatedWindow"
        when: windowShown

        // The texts expected in each language, with three items (one a video) in the
        // library and nothing else.
        readonly property var expected: ({
            ar: { rightToLeft: true, Library: ["المكتبة", "٣ عناصر"], Audiobooks: ["الكتب الصوتية", "٠ كتاب صوتي"],
                  Videos: ["مقاطع الفيديو", "مقطع فيديو واحد"], Playlists: ["قوائم التشغيل", "٠ قائمة تشغيل"],
                  YouTube: ["يوتيوب", "الصق رابط يوتيوب للبدء"], Downloads: ["التنزيلات", "٠ عنصر · ٠ قيد التنفيذ"],
                  settings: "عام" },
            he: { rightToLeft: true, Library: ["ספרייה", "3 פריטים"], Audiobooks: ["ספרי שמע", "0 ספרי שמע"],
                  Videos: ["סרטונים", "סרטון אחד"], Playlists: ["רשימות השמעה", "0 רשימות השמעה"],
                  YouTube: ["יוטיוב", "כדי להתחיל, יש להדביק כתובת יוטיוב"], Downloads: ["הורדות", "0 פריטים · 0 פעילים"],
                  settings: "כללי" },
            en: { rightToLeft: false, Library: ["Library", "3 items"], Audiobooks: ["Audiobooks", "0 audiobooks"],
                  Videos: ["Videos", "1 videos"], Playlists: ["Playlists", "0 playlists"],
                  YouTube: ["YouTube", "Paste a YouTube URL to get started"], Downloads: ["Downloads", "0 items · 0 active"],
                  settings: "General" }
        })
        readonly property var texts: expected[Qt.locale().name.substring(0, 2)]
        property ContentView view: null

        function initTestCase() {
            verify(texts, "no expected texts for the locale " + Qt.locale().name)
            fixture.reset()
            fixture.importFiles(["Road Notes.mp3", "الفصل ١.mp3", "Harbour.mp4"])
            view = contentComponent.createObject(host,
                                         { playerManager: fixture.player, libraryManager: fixture.library,
                                           youtubeService: fixture.youtube, downloadManager: fixture.downloads })
            fixture.play([{ title: "الفصل ١", duration: 200 }, { title: "Road Notes" }], 0)
            const badge = findChild(findChild(view, "tabRow_Library"), "badge")
            tryVerify(() => badge.visible && badge.text === texts.Library[1].charAt(0), 5000, badge.text)
            waitForRendering(view)
        }
        function sceneX(name, within) {
            const item = findChild(within || view, name)
            verify(item, name)
            return item.mapToItem(host, 0, 0).x
        }

        // Each section reads in the language: its sidebar row, title and count or prompt.
        function test_sectionTexts_data() {
            return ["Library", "Audiobooks", "Videos", "Playlists", "YouTube", "Downloads"].map(t => ({ tag: t }))
        }
        function test_sectionTexts(data) {
            mouseClick(findChild(view, "tabRow_" + data.tag))
            const page = findChild(view, "section_" + data.tag).item
            verify(page)
            compare(findChild(page, "pageTitle").text, texts[data.tag][0])
            const second = data.tag === "YouTube" ? findChild(page, "youtubeEmptyTitle")
                                                  : findChild(page, "pageSubtitle")
            compare(second.text, texts[data.tag][1])
            compare(findChild(findChild(view, "tabRow_" + data.tag), "tabTitle").text, texts[data.tag][0])
        }

        // Right to left: the sidebar on the right, headers and rows mirrored; the
        // transport, the seek bar and the times left to right in every language.
        function test_mirroring() {
            mouseClick(findChild(view, "tabRow_Library"))
            const rtl = texts.rightToLeft
            compare(view.LayoutMirroring.enabled, rtl)
            compare(sceneX("sidebar") > sceneX("detail"), rtl)
            const page = findChild(view, "section_Library").item
            compare(sceneX("pageTitle", page) > sceneX("searchField", page), rtl)
            const row = findChild(page, "libraryList").itemAtIndex(0)
            compare(sceneX("leadingCell", row) > sceneX("rowDuration", row), rtl)
            compare(sceneX("miniTitle") > sceneX("previousButton"), rtl)

            verify(sceneX("previousButton") < sceneX("playButton") && sceneX("playButton") < sceneX("nextButton"))
            const bar = findChild(view, "miniProgressBar")
            const spy = createTemporaryObject(signalSpy, host, { target: bar, signalName: "seek" })
            mouseClick(bar, bar.width * 0.1, 6)
            compare(spy.count, 1)
            fuzzyCompare(spy.signalArguments[0][0], 0.1, 0.01)

            mouseClick(findChild(view, "tabRow_Now Playing"))
            const nowPlaying = findChild(view, "section_Now Playing").item
            verify(sceneX("elapsedTime", nowPlaying) < sceneX("remainingTime", nowPlaying))
        }

        // The settings window's forms in the language and direction of the main window.
        function test_settings() {
            const settings = createTemporaryObject(settingsComponent, host,
                                                   { playerManager: fixture.player, youtubeService: fixture.youtube })
            compare(settings.LayoutMirroring.enabled, texts.rightToLeft)
            compare(findChild(settings, "settingsTab_gear").text, texts.settings)
        }

        Component {
            id: signalSpy
            SignalSpy {}
        }
    }
}
