import QtQuick
import QtQuick.Layouts
import Lyrabox

// The head of an audiobook's card: the cover tile, the book's name, its chapter count
// and total time, the play button (always from the first chapter) and the chevron that
// opens or closes the chapter list, turning as it does.
Item {
    id: card

    property string name
    property int chapterTotal: 0
    property string formattedTotalDuration
    property bool isExpanded: false

    signal playClicked()
    signal toggleClicked()

    implicitHeight: 88

    RowLayout {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 12

        GradientTile {
            Layout.preferredWidth: 64
            Layout.preferredHeight: 64
            radius: 8
            groundColor: Theme.card
            startColor: Theme.faded(Theme.accent, 0.3)
            endColor: Theme.faded(Theme.accent, 0.1)
            SymbolIcon {
                anchors.centerIn: parent
                symbol: "book.fill"
                size: 24
                color: Theme.accent
            }
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4
            RTLText {
                objectName: "bookName"
                Layout.fillWidth: true
                text: card.name
                lineLimit: 2
                font.pixelSize: 16
                font.weight: Font.DemiBold
            }
            Row {
                objectName: "bookCounts"
                spacing: 8
                Row {
                    spacing: 4
                    SymbolIcon {
                        anchors.verticalCenter: parent.verticalCenter
                        symbol: "bookmark"
                        size: 11
                        color: Theme.secondary
                    }
                    Text {
                        objectName: "chapterCountText"
                        text: qsTr("%Ln chapters", "", card.chapterTotal)
                        font.pixelSize: Theme.fontFootnote
                        color: Theme.secondary
                    }
                }
                Text {
                    objectName: "bookDuration"
                    text: card.formattedTotalDuration
                    font.pixelSize: Theme.fontFootnote
                    color: Theme.secondary
                }
            }
        }
        IconButton {
            objectName: "bookPlayButton"
            symbol: "play.circle.fill"
            iconSize: 36
            padding: 0
            color: Theme.accent
            helpText: qsTr("Play from the first chapter")
            onClicked: card.playClicked()
        }
        IconButton {
            objectName: "bookExpandButton"
            symbol: "chevron.down"
            iconSize: 12
            color: Theme.secondary
            helpText: card.isExpanded ? qsTr("Hide Chapters") : qsTr("Show Chapters")
            rotation: card.isExpanded ? 180 : 0
            Behavior on rotation {
                NumberAnimation { duration: 200; easing.type: Easing.InOutQuad }
            }
            onClicked: card.toggleClicked()
        }
    }
}
