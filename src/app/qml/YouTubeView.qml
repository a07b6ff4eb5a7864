import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The "YouTube" section: what the online-video service holds (address, fetched
// information, streaming); leaving the section and coming back shows the same. Only
// the description's being open is the view's own, and closes when the section is shown.
PageScaffold {
    id: page

    required property YouTubeService youtubeService
    required property MediaPlayerManager playerManager
    required property DownloadManager downloadManager

    readonly property bool hasVideoInfo: page.youtubeService.videoInfo !== undefined
                                         && page.youtubeService.videoInfo !== null
    // What the address field offers to the tool; spaces and line breaks around it do not count.
    readonly property string trimmedInput: page.youtubeService.urlInput.trim()
    // Shown in the install hint and put on the clipboard by "Copy command".
    readonly property string installCommand: "sudo apt install yt-dlp"

    // Fetch: the trimmed address, when there is one; the field keeps what was typed.
    function fetch() {
        const address = page.youtubeService.urlInput.trim()
        if (address.length > 0)
            page.youtubeService.fetchVideoInfo(address)
    }
    // Paste: the clipboard's text as it is; a video address is fetched at once.
    function paste() {
        const text = SystemClipboard.text()
        if (text === undefined)
            return
        page.youtubeService.urlInput = text
        if (page.youtubeService.isYouTubeURL(text))
            page.fetch()
    }

    objectName: "youtubeView"
    title: qsTr("YouTube")
    subtitle: qsTr("Stream or download from YouTube")
    onShown: infoCard.descriptionOpen = false

    headerActions: [
        RowLayout {
            objectName: "toolMissingLabel"
            visible: !page.youtubeService.isYtDlpInstalled
            spacing: Theme.buttonIconSpacing
            SymbolIcon {
                symbol: "exclamationmark.triangle.fill"
                color: Theme.warning
                size: Theme.fontBody
            }
            Text {
                text: qsTr("yt-dlp not found")
                font.pixelSize: Theme.fontBody
                color: Theme.warning
            }
        }
    ]

    // Puts a text on the clipboard as plain text, replacing what was there.
    TextInput {
        id: clipboardWriter
        visible: false
        function put(text: string) {
            clipboardWriter.text = text
            clipboardWriter.selectAll()
            clipboardWriter.copy()
            clipboardWriter.text = ""
        }
    }

    // A streamed file plays as a one-item queue; it is not added to the library.
    Connections {
        target: page.youtubeService
        function onStreamedItemReady(item) {
            page.playerManager.play([item], 0)
        }
    }

    Flickable {
        id: scroller
        objectName: "youtubeScroller"
        anchors.fill: parent
        contentWidth: width
        contentHeight: column.implicitHeight + 2 * Theme.pageHeaderHPadding
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: column
            x: Theme.pageHeaderHPadding
            y: Theme.pageHeaderHPadding
            width: scroller.width - 2 * Theme.pageHeaderHPadding
            spacing: 16

            // The address row.
            Rectangle {
                objectName: "addressSection"
                Layout.fillWidth: true
                implicitHeight: addressRow.implicitHeight + 24
                radius: 10
                color: Theme.card

                RowLayout {
                    id: addressRow
                    anchors.fill: parent
                    anchors.margins: 12
                    spacing: 10
                    SymbolIcon {
                        symbol: "play.rectangle.fill"
                        color: "#ff3b30"
                        size: 24
                    }
                    TextField {
                        id: urlField
                        objectName: "urlField"
                        Layout.fillWidth: true
                        placeholderText: qsTr("Paste YouTube URL here...")
                        text: page.youtubeService.urlInput
                        // Whatever was pasted is kept whole (the default limit is 32767).
                        maximumLength: 2147483647
                        font.pixelSize: Theme.fontBody
                        selectByMouse: true
                        onTextEdited: page.youtubeService.urlInput = urlField.text
                        onAccepted: page.fetch()
                    }
                    IconButton {
                        objectName: "pasteButton"
                        symbol: "doc.on.clipboard"
                        helpText: qsTr("Paste from clipboard")
                        color: Theme.primary
                        onClicked: page.paste()
                    }
                    LabeledButton {
                        objectName: "fetchButton"
                        prominent: true
                        text: qsTr("Fetch")
                        enabled: page.youtubeService.urlInput.length > 0 && !page.youtubeService.isLoadingInfo
                        onClicked: page.fetch()
                    }
                }
            }

            // How to get the tool, while it is missing.
            Rectangle {
                objectName: "installHint"
                visible: !page.youtubeService.isYtDlpInstalled
                Layout.fillWidth: true
                implicitHeight: hintColumn.implicitHeight + 24
                radius: 10
                color: Theme.faded(Theme.warning, 0.1)

                ColumnLayout {
                    id: hintColumn
                    anchors.fill: parent
                    anchors.margins: 12
                    spacing: 8
                    RowLayout {
                        spacing: Theme.buttonIconSpacing
                        SymbolIcon {
                            symbol: "exclamationmark.triangle.fill"
                            color: Theme.warning
                            size: Theme.fontBody
                        }
                        Text {
                            text: qsTr("yt-dlp is required for YouTube features")
                            font.pixelSize: Theme.fontBody
                            font.weight: Font.DemiBold
                            color: Theme.primary
                        }
                    }
                    Text {
                        text: qsTr("Install with APT:")
                        font.pixelSize: Theme.fontSmall
                        color: Theme.secondary
                    }
                    Rectangle {
                        implicitWidth: commandText.implicitWidth + 16
                        implicitHeight: commandText.implicitHeight + 10
                        radius: 5
                        color: Theme.window
                        border.width: Theme.hairline
                        border.color: Theme.separator
                        Text {
                            id: commandText
                            objectName: "installCommand"
                            anchors.centerIn: parent
                            text: page.installCommand
                            font.family: "monospace"
                            font.pixelSize: Theme.fontBody
                            color: Theme.primary
                        }
                    }
                    RowLayout {
                        spacing: Theme.headerActionSpacing
                        LabeledButton {
                            objectName: "copyCommandButton"
                            symbol: "doc.on.doc"
                            text: qsTr("Copy command")
                            onClicked: clipboardWriter.put(page.installCommand)
                        }
                        LabeledButton {
                            objectName: "checkAgainButton"
                            text: qsTr("Check Again")
                            onClicked: page.youtubeService.findYtDlp()
                        }
                    }
                }
            }

            // Exactly one of: fetching, the card, the empty state.
            ColumnLayout {
                objectName: "fetchingInfo"
                visible: page.youtubeService.isLoadingInfo
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 40
                spacing: Theme.overlaySpacing
                BusyIndicator {
                    Layout.alignment: Qt.AlignHCenter
                    running: page.youtubeService.isLoadingInfo && page.visible
                }
                Text {
                    Layout.alignment: Qt.AlignHCenter
                    text: qsTr("Fetching video info...")
                    font.pixelSize: Theme.fontBody
                    color: Theme.secondary
                }
            }

            VideoInfoCard {
                id: infoCard
                objectName: "videoInfoCard"
                Layout.fillWidth: true
                visible: !page.youtubeService.isLoadingInfo && page.hasVideoInfo
                info: page.hasVideoInfo ? page.youtubeService.videoInfo : null
                isStreaming: page.youtubeService.isStreaming
                streamingStatus: page.youtubeService.streamingStatus
                onStreamRequested: (audioOnly) => page.youtubeService.streamCurrentVideo(audioOnly)
                onDownloadRequested: (audioOnly) => {
                    const shown = page.youtubeService.videoInfo
                    page.downloadManager.addDownload(shown.url, shown.title, audioOnly)
                }
            }

            ColumnLayout {
                objectName: "youtubeEmptyState"
                visible: !page.youtubeService.isLoadingInfo && !page.hasVideoInfo
                Layout.alignment: Qt.AlignHCenter
                Layout.topMargin: 48
                Layout.maximumWidth: column.width
                spacing: Theme.emptySpacing
                SymbolIcon {
                    Layout.alignment: Qt.AlignHCenter
                    symbol: "play.rectangle"
                    size: Theme.emptySymbolSize
                    color: Theme.faded(Theme.secondary, 0.5)
                }
                Text {
                    objectName: "youtubeEmptyTitle"
                    Layout.alignment: Qt.AlignHCenter
                    Layout.maximumWidth: column.width
                    text: qsTr("Paste a YouTube URL to get started")
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    font.pixelSize: Theme.fontEmptyTitle
                    font.weight: Font.DemiBold
                    color: Theme.primary
                }
                Text {
                    Layout.alignment: Qt.AlignHCenter
                    Layout.maximumWidth: column.width
                    text: qsTr("You can stream videos, listen to audio only,\nor download content for offline use.")
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    lineHeight: 1.15
                    font.pixelSize: Theme.fontCallout
                    color: Theme.secondary
                }
            }
        }
    }
}
