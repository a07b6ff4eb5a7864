import QtQuick
import Lyrabox

// One chapter of an opened audiobook card: its number in the book, its title (aligned
// by its own direction, one line) and its duration; tinted while it is the player's
// current item.
Item {
    id: chapter

    property int number: 1
    property string title
    property bool titleIsRTL: false
    property string formattedDuration
    property bool isCurrent: false

    implicitHeight: 30

    Rectangle {
        anchors.fill: parent
        visible: chapter.isCurrent
        color: Theme.faded(Theme.accent, 0.1)
    }
    Text {
        id: numberText
        objectName: "chapterNumber"
        anchors.left: parent.left
        anchors.leftMargin: 16
        width: 24
        anchors.verticalCenter: parent.verticalCenter
        text: ViewText.number(chapter.number)
        font.pixelSize: Theme.fontSmall
        font.weight: Font.Medium
        color: Theme.secondary
    }
    Text {
        objectName: "chapterTitle"
        anchors.left: numberText.right
        anchors.leftMargin: 8
        anchors.right: durationText.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        text: chapter.title
        textFormat: Text.PlainText
        // The title's own direction in either window direction (see RTLText).
        horizontalAlignment: chapter.titleIsRTL !== Theme.rightToLeft ? Text.AlignRight : Text.AlignLeft
        elide: Text.ElideRight
        font.pixelSize: Theme.fontBody
        color: Theme.primary
    }
    Text {
        id: durationText
        objectName: "chapterDuration"
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        text: chapter.formattedDuration
        font.pixelSize: Theme.fontSmall
        color: Theme.secondary
    }
}
