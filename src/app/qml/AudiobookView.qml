import QtQuick
import QtQuick.Controls
import Qt.labs.qmlmodels
import Lyrabox

// The "Audiobooks" section: one card per audiobook playlist, each made from one folder
// of chapter files. A card opens into its chapters in the order the book keeps them;
// any chapter plays the book from there. Cards start closed each time the section is
// shown.
PageScaffold {
    id: page

    required property LibraryManager libraryManager
    required property MediaPlayerManager playerManager

    signal addFolderRequested()

    function playBook(playlistId: string, position: int) {
        page.playerManager.play(page.libraryManager.playlistItems(playlistId), position)
    }

    objectName: "audiobookView"
    title: qsTr("Audiobooks")
    subtitle: qsTr("%Ln audiobooks", "", books.bookCount)
    isEmpty: books.bookCount === 0
    emptySymbol: "book.closed"
    emptyTitle: qsTr("No Audiobooks")
    emptyText: qsTr("Add a folder containing audiobook chapters.\nChapters will be sorted correctly, even with Arabic titles.")

    // Closed at once, not animated: the list is only now coming into view.
    onShown: {
        bookList.animated = false
        books.collapseAll()
        bookList.animated = true
    }

    headerActions: [
        LabeledButton {
            objectName: "addAudiobookFolderHeaderButton"
            symbol: "folder.badge.plus"
            text: qsTr("Add Audiobook Folder")
            onClicked: page.addFolderRequested()
        }
    ]
    emptyActions: [
        LabeledButton {
            objectName: "addAudiobookFolderButton"
            prominent: true
            symbol: "folder.badge.plus"
            text: qsTr("Add Audiobook Folder")
            onClicked: page.addFolderRequested()
        }
    ]

    AudiobookRowsModel {
        id: books
        library: page.libraryManager
    }
    PlayerItemInfo {
        id: playing
        player: page.playerManager
    }

    ListView {
        id: bookList
        objectName: "audiobookList"

        readonly property int padding: 20
        readonly property int cardGap: 16

        anchors.fill: parent
        topMargin: padding
        bottomMargin: padding - cardGap
        clip: true
        reuseItems: true
        boundsBehavior: Flickable.StopAtBounds
        model: books
        ScrollBar.vertical: ScrollBar {}

        // A chapter list opens and closes in 0.2 s: its rows fade in or out while the
        // cards below slide.
        property bool animated: true
        add: animated ? fadeIn : null
        remove: animated ? fadeOut : null
        displaced: animated ? slide : null
        Transition {
            id: fadeIn
            NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 200; easing.type: Easing.InOutQuad }
        }
        Transition {
            id: fadeOut
            NumberAnimation { property: "opacity"; to: 0; duration: 200; easing.type: Easing.InOutQuad }
        }
        Transition {
            id: slide
            NumberAnimation { property: "y"; duration: 200; easing.type: Easing.InOutQuad }
        }

        // qmllint disable unqualified
        delegate: DelegateChooser {
            role: "isBook"
            DelegateChoice {
                roleValue: true
                Item {
                    id: bookRow
                    required property string playlistId
                    required property string name
                    required property int chapterTotal
                    required property string formattedTotalDuration
                    required property bool isExpanded
                    // The chapter list shows under the head only when there are chapters.
                    readonly property bool isOpen: isExpanded && chapterTotal > 0

                    objectName: "audiobookCard_" + bookRow.name
                    width: bookList.width
                    height: card.implicitHeight + (isOpen ? Theme.hairline + 8 : bookList.cardGap)

                    CardSlice {
                        x: bookList.padding
                        width: parent.width - 2 * bookList.padding
                        height: parent.height - (bookRow.isOpen ? 0 : bookList.cardGap)
                        isFirst: true
                        isLast: !bookRow.isOpen
                    }
                    AudiobookCard {
                        id: card
                        x: bookList.padding
                        width: parent.width - 2 * bookList.padding
                        name: bookRow.name
                        chapterTotal: bookRow.chapterTotal
                        formattedTotalDuration: bookRow.formattedTotalDuration
                        isExpanded: bookRow.isExpanded
                        onPlayClicked: page.playBook(bookRow.playlistId, 0)
                        onToggleClicked: books.setExpanded(bookRow.playlistId, !bookRow.isExpanded)
                    }
                    Rectangle {
                        visible: bookRow.isOpen
                        x: bookList.padding + 12
                        y: card.implicitHeight
                        width: parent.width - 2 * bookList.padding - 24
                        height: Theme.hairline
                        color: Theme.separator
                    }
                }
            }
            DelegateChoice {
                roleValue: false
                Item {
                    id: chapterRow
                    required property string playlistId
                    required property int position
                    required property bool isLastChapter
                    required property string itemId
                    required property string titleLine
                    required property bool titleIsRTL
                    required property string formattedDuration

                    objectName: "chapterRow_" + chapterRow.position
                    width: bookList.width
                    height: row.implicitHeight + (isLastChapter ? 8 + bookList.cardGap : Theme.hairline)

                    CardSlice {
                        x: bookList.padding
                        width: parent.width - 2 * bookList.padding
                        height: parent.height - (chapterRow.isLastChapter ? bookList.cardGap : 0)
                        isFirst: false
                        isLast: chapterRow.isLastChapter
                    }
                    AudiobookChapterRow {
                        id: row
                        x: bookList.padding
                        width: parent.width - 2 * bookList.padding
                        number: chapterRow.position + 1
                        title: chapterRow.titleLine
                        titleIsRTL: chapterRow.titleIsRTL
                        formattedDuration: chapterRow.formattedDuration
                        isCurrent: chapterRow.itemId === playing.itemId
                    }
                    Rectangle {
                        // Between chapters, indented from the leading edge.
                        visible: !chapterRow.isLastChapter
                        x: bookList.padding + (Theme.rightToLeft ? 0 : 48)
                        y: row.implicitHeight
                        width: parent.width - 2 * bookList.padding - 48
                        height: Theme.hairline
                        color: Theme.separator
                    }
                    MouseArea {
                        x: bookList.padding
                        width: parent.width - 2 * bookList.padding
                        height: row.implicitHeight
                        // A single click does nothing; a double click plays from here.
                        onDoubleClicked: page.playBook(chapterRow.playlistId, chapterRow.position)
                    }
                }
            }
        }
        // qmllint enable unqualified
    }
}
