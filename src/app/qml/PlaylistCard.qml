import QtQuick
import QtQuick.Layouts
import Lyrabox

// One playlist in the playlists grid: the square tile, the name, and the item count
// with the total duration.
ColumnLayout {
    id: card

    property string name
    property bool isAudiobook: false
    property int itemCount: 0
    property string formattedTotalDuration

    spacing: 8

    PlaylistTile {
        Layout.fillWidth: true
        Layout.preferredHeight: width
        radius: 10
        // Orange for an audiobook, the accent colour otherwise.
        tint: card.isAudiobook ? Theme.chapterMark : Theme.accent
        symbol: card.isAudiobook ? "book.fill" : "music.note.list"
        symbolSize: 36
    }
    RTLText {
        objectName: "cardName"
        Layout.fillWidth: true
        text: card.name.replace(/[\r\n\u2028\u2029]+/g, " ")
        lineLimit: 1
        font.pixelSize: Theme.fontCallout
        font.weight: Font.DemiBold
    }
    Text {
        objectName: "cardCounts"
        Layout.fillWidth: true
        text: qsTr("%Ln items", "", card.itemCount) + " · " + card.formattedTotalDuration
        elide: Text.ElideRight
        font.pixelSize: Theme.fontSmall
        color: Theme.secondary
    }
}
