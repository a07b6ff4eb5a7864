import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The fetched video: thumbnail, title, uploader, length, the streaming line, the
// stream and download actions, and the description (closed until opened).
Rectangle {
    id: card

    // A YouTubeVideoInfo, or null.
    property var info: null
    property bool isStreaming: false
    property string streamingStatus
    property bool descriptionOpen: false

    readonly property string thumbnailAddress: card.info ? String(card.info.thumbnail) : ""
    // Pictures come from the web only: any other kind of address in the tool's output
    // (a local file, a data address) keeps the placeholder.
    readonly property bool thumbnailAllowed: /^https?:\/\/[^\/]/i.test(card.thumbnailAddress)
    readonly property string descriptionText: card.info ? card.info.description : ""

    signal streamRequested(bool audioOnly)
    signal downloadRequested(bool audioOnly)

    implicitHeight: cardColumn.implicitHeight + 32
    radius: 10
    color: Theme.card

    ColumnLayout {
        id: cardColumn
        anchors.fill: parent
        anchors.margins: 16
        spacing: 14

        RowLayout {
            Layout.fillWidth: true
            spacing: 16

            // 16:9 at 320 points wide.
            Rectangle {
                objectName: "thumbnailBox"
                Layout.preferredWidth: 320
                Layout.preferredHeight: 180
                Layout.alignment: Qt.AlignTop
                radius: 8
                color: Theme.faded(Theme.secondary, 0.15)
                clip: true

                Image {
                    id: thumbnail
                    objectName: "thumbnail"
                    anchors.fill: parent
                    asynchronous: true
                    fillMode: Image.PreserveAspectCrop
                    sourceSize.width: Math.ceil(320 * Screen.devicePixelRatio)
                    source: card.thumbnailAllowed ? card.thumbnailAddress : ""
                    visible: thumbnail.status === Image.Ready
                }
                SymbolIcon {
                    objectName: "thumbnailPlaceholder"
                    anchors.centerIn: parent
                    visible: thumbnail.status !== Image.Ready
                    symbol: "play.rectangle"
                    size: 48
                    color: Theme.faded(Theme.secondary, 0.6)
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                spacing: 6
                RTLText {
                    objectName: "videoTitle"
                    Layout.fillWidth: true
                    text: card.info ? card.info.title : ""
                    lineLimit: 3
                    font.pixelSize: Theme.fontHeadline
                    font.weight: Font.Bold
                    color: Theme.primary
                }
                RTLText {
                    objectName: "videoUploader"
                    Layout.fillWidth: true
                    text: card.info ? card.info.uploader : ""
                    lineLimit: 1
                    font.pixelSize: Theme.fontBody
                    color: Theme.secondary
                }
                Text {
                    objectName: "videoDuration"
                    text: card.info ? card.info.formattedDuration : ""
                    font.pixelSize: Theme.fontBody
                    color: Theme.secondary
                }
                RowLayout {
                    objectName: "streamingLine"
                    visible: card.isStreaming
                    spacing: 6
                    BusyIndicator {
                        Layout.preferredWidth: 18
                        Layout.preferredHeight: 18
                        padding: 0
                        running: card.isStreaming && card.visible
                    }
                    Text {
                        objectName: "streamingStatus"
                        text: card.streamingStatus
                        font.pixelSize: Theme.fontSmall
                        color: Theme.secondary
                    }
                }
                Item { Layout.fillHeight: true }
            }
        }

        RowLayout {
            spacing: 10
            LabeledButton {
                objectName: "streamVideoButton"
                Layout.minimumWidth: 120 + leftPadding + rightPadding
                prominent: true
                symbol: "play.fill"
                text: qsTr("Stream Video")
                enabled: !card.isStreaming
                onClicked: card.streamRequested(false)
            }
            LabeledButton {
                objectName: "streamAudioButton"
                Layout.minimumWidth: 120 + leftPadding + rightPadding
                symbol: "headphones"
                text: qsTr("Stream Audio")
                enabled: !card.isStreaming
                onClicked: card.streamRequested(true)
            }
            LabeledButton {
                id: downloadButton
                objectName: "downloadButton"
                Layout.minimumWidth: 100 + leftPadding + rightPadding
                symbol: "arrow.down.circle"
                text: qsTr("Download")
                onClicked: downloadMenu.popup(downloadButton, 0, downloadButton.height)

                Menu {
                    id: downloadMenu
                    objectName: "downloadMenu"
                    MenuItem {
                        objectName: "downloadVideoEntry"
                        text: qsTr("Download Video")
                        icon.source: "image://symbol/arrow.down.circle/" + Theme.primary.toString().substring(1)
                        onTriggered: card.downloadRequested(false)
                    }
                    MenuItem {
                        objectName: "downloadAudioEntry"
                        text: qsTr("Download Audio Only")
                        icon.source: "image://symbol/music.note.arrow.down/" + Theme.primary.toString().substring(1)
                        onTriggered: card.downloadRequested(true)
                    }
                }
            }
        }

        // The description, closed at first.
        ColumnLayout {
            objectName: "descriptionGroup"
            visible: card.descriptionText.length > 0
            Layout.fillWidth: true
            spacing: 6
            AbstractButton {
                objectName: "descriptionToggle"
                focusPolicy: Qt.NoFocus
                onClicked: card.descriptionOpen = !card.descriptionOpen
                contentItem: Row {
                    spacing: 6
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        symbol: "chevron.down"
                        size: 12
                        color: Theme.secondary
                        rotation: card.descriptionOpen ? 0 : -90
                    }
                    Text {
                        text: qsTr("Description")
                        font.pixelSize: Theme.fontBody
                        font.weight: Font.DemiBold
                        color: Theme.primary
                    }
                }
            }
            RTLText {
                objectName: "descriptionText"
                Layout.fillWidth: true
                visible: card.descriptionOpen
                text: card.descriptionText
                font.pixelSize: Theme.fontBody
                color: Theme.secondary
            }
        }
    }
}
