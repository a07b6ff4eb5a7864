import QtQuick
import QtQuick.Controls
import QtTest
import Lyrabox

// The library and playlists views over real managers: what their buttons, rows and
// menus hand the player and the library, the sheets' rules, and the playlist detail
// following the stored playlist.
Item {
    id: host
    width: 1000
    height: 640

    Component {
        id: contentComponent
        ContentView { anchors.fill: parent }
    }

    TestCase {
        name: "LibraryViews"
        when: windowShown

        property ContentView view: null
        property LibraryManager library: null

        function init() {
            fixture.reset(true)
            library = fixture.library
            view = createTemporaryObject(contentComponent, host,
                                         { playerManager: fixture.player, libraryManager: library,
                                           youtubeService: fixture.youtube, downloadManager: fixture.downloads })
            verify(view)
            waitForRendering(view)
        }
        function choose(title) {
            mouseClick(findChild(view, "tabRow_" + title))
            return findChild(view, "section_" + title).item
        }
        function importAndShow(names) {
            fixture.importFiles(names)
            tryCompare(library, "isLoading", false)
            tryCompare(library.allItems, "length", names.length)
            const page = choose("Library")
            const list = findChild(page, "libraryList")
            tryCompare(list, "count", names.length)
            waitForRendering(list)
            return page
        }
        // A list's delegate for one row, made and placed now.
        function rowAt(list, row) {
            list.forceLayout()
            list.positionViewAtIndex(row, ListView.Contain)
            return list.itemAtIndex(row)
        }
        function titlesShown(list) {
            const titles = []
            for (let row = 0; row < list.count; ++row)
                titles.push(rowAt(list, row).title)
            return titles
        }
        function menuEntries(menu) {
            const texts = []
            for (let i = 0; i < menu.count; ++i) {
                const entry = menu.itemAt(i)
                texts.push(entry instanceof MenuSeparator ? "-" : entry.text)
            }
            return texts
        }
        // As a secondary click on the row asks.
        function openMenu(list, row) {
            list.contextMenuRequested(row, list.model.idAt(row), "")
            const menu = findChild(view, "itemContextMenu")
            tryCompare(menu, "opened", true)
            return menu
        }
        function trigger(menu, name) {
            const entry = findChild(menu, name)
            verify(entry, name)
            entry.triggered()
            menu.close()
        }

        // A double click and "Play" queue the list exactly as shown (searched and
        // sorted) from that row; "Play All" from its first row; "Play Next" appends
        // one item without starting it.
        function test_playingWhatTheListShows() {
            const page = importAndShow(["b 10.mp3", "b 9.mp3", "كتاب 2.mp3", "a.mp3", "b 1.mp3"])
            const list = findChild(page, "libraryList")
            compare(titlesShown(list), ["كتاب 2", "a", "b 1", "b 9", "b 10"])
            const sort = findChild(page, "sortMenu")
            sort.activated(1)
            compare(list.model.sortOrder, LibraryManager.SortOrder.Title)
            library.searchText = "b "
            tryCompare(list, "count", 3)
            list.rowActivated(2)
            compare(fixture.queueTitles(), ["b 1", "b 9", "b 10"])
            compare(fixture.player.currentIndex, 2)

            // The counts behind the button are recounted at most every 50 ms.
            tryVerify(() => findChild(page, "playAllButton").enabled)
            mouseClick(findChild(page, "playAllButton"))
            compare(fixture.player.currentIndex, 0)
            trigger(openMenu(list, 1), "playEntry")
            compare(fixture.player.currentIndex, 1)
            trigger(openMenu(list, 0), "playNextEntry")
            compare(fixture.queueTitles(), ["b 1", "b 9", "b 10", "b 1"])
            compare(fixture.player.currentIndex, 1)

            // Showing the section again starts from natural order.
            choose("Videos")
            choose("Library")
            compare(list.model.sortOrder, LibraryManager.SortOrder.Natural)
        }

        // A search that keeps every other row of a long list (more scattered changes
        // than a view is told one by one) shows its results from the top, each row
        // bound to its own item; clearing it brings every row back.
        function test_scatteredSearchShowsItsResultsFromTheTop() {
            const names = []
            for (let i = 1; i <= 200; ++i)
                names.push((i % 2 ? "odd " : "even ") + i + ".mp3")
            const page = importAndShow(names)
            const list = findChild(page, "libraryList")
            list.positionViewAtEnd()
            waitForRendering(list)
            library.searchText = "even"
            tryCompare(list, "count", 100)
            waitForRendering(list)
            compare(list.indexAt(10, list.contentY + 10), 0)
            compare(list.itemAtIndex(0).title, "even 2")
            compare(rowAt(list, 99).title, "even 200")
            library.searchText = ""
            tryCompare(list, "count", 200)
            compare(rowAt(list, 100).title, "odd 1")
        }

        // The menu lists "Add to Playlist" only while there are playlists; adding twice
        // puts the item in twice; "Add to New Playlist..." makes a playlist holding the
        // clicked item; an item removed while its menu is open is left alone.
        function test_rowMenu() {
            const page = importAndShow(["one.mp3", "two.mp3"])
            const list = findChild(page, "libraryList")
            let menu = openMenu(list, 0)
            verify(menuEntries(menu).indexOf("Add to Playlist") < 0)
            menu.close()
            library.createPlaylist("Mix", false)
            menu = openMenu(list, 1)
            compare(menuEntries(menu), ["Play", "Play Next", "-", "Add to New Playlist...",
                                        "Add to Playlist", "-", "Show in File Manager", "-",
                                        "Remove from Library"])
            const mixId = menu.playlists.idAt(0)
            const submenu = findChild(menu, "addToPlaylistMenu")
            compare(submenu.count, 1)
            submenu.itemAt(0).triggered()
            submenu.itemAt(0).triggered()
            menu.close()
            compare(library.playlistItems(mixId).length, 2)

            trigger(openMenu(list, 0), "newPlaylistEntry")
            const sheet = findChild(page, "newPlaylistSheet")
            tryCompare(sheet, "opened", true)
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_Return)
            compare(library.playlists.length, 2)
            // The new playlist holds the clicked row's item.
            const created = createTemporaryQmlObject("import Lyrabox; PlaylistItemsModel {}", host)
            Object.assign(created, { library: library, playlistId: menu.playlists.idAt(1) })
            compare(created.count, 1)
            compare(created.idAt(0), list.model.idAt(0))

            // Removed while the menu is open: "Play" and "Play Next" do nothing.
            menu = openMenu(list, 1)
            library.removeItem(menu.itemId)
            const queued = fixture.queueTitles()
            trigger(menu, "playEntry")
            trigger(menu, "playNextEntry")
            compare(fixture.queueTitles(), queued)
            trigger(openMenu(list, 0), "removeEntry")
            compare(library.allItems.length, 0)
            tryVerify(() => findChild(page, "emptyState").visible)
        }

        // "Create" is disabled on an empty name and takes a name of spaces; "Cancel"
        // clears the name and keeps the audiobook choice, "Create" resets both.
        function test_newPlaylistSheets() {
            const page = choose("Playlists")
            mouseClick(findChild(page, "createPlaylistButton"))
            const sheet = findChild(page, "newPlaylistSheet")
            tryCompare(sheet, "opened", true)
            const create = findChild(sheet, "createButton")
            verify(!create.enabled)
            keyClick(Qt.Key_Space)
            verify(create.enabled)
            findChild(sheet, "audiobookToggle").toggle()
            keyClick(Qt.Key_Escape)
            tryCompare(sheet, "opened", false)
            compare(library.playlists.length, 0)
            sheet.open()
            compare(sheet.name, "")
            verify(sheet.isAudiobook)
            keyClick(Qt.Key_B)
            mouseClick(create)
            compare(library.playlists.length, 1)
            compare(sheet.name, "")
            verify(!sheet.isAudiobook)
            // The audiobook playlist shows its book tile.
            tryVerify(() => findChild(page, "playlistCard_b"))
            compare(findChild(findChild(page, "playlistCard_b"), "tileSymbol").symbol, "book.fill")
        }

        // The detail follows the stored playlist: an addition from elsewhere shows at
        // once, a drag reorders the stored playlist, a double click plays from its row,
        // and deleting it returns to the grid. A sidebar playlist row opens its detail.
        function test_playlistDetail() {
            const libraryList = findChild(importAndShow(["1.mp3", "2.mp3", "3.mp3"]), "libraryList")
            const ids = [0, 1, 2].map(row => libraryList.model.idAt(row))
            library.createPlaylist("Trip", false)
            const page = choose("Playlists")
            const grid = findChild(page, "playlistGrid")
            tryCompare(grid, "count", 1)
            const playlistId = grid.model.idAt(0)
            library.addItemToPlaylist(playlistId, ids[0])
            library.addItemToPlaylist(playlistId, ids[1])
            mouseClick(rowAt(grid, 0))
            const list = findChild(page, "playlistItemList")
            verify(list.visible && !grid.visible)
            tryCompare(list, "count", 2)
            library.addItemToPlaylist(playlistId, ids[2])
            tryCompare(list, "count", 3)

            // The first row dragged below the last.
            const first = rowAt(list, 0)
            mousePress(first, 100, 10)
            for (let step = 1; step <= 10; ++step)
                mouseMove(first, 100, 10 + step * 13)
            mouseRelease(first, 100, 140)
            tryVerify(() => titlesShown(list).join() === "2,3,1", 2000, titlesShown(list).join())
            compare(fixture.queueTitles(), [])
            mouseDoubleClickSequence(rowAt(list, 1))
            compare(fixture.queueTitles(), ["2", "3", "1"])
            compare(fixture.player.currentIndex, 1)

            mouseClick(findChild(page, "backButton"))
            verify(grid.visible)
            choose("Library")
            mouseClick(findChild(view, "playlistRow_Trip"))
            compare(view.selectedTab, SidebarTab.Playlists)
            verify(list.visible)
            library.deletePlaylist(playlistId)
            verify(!list.visible)
            verify(findChild(page, "emptyState").visible)
        }
    }
}
