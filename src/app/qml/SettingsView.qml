import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The settings: four tabs of grouped forms, every control bound to a stored
// preference (written at once, no apply step), and the downloader's status. It keeps no
// state of its own, so it shows the stored values whenever it is shown.
Item {
    id: view

    // Given like the window's other views; no setting needs the player.
    required property MediaPlayerManager playerManager
    required property YouTubeService youtubeService

    // The stored preferences, one per key; the controls write to the store, which
    // changes these.
    readonly property string defaultSortOrder: Preferences.defaultSortOrder
    readonly property bool groupRTLFirst: Preferences.groupRTLFirst
    readonly property bool autoPlayNext: Preferences.autoPlayNext
    readonly property bool skipSilence: Preferences.skipSilence
    readonly property real defaultPlaybackRate: Preferences.defaultPlaybackRate
    readonly property string downloadAudioFormat: Preferences.downloadAudioFormat
    readonly property string downloadVideoFormat: Preferences.downloadVideoFormat

    readonly property color green: Theme.isDark ? "#30d158" : "#1e9e3e"
    readonly property color red: Theme.isDark ? "#ff453a" : "#d70015"

    objectName: "settingsView"
    // Right to left in a right-to-left language, like the main window.
    LayoutMirroring.enabled: Theme.rightToLeft
    LayoutMirroring.childrenInherit: true
    implicitWidth: 480
    implicitHeight: 360

    component Toggle: Switch {
        font.pixelSize: Theme.fontBody
        topPadding: 2
        bottomPadding: 2
        leftPadding: 0
        // Lighter than the panel it sits on, so that it reads as a control when dark.
        palette.base: Theme.isDark ? "#4a4a4d" : "#ffffff"
        focusPolicy: Qt.NoFocus
        // A click writes the key; the switch shows what is stored.
        checkable: false
        Layout.fillWidth: true
    }
    component Note: Text {
        color: Theme.secondary
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    component TabPage: Flickable {
        default property alias sections: pageColumn.data
        contentWidth: width
        contentHeight: pageColumn.implicitHeight + 24
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        ColumnLayout {
            id: pageColumn
            x: 16
            y: 12
            width: parent.width - 32
            spacing: 10
        }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.window
    }

    TabBar {
        id: tabs
        objectName: "settingsTabs"
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right

        Repeater {
            model: [
                { title: qsTr("General"), symbol: "gear" },
                { title: qsTr("Sorting"), symbol: "arrow.up.arrow.down" },
                { title: qsTr("Playback"), symbol: "play.circle" },
                { title: qsTr("YouTube"), symbol: "play.rectangle" },
            ]
            TabButton {
                required property var modelData
                objectName: "settingsTab_" + modelData.symbol
                text: modelData.title
                display: AbstractButton.TextUnderIcon
                focusPolicy: Qt.NoFocus
                font.pixelSize: Theme.fontFootnote
                icon.source: "image://symbol/" + modelData.symbol + "/"
                             + (checked ? Theme.accent : Theme.secondary).toString().substring(1)
                icon.width: 18
                icon.height: 18
                topPadding: 4
                bottomPadding: 4
                icon.color: "transparent"
            }
        }
    }

    StackLayout {
        anchors.top: tabs.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        currentIndex: tabs.currentIndex

        TabPage {
            objectName: "generalPage"
            SettingsSection {
                title: qsTr("Appearance")
                Note {
                    text: qsTr("Lyrabox follows your system appearance settings.")
                    font.pixelSize: Theme.fontFootnote
                }
            }
            SettingsSection {
                title: qsTr("Library")
                Toggle {
                    objectName: "autoPlayNextToggle"
                    text: qsTr("Auto-play next track")
                    checked: view.autoPlayNext
                    onClicked: Preferences.autoPlayNext = !view.autoPlayNext
                }
            }
        }

        TabPage {
            objectName: "sortingPage"
            SettingsSection {
                title: qsTr("Default Sort Order")
                RowLayout {
                    spacing: 12
                    Text {
                        text: qsTr("Sort by")
                        font.pixelSize: Theme.fontBody
                        color: Theme.primary
                        Layout.alignment: Qt.AlignTop
                        Layout.topMargin: 3
                    }
                    ColumnLayout {
                        spacing: 2
                        // qmllint disable unqualified
                        // (Qt 6.4's qmllint cannot see the view's id from a delegate.)
                        Repeater {
                            model: [
                                { title: qsTr("Natural Order (recommended for audiobooks)"), value: "natural" },
                                { title: qsTr("Title"), value: "title" },
                                { title: qsTr("Artist"), value: "artist" },
                                { title: qsTr("Album"), value: "album" },
                                { title: qsTr("Duration"), value: "duration" },
                            ]
                            RadioButton {
                                required property var modelData
                                objectName: "sortOption_" + modelData.value
                                text: modelData.title
                                font.pixelSize: Theme.fontBody
                                focusPolicy: Qt.NoFocus
                                checkable: false
                                checked: view.defaultSortOrder === modelData.value
                                onClicked: Preferences.defaultSortOrder = modelData.value
                                topPadding: 2
                                bottomPadding: 2
                                leftPadding: 0
                                palette.base: Theme.isDark ? "#4a4a4d" : "#ffffff"
                            }
                        }
                        // qmllint enable unqualified
                    }
                }
            }
            SettingsSection {
                title: qsTr("Arabic / RTL Support")
                Toggle {
                    objectName: "groupRTLFirstToggle"
                    text: qsTr("Group RTL titles first when sorting")
                    checked: view.groupRTLFirst
                    onClicked: Preferences.groupRTLFirst = !view.groupRTLFirst
                }
                Note {
                    objectName: "arabicNote"
                    text: qsTr("Natural sorting handles Arabic numerals (١٢٣) and Western numerals (123) correctly. Audiobook chapters like 'الفصل ١' through 'الفصل ١٠' will be sorted in the correct order.")
                    font.pixelSize: Theme.fontSmall
                }
            }
        }

        TabPage {
            objectName: "playbackPage"
            SettingsSection {
                title: qsTr("Speed")
                SettingsPicker {
                    objectName: "ratePicker"
                    label: qsTr("Default playback speed")
                    options: [
                        { title: qsTr("0.5x"), value: 0.5 },
                        { title: qsTr("0.75x"), value: 0.75 },
                        { title: qsTr("1.0x (Normal)"), value: 1.0 },
                        { title: qsTr("1.25x"), value: 1.25 },
                        { title: qsTr("1.5x"), value: 1.5 },
                        { title: qsTr("1.75x"), value: 1.75 },
                        { title: qsTr("2.0x"), value: 2.0 },
                    ]
                    value: view.defaultPlaybackRate
                    onPicked: (value) => { Preferences.defaultPlaybackRate = value }
                }
            }
            SettingsSection {
                title: qsTr("Audio")
                Toggle {
                    objectName: "skipSilenceToggle"
                    text: qsTr("Skip silence in audiobooks")
                    checked: view.skipSilence
                    onClicked: Preferences.skipSilence = !view.skipSilence
                }
            }
        }

        TabPage {
            objectName: "youtubePage"
            SettingsSection {
                title: qsTr("yt-dlp")
                RowLayout {
                    Layout.fillWidth: true
                    spacing: 6
                    Text {
                        text: qsTr("Status:")
                        font.pixelSize: Theme.fontBody
                        color: Theme.primary
                    }
                    SymbolIcon {
                        symbol: view.youtubeService.isYtDlpInstalled ? "checkmark.circle.fill"
                                                                     : "xmark.circle.fill"
                        color: view.youtubeService.isYtDlpInstalled ? view.green : view.red
                        size: 14
                    }
                    Text {
                        objectName: "ytDlpStatus"
                        text: view.youtubeService.isYtDlpInstalled ? qsTr("Installed") : qsTr("Not Found")
                        font.pixelSize: Theme.fontBody
                        color: view.youtubeService.isYtDlpInstalled ? view.green : view.red
                    }
                    Item { Layout.fillWidth: true }
                    LabeledButton {
                        objectName: "refreshButton"
                        text: qsTr("Refresh")
                        onClicked: view.youtubeService.findYtDlp()
                    }
                }
                RowLayout {
                    objectName: "ytDlpPathRow"
                    visible: view.youtubeService.isYtDlpInstalled
                    Layout.fillWidth: true
                    spacing: 6
                    Text {
                        text: qsTr("Path:")
                        font.pixelSize: Theme.fontBody
                        color: Theme.primary
                    }
                    Text {
                        objectName: "ytDlpPath"
                        text: view.youtubeService.ytDlpPath
                        font.family: "monospace"
                        font.pixelSize: Theme.fontFootnote
                        color: Theme.secondary
                        elide: Text.ElideMiddle
                        Layout.fillWidth: true
                    }
                }
            }
            SettingsSection {
                title: qsTr("Download Formats")
                SettingsPicker {
                    objectName: "audioFormatPicker"
                    label: qsTr("Audio format")
                    options: [
                        { title: qsTr("M4A (recommended)"), value: "m4a" },
                        { title: qsTr("MP3"), value: "mp3" },
                        { title: qsTr("OPUS"), value: "opus" },
                    ]
                    value: view.downloadAudioFormat
                    onPicked: (value) => { Preferences.downloadAudioFormat = value }
                }
                SettingsPicker {
                    objectName: "videoFormatPicker"
                    label: qsTr("Video format")
                    options: [
                        { title: qsTr("MP4 (recommended)"), value: "mp4" },
                        { title: qsTr("MKV"), value: "mkv" },
                        { title: qsTr("WebM"), value: "webm" },
                    ]
                    value: view.downloadVideoFormat
                    onPicked: (value) => { Preferences.downloadVideoFormat = value }
                }
            }
        }
    }
}
