import QtQuick
import QtQuick.Controls
import Lyrabox

// A section whose view is not built yet: its title, nothing more.
Rectangle {
    property string title
    color: Theme.window
    Text {
        anchors.centerIn: parent
        text: parent.title
        font.pixelSize: 22
        font.weight: Font.DemiBold
        color: Theme.secondary
    }
}
