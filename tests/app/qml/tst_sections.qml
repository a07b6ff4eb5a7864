import QtQuick
import QtTest
import Lyrabox

// The six section views on the shared page: titles, count lines, empty states and
// their buttons, header actions and the import progress.
Item {
    id: host
    width: 1000
    height: 640

    Component {
        id: libraryComponent
        LibraryView { anchors.fill: parent }
    }
    Component {
        id: audiobookComponent
        AudiobookView { anchors.fill: parent }
    }
    Component {
        id: videoComponent
        VideoLibraryView { anchors.fill: parent }
    }
    Component {
        id: playlistsComponent
        PlaylistsView { anchors.fill: parent }
    }
    Component {
        id: youtubeComponent
        YouTubeView { anchors.fill: parent }
    }
    Component {
        id: downloadComponent
        DownloadQueueView { anchors.fill: parent }
    }

    TestCase {
        name: "Sections"
        when: windowShown

        function init() {
            fixture.reset()
        }
        function make(name) {
            const components = {
                library: [libraryComponent, "libraryManager", "library"],
                audiobooks: [audiobookComponent, "libraryManager", "library"],
                videos: [videoComponent, "libraryManager", "library"],
                playlists: [playlistsComponent, "libraryManager", "library"],
                youtube: [youtubeComponent, "youtubeService", "youtube"],
                downloads: [downloadComponent, "downloadManager", "downloads"],
            }
            const entry = components[name]
            const properties = {}
            properties[entry[1]] = fixture[entry[2]]
            const view = createTemporaryObject(entry[0], host, properties)
            verify(view, name)
            waitForRendering(view)
            return view
        }
        function textOf(view, name) {
            const item = findChild(view, name)
            verify(item, name)
            return item.text
        }
        function emptyShown(view) {
            return findChild(view, "emptyState").visible
        }
        function buttonTexts(row) {
            const texts = []
            for (let i = 0; i < row.children.length; ++i) {
                if (row.children[i].visible && row.children[i].text !== undefined)
                    texts.push(row.children[i].text)
            }
            return texts
        }

        function test_emptySection_data() {
            return [
                { tag: "library", title: "Library", count: "0 items",
                  heading: "Your Library is Empty",
                  text: "Add files or folders to get started.\nDrag and drop media files here, or use the buttons below.",
                  buttons: ["Add Files", "Add Folder"] },
                { tag: "audiobooks", title: "Audiobooks", count: "0 audiobooks",
                  heading: "No Audiobooks",
                  text: "Add a folder containing audiobook chapters.\nChapters will be sorted correctly, even with Arabic titles.",
                  buttons: ["Add Audiobook Folder"] },
                { tag: "videos", title: "Videos", count: "0 videos", heading: "No Videos",
                  text: "Add video files to your library or\nstream from YouTube.", buttons: [] },
                { tag: "playlists", title: "Playlists", count: "0 playlists", heading: "No Playlists",
                  text: "Create playlists to organize your media.\nFolders added as audiobooks will appear here too.",
                  buttons: [] },
                { tag: "youtube", title: "YouTube", count: "Stream or download from YouTube",
                  heading: "Paste a YouTube URL to get started",
                  text: "You can stream videos, listen to audio only,\nor download content for offline use.",
                  buttons: [] },
                { tag: "downloads", title: "Downloads", count: "0 items · 0 active",
                  heading: "No Downloads",
                  text: "Download videos or audio from YouTube.\nGo to the YouTube tab to get started.",
                  buttons: [] },
            ]
        }
        function test_emptySection(data) {
            const view = make(data.tag)
            compare(textOf(view, "pageTitle"), data.title)
            compare(textOf(view, "pageSubtitle"), data.count)
            verify(emptyShown(view))
            verify(!findChild(view, "pageContent").visible)
            compare(textOf(view, "emptyTitle"), data.heading)
            compare(textOf(view, "emptyText"), data.text)
            const row = findChild(view, "emptyActions")
            compare(row.visible, data.buttons.length > 0)
            compare(buttonTexts(row), data.buttons)
            verify(!findChild(view, "loadingOverlay").visible)
        }

        // The library counts every item whatever the search; videos count only the
        // matching videos; audiobooks count only audiobook playlists.
        function test_countLinesFollowTheLibrary() {
            const library = make("library")
            const videos = make("videos")
            const audiobooks = make("audiobooks")
            const playlists = make("playlists")
            fixture.importFiles(["one.mp3", "two.mp4", "three.mp4"])
            tryVerify(() => fixture.importsIdle())
            tryCompare(findChild(library, "pageSubtitle"), "text", "3 items")
            tryCompare(findChild(videos, "pageSubtitle"), "text", "2 videos")
            verify(!emptyShown(library))
            verify(!emptyShown(videos))
            verify(findChild(library, "pageContent").visible)

            fixture.createPlaylist("Road Trip", false)
            tryCompare(findChild(playlists, "pageSubtitle"), "text", "1 playlists")
            compare(textOf(audiobooks, "pageSubtitle"), "0 audiobooks")
            verify(emptyShown(audiobooks))
            verify(!emptyShown(playlists))
            fixture.createPlaylist("كتاب الليل", true)
            tryCompare(findChild(audiobooks, "pageSubtitle"), "text", "1 audiobooks")
            verify(!emptyShown(audiobooks))
            compare(textOf(playlists, "pageSubtitle"), "2 playlists")

            // Typed into the library's search field: the library's own count stays.
            const field = findChild(library, "searchField")
            verify(field.visible)
            field.forceActiveFocus()
            keyClick(Qt.Key_O)
            keyClick(Qt.Key_N)
            keyClick(Qt.Key_E)
            compare(fixture.library.searchText, "one")
            tryCompare(findChild(videos, "pageSubtitle"), "text", "0 videos")
            verify(emptyShown(videos))
            compare(textOf(library, "pageSubtitle"), "3 items")
            verify(!emptyShown(library))
            // A search set elsewhere shows in the field.
            fixture.library.searchText = ""
            compare(field.text, "")
            tryCompare(findChild(videos, "pageSubtitle"), "text", "2 videos")
        }

        function test_libraryShowsImportProgress() {
            const view = make("library")
            const overlay = findChild(view, "loadingOverlay")
            verify(!overlay.visible)
            // Enough files for the import to run over several checks.
            const names = []
            for (let i = 0; i < 1500; ++i)
                names.push("track " + i + ".mp3")
            fixture.importFiles(names)
            // Whatever the import reports while it runs is what the overlay shows.
            const seen = []
            tryVerify(() => {
                if (overlay.visible)
                    seen.push(findChild(view, "loadingProgress").value
                              === fixture.library.loadingProgress)
                return fixture.importsIdle()
            })
            verify(seen.length > 0, "the overlay never showed")
            verify(seen.every(matches => matches))
            compare(textOf(view, "loadingText"), "Loading media files...")
            tryVerify(() => !overlay.visible)
        }

        function test_addButtonsAskForTheChoosers() {
            const library = make("library")
            const asked = []
            library.addFilesRequested.connect(() => asked.push("files"))
            library.addFolderRequested.connect(() => asked.push("folder"))
            mouseClick(findChild(library, "addFilesButton"))
            mouseClick(findChild(library, "addFolderButton"))
            const menu = findChild(library, "addMenu")
            mouseClick(findChild(library, "addMenuButton"))
            tryVerify(() => menu.opened)
            menu.itemAt(1).triggered()
            compare(asked, ["files", "folder", "folder"])

            const books = make("audiobooks")
            books.addFolderRequested.connect(() => asked.push("book folder"))
            mouseClick(findChild(books, "addAudiobookFolderButton"))
            const videos = make("videos")
            videos.addFilesRequested.connect(() => asked.push("video files"))
            mouseClick(findChild(videos, "addVideosButton"))
            compare(asked.slice(3), ["book folder", "video files"])
        }

        function test_downloadsHeaderCountsAndClearsCompleted() {
            const view = make("downloads")
            const clear = findChild(view, "clearCompletedButton")
            verify(!clear.visible)
            fixture.queueDownloads(2, 1)
            tryCompare(findChild(view, "pageSubtitle"), "text", "3 items · 2 active")
            verify(!emptyShown(view))
            tryVerify(() => clear.visible)
            // The header row places the button on its next layout pass.
            waitForRendering(view)
            mouseClick(clear)
            compare(textOf(view, "pageSubtitle"), "2 items · 2 active")
            verify(!clear.visible)
            fixture.finishDownloads()
            tryCompare(findChild(view, "pageSubtitle"), "text", "2 items · 0 active")
            verify(clear.visible)
        }

        // A kept page hears each time it comes into view again, not while hidden.
        function test_pageTellsWhenShownAgain() {
            const view = make("playlists")
            let shown = 0
            view.shown.connect(() => ++shown)
            view.visible = false
            compare(shown, 0)
            view.visible = true
            compare(shown, 1)
            view.visible = true
            compare(shown, 1)
        }

        function test_youTubeWarnsOnlyWithoutTheTool_data() {
            return [
                { tag: "found", found: true },
                { tag: "missing", found: false },
            ]
        }
        function test_youTubeWarnsOnlyWithoutTheTool(data) {
            fixture.reset(data.found)
            const view = make("youtube")
            tryCompare(fixture.youtube, "isYtDlpInstalled", data.found)
            compare(findChild(view, "toolMissingLabel").visible, !data.found)
        }
    }
}
