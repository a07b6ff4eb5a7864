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
    // Alignment follows the text, whatever the window's direction: a mirrored window
    // turns the alignment round too, so it is asked for the other way there. (The
    // mirroring itself stays on, or the text's anchors would not be mirrored.) Read
    // from Theme, not from each text's own LayoutMirroring: that would make an
    // attached object for every text of a scrolling list.
    horizontalAlignment: isRightToLeft !== Theme.rightToLeft ? Text.AlignRight : Text.AlignLeft
    wrapMode: lineLimit === 1 ? Text.NoWrap : Text.Wrap
    maximumLineCount: lineLimit > 0 ? lineLimit : 100000
    elide: Text.ElideRight
}
