import QtQuick
import Lyrabox

// Text that reads right-to-left and aligns right when its content is mainly Arabic or
// Hebrew (ViewText.isRTL), and aligns left otherwise; decided per text, so a list
// mixes both alignments row by row. lineLimit 0 means no limit.
Text {
    id: root

    property int lineLimit: 0
    readonly property bool isRightToLeft: ViewText.isRTL(text)

    textFormat: Text.PlainText
    color: Theme.primary
    horizontalAlignment: isRightToLeft ? Text.AlignRight : Text.AlignLeft
    // Alignment follows the text, never an inherited mirroring of the layout.
    LayoutMirroring.enabled: false
    wrapMode: lineLimit === 1 ? Text.NoWrap : Text.Wrap
    maximumLineCount: lineLimit > 0 ? lineLimit : 100000
    elide: Text.ElideRight
}
