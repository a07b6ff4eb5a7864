import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The sheet that names a new playlist: "Cancel" (or Escape) closes it, "Create" (or
// Return) hands the name on and is disabled while the name is empty (a name of spaces
// is a name). With `offersAudiobook`, a toggle marks the playlist as an audiobook.
// What the fields keep between openings is the owner's choice (`cancelled`, `created`).
Popup {
    id: sheet

    property alias name: nameField.text
    property bool offersAudiobook: false
    property alias isAudiobook: audiobookToggle.checked
    property int fieldWidth: 250
    // Set between "Create" and the closing it causes, so that only a close by other means
    // reads as "Cancel".
    property bool createdNow: false

    signal created(string name, bool isAudiobook)
    signal cancelled()

    function create() {
        if (nameField.text.length === 0)
            return
        sheet.created(nameField.text, audiobookToggle.checked)
        sheet.close()
    }

    objectName: "newPlaylistSheet"
    modal: true
    focus: true
    anchors.centerIn: Overlay.overlay
    padding: 24
    closePolicy: Popup.CloseOnEscape
    onOpened: nameField.forceActiveFocus()
    // Escape closes the sheet as "Cancel" does.
    onClosed: {
        if (!createdNow)
            sheet.cancelled()
        createdNow = false
    }
    onCreated: createdNow = true

    background: Rectangle {
        radius: 10
        color: Theme.bar
        border.width: Theme.hairline
        border.color: Theme.separator
    }

    ColumnLayout {
        spacing: 16
        Text {
            text: qsTr("New Playlist")
            font.pixelSize: Theme.fontHeadline
            font.weight: Font.DemiBold
            color: Theme.primary
        }
        TextField {
            id: nameField
            objectName: "playlistNameField"
            Layout.preferredWidth: sheet.fieldWidth
            placeholderText: qsTr("Playlist Name")
            selectByMouse: true
            onAccepted: sheet.create()
        }
        Switch {
            id: audiobookToggle
            objectName: "audiobookToggle"
            visible: sheet.offersAudiobook
            Layout.preferredWidth: sheet.fieldWidth
            text: qsTr("This is an audiobook")
            focusPolicy: Qt.NoFocus
        }
        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 8
            LabeledButton {
                objectName: "cancelButton"
                text: qsTr("Cancel")
                onClicked: sheet.close()
            }
            // The default button: Return in the name field presses it.
            LabeledButton {
                objectName: "createButton"
                prominent: true
                text: qsTr("Create")
                enabled: nameField.text.length > 0
                onClicked: sheet.create()
            }
        }
    }
}
