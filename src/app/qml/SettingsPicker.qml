import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// A labelled pop-up picker of stored values: `options` are {title, value}; `value` is
// what is stored. A stored value that is no option shows no title; choosing one emits
// `picked` with its value.
RowLayout {
    id: picker

    property string label
    property var options: []
    property var value
    signal picked(var value)

    function indexOfValue(): int {
        return picker.options.findIndex(option => option.value === picker.value)
    }

    Layout.fillWidth: true
    spacing: 12

    Text {
        text: picker.label
        font.pixelSize: Theme.fontBody
        color: Theme.primary
        Layout.fillWidth: true
    }
    ComboBox {
        id: box
        objectName: "box"
        model: picker.options
        textRole: "title"
        valueRole: "value"
        focusPolicy: Qt.NoFocus
        font.pixelSize: Theme.fontBody
        Layout.preferredWidth: 190
        currentIndex: picker.indexOfValue()
        onActivated: (index) => {
            picker.picked(picker.options[index].value)
            // The box set its own index; it follows the stored value again.
            currentIndex = Qt.binding(() => picker.indexOfValue())
        }
    }
}
