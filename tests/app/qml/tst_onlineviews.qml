import QtQuick
import QtQuick.Controls
import QtTest
import Lyrabox

// The YouTube and Downloads views over the real service and queue, driving the scripted
// yt-dlp: the address rules, paste-then-fetch, the card's states, streaming, the tool
// missing then installed, and each download row's icon, figures and actions.
Item {
    id: host
    width: 1100
    height: 760

    Component {
        id: contentComponent
        ContentView { anchors.fill: parent }
    }
    Component {
        id: rowComponent
        DownloadRowView {
            width: 600
            index: 0
            taskId: "row"
            title: "Row"
            isAudioOnly: false
            status: DownloadTask.Status.waiting
            statusMessage: ""
            progress: 0
            outputUrl: ""
        }
    }

    TestCase {
        name: "OnlineViews"
        when: windowShown

        property ContentView view: null

        // The description a real "--dump-json" gives, for a fetch; other runs write a file.
        readonly property string infoJson: '{"id":"v1","title":"Harbour Lights","duration":3725,'
            + '"uploader":"Night Walks","description":"Filmed at dusk.","thumbnail":"THUMB","formats":[]}'

        function make(ytDlpFound) {
            fixture.reset(ytDlpFound)
            view = createTemporaryObject(contentComponent, host,
                                         { playerManager: fixture.player, libraryManager: fixture.library,
                                           youtubeService: fixture.youtube, downloadManager: fixture.downloads })
            verify(view)
            waitForRendering(view)
        }
        function init() { make(true) }
        function show(title) {
            mouseClick(findChild(view, "tabRow_" + title))
            const page = findChild(view, "section_" + title).item
            verify(page)
            return page
        }
        // An address whose run prints the information (waiting at `gate` first when given)
        // and, when streamed or downloaded, writes "<file>" into the output folder.
        function videoAddress(name, options) {
            const opts = options || {}
            const wait = opts.gate ? 'while [ ! -e "$here/' + opts.gate + '" ]; do sleep 0.02; done\n' : ""
            const json = infoJson.replace("THUMB", opts.thumbnail || "https://127.0.0.1:9/thumb.jpg")
            return fixture.scenario(name, 'case " $* " in *" --dump-json "*) ' + wait
                                    + "echo '" + json + "' ;;\n"
                                    + '*) ' + (opts.streamGate ? 'while [ ! -e "$here/' + opts.streamGate
                                                               + '" ]; do sleep 0.02; done; ' : "")
                                    + ': > "$out_dir/' + (opts.file || "clip.mp4") + '" ;;\nesac\n')
        }
        function fetchShown(page, address) {
            fixture.youtube.urlInput = address
            mouseClick(findChild(page, "fetchButton"))
            tryCompare(fixture.youtube, "isLoadingInfo", false, 5000)
            tryVerify(() => findChild(page, "videoInfoCard").visible)
            return findChild(page, "videoInfoCard")
        }
        function menuTexts(menu) {
            return Array.from({ length: menu.count }, (_, i) => menu.itemAt(i).text)
        }

        // Fetch is off only for an empty field or while fetching; blank text does nothing.
        // Paste fills the field as it is and fetches only a video address; Return fetches.
        function test_addressFieldPasteAndFetch() {
            const page = show("YouTube")
            const fetchButton = findChild(page, "fetchButton")
            verify(!fetchButton.enabled)
            fixture.youtube.urlInput = "  \n "
            verify(fetchButton.enabled)
            mouseClick(fetchButton)
            verify(!fixture.youtube.isLoadingInfo) // a fetch would be loading at once

            fixture.setClipboardText("just some words")
            mouseClick(findChild(page, "pasteButton"))
            compare([findChild(page, "urlField").text, fixture.youtube.isLoadingInfo], ["just some words", false])

            // A watch-page address (the scripted tool takes the address as its script).
            const address = videoAddress("youtube.com/watch", { gate: "info-gate" })
            fixture.setClipboardText(address + "\n")
            mouseClick(findChild(page, "pasteButton"))
            compare(fixture.youtube.urlInput, address + "\n")
            compare([fixture.youtube.isLoadingInfo, fetchButton.enabled], [true, false])
            fixture.openGate("info-gate")
            tryCompare(fixture.youtube, "isLoadingInfo", false, 5000)
            compare(fixture.lastToolArguments().slice(-2), ["--", address])

            const card = findChild(page, "videoInfoCard")
            compare([card.visible, findChild(card, "videoTitle").text, findChild(card, "videoUploader").text],
                    [true, "Harbour Lights", "Night Walks"])
            mouseClick(findChild(card, "descriptionToggle"))
            verify(findChild(card, "descriptionText").visible)

            // Away and back: the same address and card; the description closed again.
            show("Downloads")
            show("YouTube")
            compare(findChild(page, "urlField").text, address + "\n")
            verify(card.visible && !findChild(card, "descriptionText").visible)

            // Return in the field fetches too; text that looks like an option reaches the
            // tool only after "--".
            const field = findChild(page, "urlField")
            fixture.youtube.urlInput = "--exec=touch /tmp/lyrabox-never"
            field.forceActiveFocus()
            keyClick(Qt.Key_Return)
            tryCompare(fixture.youtube, "isLoadingInfo", false, 5000)
            compare(fixture.lastToolArguments().slice(-2), ["--", "--exec=touch /tmp/lyrabox-never"])
            fixture.youtube.errorMessage = ""
        }

        // A megabyte of clipboard text goes into the field whole, fast, and is not fetched.
        function test_hugeClipboard() {
            const page = show("YouTube")
            const text = "x".repeat(1024 * 1024)
            fixture.setClipboardText(text)
            const started = Date.now()
            mouseClick(findChild(page, "pasteButton"))
            waitForRendering(page)
            verify(Date.now() - started < 3000, "took " + (Date.now() - started) + " ms")
            compare(fixture.youtube.urlInput.length, text.length)
            compare(findChild(page, "urlField").length, text.length)
            verify(!fixture.youtube.isLoadingInfo)
        }

        // Only http and https pictures are loaded; anything else keeps the placeholder.
        function test_thumbnailAddresses_data() {
            return [
                { tag: "https", thumbnail: "https://127.0.0.1:9/t.jpg", loaded: true },
                { tag: "file", thumbnail: "file:///etc/passwd", loaded: false },
                { tag: "data", thumbnail: "data:image/png;base64,iVBORw0KGgo=", loaded: false },
                { tag: "relative", thumbnail: "thumb.jpg", loaded: false },
            ]
        }
        function test_thumbnailAddresses(data) {
            const page = show("YouTube")
            const card = fetchShown(page, videoAddress("thumb-" + data.tag, { thumbnail: data.thumbnail }))
            const image = findChild(card, "thumbnail")
            compare(String(image.source), data.loaded ? data.thumbnail : "")
            // Nothing answers on port 9: the placeholder stays either way.
            tryVerify(() => image.status !== Image.Loading, 5000)
            verify(findChild(card, "thumbnailPlaceholder").visible)
        }

        // While a stream runs both stream buttons are off and the download menu is not; the
        // streamed file then plays as a one-item queue. Both menu entries queue a download.
        function test_streamAndQueueDownloads() {
            const page = show("YouTube")
            const card = fetchShown(page, videoAddress("streamed", { streamGate: "stream-gate" }))
            mouseClick(findChild(card, "streamAudioButton"))
            verify(fixture.youtube.isStreaming)
            compare(["streamVideoButton", "streamAudioButton", "downloadButton"].map(
                        name => findChild(card, name).enabled), [false, false, true])
            fixture.openGate("stream-gate")
            tryCompare(fixture.youtube, "isStreaming", false, 5000)
            tryCompare(fixture.player, "currentIndex", 0, 5000)
            compare(fixture.queueTitles(), ["Harbour Lights"])
            verify(card.visible)

            mouseClick(findChild(card, "downloadButton"))
            const menu = findChild(card, "downloadMenu")
            tryCompare(menu, "opened", true)
            compare(menuTexts(menu), ["Download Video", "Download Audio Only"])
            findChild(menu, "downloadAudioEntry").triggered()
            menu.close()
            findChild(menu, "downloadVideoEntry").triggered()
            const queued = fixture.downloads.downloads
            compare([queued.length, queued[0].title, queued[0].isAudioOnly, queued[1].isAudioOnly],
                    [2, "Harbour Lights", true, false])
            // Queuing does not change the section.
            compare(view.selectedTab, SidebarTab.YouTube)
        }

        // Missing at start: the header label and the install hint; "Copy command" puts the
        // APT command on the clipboard; once installed, "Check Again" hides both.
        function test_toolMissingThenInstalled() {
            make(false)
            const page = show("YouTube")
            fixture.setClipboardText("something else")
            mouseClick(findChild(page, "copyCommandButton"))
            compare(fixture.clipboardText(), "sudo apt install yt-dlp")
            mouseClick(findChild(page, "checkAgainButton"))
            verify(findChild(page, "installHint").visible && findChild(page, "toolMissingLabel").visible)
            verify(findChild(page, "youtubeEmptyState").visible)
            fixture.installYtDlp()
            mouseClick(findChild(page, "checkAgainButton"))
            tryCompare(fixture.youtube, "isYtDlpInstalled", true)
            verify(!findChild(page, "toolMissingLabel").visible && !findChild(page, "installHint").visible)
        }

        // Each status has its icon, figures and trailing action; the percentage is
        // truncated (0.999 reads 99) without floating-point slips (0.29 reads 29).
        function test_rowByStatus_data() {
            return [
                { tag: "waiting", status: DownloadTask.Status.waiting, icon: "clock", progress: 0 },
                { tag: "downloading", status: DownloadTask.Status.downloading, icon: "spinner",
                  progress: 0.29, percent: "29%" },
                { tag: "converting", status: DownloadTask.Status.converting, icon: "wand.and.stars",
                  progress: 0.999, percent: "99%", audio: true },
                { tag: "completed", status: DownloadTask.Status.completed, icon: "checkmark.circle.fill",
                  progress: 1, button: "plus.circle", help: "Add to library" },
                { tag: "failed", status: DownloadTask.Status.failed, icon: "exclamationmark.circle.fill",
                  progress: 0.4, button: "arrow.clockwise", help: "Retry" },
            ]
        }
        function test_rowByStatus(data) {
            const row = createTemporaryObject(rowComponent, host, { status: data.status, progress: data.progress,
                                                                    isAudioOnly: !!data.audio })
            compare([findChild(row, "statusIcon").shown, findChild(row, "kindBadge").text],
                    [data.icon, data.audio ? "Audio" : "Video"])
            const percent = findChild(row, "percentText"), button = findChild(row, "actionButton")
            compare([findChild(row, "progressBar").visible, percent.visible ? percent.text : undefined],
                    [data.percent !== undefined, data.percent])
            compare(button.visible ? [button.symbol, button.helpText] : [], data.button ? [data.button, data.help] : [])
        }

        // The queue live: header counts, the rows' menus by status, "Add to Library" (and
        // not for a file deleted meanwhile), "Retry", "Clear Completed", a folder that
        // cannot be written, and "Remove" of a running download: its tool and its partial
        // files go, and nothing else.
        function test_queueActions() {
            const page = show("Downloads")
            verify(findChild(page, "emptyState").visible)
            fixture.makeFile("song.m4a") // there before: never the running download's
            const running = fixture.scenario("song", 'echo $$ > "$here/song.pid"\n'
                + 'echo "[download] Destination: $out_dir/song.webm"\n'
                + ': > "$out_dir/song.webm.part"; : > "$out_dir/song.webm.ytdl"\n'
                + "echo '[download]  10.0% of 1MiB'\n"
                + 'while :; do sleep 0.05; done\n')
            fixture.downloads.addDownload(running, "Song", true)
            fixture.queueDownloads(0, 2)
            fixture.downloads.addDownload(fixture.scenario("broken", "echo 'ERROR: gone' >&2; exit 1"), "Broken", false)
            const list = findChild(page, "downloadList")
            tryCompare(list, "count", 4)
            tryCompare(fixture.downloads, "completedCount", 2, 5000)
            tryVerify(() => fixture.downloads.downloads[3].status === DownloadTask.Status.failed, 5000)
            tryVerify(() => fixture.downloads.downloads[0].progress === 0.1, 5000)
            compare(findChild(page, "pageSubtitle").text, "4 items · 1 active")
            verify(!findChild(page, "emptyState").visible)
            compare(fixture.downloads.downloads[3].statusMessage, "Download failed: ERROR: gone\n")

            const menu = findChild(page, "downloadMenu")
            const idOf = (row) => fixture.downloads.downloads[row].id.toString().replace(/[{}]/g, "")
            const completed = ["Add to Library", "Show in File Manager", "Remove"]
            const menus = [["Remove"], completed, completed, ["Retry", "Remove"]]
            for (let row = 0; row < 4; ++row) {
                page.openMenu(idOf(row), fixture.downloads.downloads[row].status, "")
                tryCompare(menu, "opened", true)
                compare(menuTexts(menu), menus[row], row)
                menu.close()
            }

            // Add to Library: the file becomes a library item; a deleted one adds nothing.
            const firstFile = fixture.downloads.downloads[1].outputURL
            page.openMenu(idOf(1), DownloadTask.Status.completed, firstFile)
            findChild(menu, "addToLibraryEntry").triggered()
            tryVerify(() => fixture.library.allItems.length === 1, 5000)
            const secondName = String(fixture.downloads.downloads[2].outputURL).split("/").pop()
            verify(fixture.removeFile(secondName))
            page.addToLibrary(idOf(2))
            wait(100)
            tryCompare(fixture.library, "isLoading", false)
            compare(fixture.library.allItems.length, 1)

            // Retry from the row's button keeps the entry's place; it fails again.
            const failedId = idOf(3)
            list.positionViewAtIndex(3, ListView.Contain)
            mouseClick(findChild(list.itemAtIndex(3), "actionButton"))
            compare(idOf(3), failedId)
            tryVerify(() => fixture.downloads.downloads[3].status === DownloadTask.Status.failed, 5000)

            // Remove while running: the tool and its partial files go; the rest stays.
            const before = fixture.downloadFolderFiles()
            verify(before.indexOf("song.webm.part") >= 0, before)
            verify(fixture.toolRunning("song"))
            page.openMenu(idOf(0), DownloadTask.Status.downloading, "")
            findChild(menu, "removeEntry").triggered()
            compare(list.count, 3)
            verify(!fixture.toolRunning("song"))
            compare(fixture.downloadFolderFiles(), before.filter(name => !name.startsWith("song.webm")))
            compare(fixture.downloads.activeCount, 0)

            mouseClick(findChild(page, "clearCompletedButton"))
            compare(list.count, 1)
            verify(!findChild(page, "clearCompletedButton").visible)

            // A folder that cannot take files: the row fails at once and says why.
            const blocker = fixture.makeFile("not-a-folder")
            fixture.downloads.downloadDirectory = blocker
            compare(findChild(page, "folderPath").text, String(blocker).replace("file://", ""))
            fixture.downloads.addDownload(videoAddress("unwritable"), "Unwritable", false)
            const last = fixture.downloads.downloads[1]
            compare(last.status, DownloadTask.Status.failed)
            verify(last.statusMessage.indexOf("cannot be written") >= 0, last.statusMessage)
        }
    }
}
