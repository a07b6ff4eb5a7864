import QtQuick
import QtQuick.Window
import Lyrabox

// The icon of a symbol name ("play.fill", "repeat.1", ...) drawn in one colour. Every
// name maps to an SVG of the app's resources (see SymbolCatalog).
Image {
    id: root

    property string symbol
    property color color: Theme.primary
    property real size: 16

    implicitWidth: size
    implicitHeight: size
    fillMode: Image.PreserveAspectFit
    smooth: true
    sourceSize: Qt.size(Math.ceil(size * Screen.devicePixelRatio),
                        Math.ceil(size * Screen.devicePixelRatio))
    source: symbol.length > 0
            ? "image://symbol/" + symbol + "/" + color.toString().substring(1) : ""
}
