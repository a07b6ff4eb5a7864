import QtQuick
import Lyrabox

// The icon of a symbol name ("play.fill", "repeat.1", ...) drawn in one colour. Every
// name maps to an SVG of the app's resources (see SymbolCatalog).
Item {
    id: root

    property string symbol
    property color color: Theme.primary
    property real size: Theme.iconSize

    implicitWidth: size
    implicitHeight: size

    Image {
        anchors.fill: parent
        // Drawn on Qt Quick's image thread: the SVG is rendered off the main thread, so
        // neither the window's first frame nor a list scrolling through rows waits for it.
        asynchronous: true
        fillMode: Image.PreserveAspectFit
        smooth: true
        // Symbols that point along the reading direction (back, forward) turn round in
        // a right-to-left window; the others, media symbols included, never do.
        mirror: Theme.rightToLeft && /^(chevron|arrow)\.(left|right)/.test(root.symbol)
        sourceSize.width: Math.ceil(root.size * Screen.devicePixelRatio)
        sourceSize.height: Math.ceil(root.size * Screen.devicePixelRatio)
        source: root.symbol.length > 0
                ? "image://symbol/" + root.symbol + "/" + root.color.toString().substring(1) : ""
    }
}
