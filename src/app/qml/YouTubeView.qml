import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The "YouTube" section: what the online-video service holds (address, fetched
// information, streaming); leaving the section and coming back shows the same.
PageScaffold {
    id: page

    required property YouTubeService youtubeService

    readonly property bool hasVideoInfo: page.youtubeService.videoInfo !== undefined

    objectName: "youtubeView"
    title: qsTr("YouTube")
    subtitle: qsTr("Stream or download from YouTube")
    isEmpty: !page.youtubeService.isLoadingInfo && !page.hasVideoInfo
    emptySymbol: "play.rectangle"
    emptyTitle: qsTr("Paste a YouTube URL to get started")
    emptyText: qsTr("You can stream videos, listen to audio only,\nor download content for offline use.")

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

    ColumnLayout {
        objectName: "fetchingInfo"
        anchors.centerIn: parent
        visible: page.youtubeService.isLoadingInfo
        spacing: Theme.overlaySpacing
        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            running: parent.visible
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Fetching video info...")
            font.pixelSize: Theme.fontBody
            color: Theme.secondary
        }
    }
}
