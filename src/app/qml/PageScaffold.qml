import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Lyrabox

// The frame every section view shares: a header (title, count or subtitle line, an
// optional search field, the page's own actions), a divider, and below it either the
// page's content or its empty state; over everything, while `isLoading`, a small
// panel with a progress bar.
//
// A section view stays made once it has been shown, so `shown()` tells it each time
// it comes into view again: what it keeps for itself (a choice, an open sheet) starts
// afresh there.
Rectangle {
    id: page

    property string title
    property string subtitle

    // Header actions, laid out in a row at the header's trailing end.
    property alias headerActions: actionRow.data

    property bool hasSearch: false
    property string searchText
    property string searchPrompt
    signal searchEdited(string text)

    property bool isEmpty: false
    property string emptySymbol
    property string emptyTitle
    property string emptyText
    // Buttons under the empty state's text.
    property alias emptyActions: emptyButtonRow.data

    property bool isLoading: false
    property real loadingProgress: 0
    property string loadingText

    // The page's own content, filling the space under the header.
    default property alias content: contentArea.data

    signal shown()

    // The window's own colour shows through: one fill of the whole page less in every
    // frame a software renderer draws.
    color: "transparent"
    onVisibleChanged: {
        if (visible)
            page.shown()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        RowLayout {
            objectName: "pageHeader"
            Layout.fillWidth: true
            Layout.leftMargin: Theme.pageHeaderHPadding
            Layout.rightMargin: Theme.pageHeaderHPadding
            Layout.topMargin: Theme.pageHeaderVPadding
            Layout.bottomMargin: Theme.pageHeaderVPadding
            spacing: Theme.headerActionSpacing

            ColumnLayout {
                spacing: Theme.pageTitleSpacing
                Layout.fillWidth: true
                // The title whole as long as the search field can give way.
                Layout.minimumWidth: Math.min(titleText.implicitWidth, 240)
                Text {
                    id: titleText
                    objectName: "pageTitle"
                    Layout.fillWidth: true
                    text: page.title
                    elide: Text.ElideRight
                    font.pixelSize: Theme.fontPageTitle
                    font.weight: Font.Bold
                    color: Theme.primary
                }
                Text {
                    objectName: "pageSubtitle"
                    Layout.fillWidth: true
                    visible: page.subtitle.length > 0
                    text: page.subtitle
                    elide: Text.ElideRight
                    font.pixelSize: Theme.fontBody
                    color: Theme.secondary
                }
            }
            TextField {
                id: searchField
                objectName: "searchField"
                visible: page.hasSearch
                Layout.fillWidth: true
                Layout.preferredWidth: Theme.searchFieldWidth
                Layout.maximumWidth: Theme.searchFieldWidth
                Layout.minimumWidth: Theme.searchFieldMinWidth
                placeholderText: page.searchPrompt
                text: page.searchText
                font.pixelSize: Theme.fontBody
                selectByMouse: true
                onTextEdited: page.searchEdited(text)
            }
            RowLayout {
                id: actionRow
                objectName: "headerActions"
                spacing: Theme.headerActionSpacing
            }
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.hairline
            color: Theme.separator
        }
        Item {
            id: body
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true

            Item {
                id: contentArea
                objectName: "pageContent"
                anchors.fill: parent
                visible: !page.isEmpty
            }

            ColumnLayout {
                objectName: "emptyState"
                anchors.centerIn: parent
                width: Math.min(implicitWidth, body.width - 2 * Theme.pageHeaderHPadding)
                visible: page.isEmpty
                spacing: Theme.emptySpacing
                SymbolIcon {
                    Layout.alignment: Qt.AlignHCenter
                    symbol: page.emptySymbol
                    size: Theme.emptySymbolSize
                    color: Theme.faded(Theme.secondary, 0.5)
                }
                Text {
                    objectName: "emptyTitle"
                    Layout.alignment: Qt.AlignHCenter
                    Layout.maximumWidth: body.width - 2 * Theme.pageHeaderHPadding
                    text: page.emptyTitle
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    font.pixelSize: Theme.fontEmptyTitle
                    font.weight: Font.DemiBold
                    color: Theme.primary
                }
                Text {
                    objectName: "emptyText"
                    Layout.alignment: Qt.AlignHCenter
                    Layout.maximumWidth: body.width - 2 * Theme.pageHeaderHPadding
                    text: page.emptyText
                    wrapMode: Text.Wrap
                    horizontalAlignment: Text.AlignHCenter
                    lineHeight: 1.15
                    font.pixelSize: Theme.fontCallout
                    color: Theme.secondary
                }
                RowLayout {
                    id: emptyButtonRow
                    objectName: "emptyActions"
                    Layout.alignment: Qt.AlignHCenter
                    Layout.topMargin: Theme.emptyButtonsTopMargin
                    visible: children.length > 0
                    spacing: Theme.headerActionSpacing
                }
            }
        }
    }

    // Over the middle of the whole page; what lies underneath stays visible around it.
    Rectangle {
        objectName: "loadingOverlay"
        anchors.centerIn: parent
        visible: page.isLoading
        width: loadingColumn.implicitWidth + 2 * Theme.overlayPadding
        height: loadingColumn.implicitHeight + 2 * Theme.overlayPadding
        radius: Theme.overlayRadius
        color: Theme.faded(Theme.bar, 0.92)
        border.width: Theme.hairline
        border.color: Theme.separator

        ColumnLayout {
            id: loadingColumn
            anchors.centerIn: parent
            spacing: Theme.overlaySpacing
            ProgressBar {
                objectName: "loadingProgress"
                Layout.preferredWidth: Theme.loadingBarWidth
                from: 0
                to: 1
                value: page.loadingProgress
            }
            Text {
                objectName: "loadingText"
                Layout.alignment: Qt.AlignHCenter
                text: page.loadingText
                font.pixelSize: Theme.fontBody
                color: Theme.secondary
            }
        }
    }
}
