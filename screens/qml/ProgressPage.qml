import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The verbs ranked by score, best first, each with its coloured dot; a tap opens the verb. A
// second tab shows accuracy by tense and person, and saves or loads the learner's progress.
ScreenPage {
    id: page
    objectName: "progressViewer"
    screenTitle: "Performance"

    readonly property ProgressViewerModel progress: ScreenModels.progressViewer(page)
    // 0: the ranked verbs, 1: the accuracy grid.
    property alias tab: tabs.currentIndex

    StackView.onActivating: page.progress.printScores()

    Component {
        id: tablePage
        VerbTablePage {}
    }
    Component {
        id: reviewPage
        ReviewPage {}
    }
    // Qt's file dialogs where their modules are installed; a file path field otherwise. The
    // dialog's file is only ever loaded by name, so that this page loads without its modules.
    Loader {
        id: exportDialog
        objectName: "exportDialog"
        active: QmlModules.fileDialogs
        source: "ProgressFileDialog.qml"
        onLoaded: item.saving = true // qmllint disable
    }
    Loader {
        id: importDialog
        objectName: "importDialog"
        active: QmlModules.fileDialogs
        source: "ProgressFileDialog.qml"
    }

    // Two tab buttons rather than a tab bar: each is one stop of the Tab key.
    RowLayout {
        id: tabs
        objectName: "progressTabs"
        property int currentIndex: 0
        width: parent.width
        z: 1
        spacing: 0
        PageTab {
            text: "Verbs"
            checked: tabs.currentIndex === 0
            onClicked: tabs.currentIndex = 0
        }
        PageTab {
            objectName: "gridTab"
            text: "Tenses"
            checked: tabs.currentIndex === 1
            onClicked: tabs.currentIndex = 1
        }
    }

    Flickable {
        visible: tabs.currentIndex === 1
        anchors.fill: parent
        anchors.topMargin: tabs.height
        contentHeight: gridColumn.implicitHeight + 24
        clip: true
        ColumnLayout {
            id: gridColumn
            width: parent.width - 24
            x: 12
            y: 12
            spacing: 12
            AccuracyGridView {
                Layout.fillWidth: true
                onCellChosen: (tense, person) => page.StackView.view.push(reviewPage, {cellTense: tense, cellPerson: person})
            }
            Label {
                Layout.fillWidth: true
                text: "Each cell: your share of right answers for that tense and person, and how many answers it counts. Tap a cell to review the forms you missed there."
                wrapMode: Text.WordWrap
                font.pixelSize: Theme.caption
                color: Theme.secondaryText
            }
            TextField {
                id: transferPath
                objectName: "transferPath"
                visible: exportDialog.status !== Loader.Ready
                Layout.fillWidth: true
                Layout.minimumHeight: Theme.tapSize
                placeholderText: "File path, such as /home/me/progress.json"
                font.pixelSize: Theme.body
                inputMethodHints: Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
            }
            RowLayout {
                Layout.fillWidth: true
                Button {
                    objectName: "exportButton"
                    Layout.fillWidth: true
                    Layout.minimumHeight: Theme.tapSize
                    text: transferPath.visible ? "Save progress" : "Save progress…"
                    enabled: !transferPath.visible || transferPath.text.length > 0
                    onClicked: transferPath.visible ? ProgressTransfer.exportToFile(transferPath.text) : exportDialog.item.open() // qmllint disable
                }
                Button {
                    objectName: "importButton"
                    Layout.fillWidth: true
                    Layout.minimumHeight: Theme.tapSize
                    text: transferPath.visible ? "Load progress" : "Load progress…"
                    enabled: !transferPath.visible || transferPath.text.length > 0
                    onClicked: transferPath.visible ? ProgressTransfer.importFromFile(transferPath.text) : importDialog.item.open() // qmllint disable
                }
            }
            Label {
                objectName: "transferMessage"
                Layout.fillWidth: true
                text: ProgressTransfer.message
                wrapMode: Text.WordWrap
                font.pixelSize: Theme.caption
                color: Theme.text
            }
        }
    }

    // The empty state: what will appear here, and how to make it appear.
    ColumnLayout {
        objectName: "emptyState"
        visible: page.progress.empty && tabs.currentIndex === 0
        anchors.centerIn: parent
        width: Math.min(parent.width - 2 * Theme.wideMargin, 420)
        spacing: Theme.radius
        SymbolIcon {
            Layout.fillWidth: true
            symbol: "chart.bar.fill"
            size: 64
            color: Theme.link
        }
        Text {
            Layout.fillWidth: true
            text: qsTr("No scores yet")
            font.pixelSize: Theme.title2
            font.weight: Font.DemiBold
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
        Label {
            objectName: "emptyCaption"
            Layout.fillWidth: true
            text: page.progress.emptyCaption
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: Theme.body
            color: Theme.secondaryText
        }
    }

    ColumnLayout {
        visible: !page.progress.empty && tabs.currentIndex === 0
        width: Theme.contentWidth(parent.width)
        y: tabs.height
        height: parent.height - tabs.height
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 0

        Label {
            objectName: "caption"
            Layout.fillWidth: true
            Layout.margins: 12
            text: page.progress.caption
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: Theme.caption
            color: Theme.secondaryText
        }

        ScrollingList {
            id: list
            objectName: "progressList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            model: page.progress.rows
            onChosen: verb => page.StackView.view.push(tablePage, {verb: verb})

            delegate: ItemDelegate {
                id: row
                required property var modelData
                required property int index
                objectName: "progressRow" + index
                width: ListView.view.width
                focus: ListView.isCurrentItem
                visible: modelData.shown
                height: visible ? implicitHeight : 0
                leftPadding: 16
                rightPadding: 16
                Accessible.name: modelData.displayInfinitive + ", " + modelData.english + ", score " + modelData.scoreText
                Accessible.role: Accessible.Link
                onClicked: (row.ListView.view as ScreenList).chosen(row.modelData.verb)

                background: Rectangle {
                    color: row.down ? Theme.pressed : Theme.surface
                    Rectangle {
                        anchors.bottom: parent.bottom
                        anchors.left: parent.left
                        anchors.leftMargin: 16
                        anchors.right: parent.right
                        height: 1
                        color: Theme.separator
                    }
                    FocusRing {
                        shown: row.activeFocus && row.ListView.view.activeFocus
                        inset: 2
                        radius: Theme.smallRadius
                    }
                }
                contentItem: RowLayout {
                    spacing: 12
                    SymbolIcon {
                        objectName: "scoreDot"
                        symbol: "circle.fill"
                        size: 18
                        color: row.modelData.dotColour
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 1
                        Text {
                            Layout.fillWidth: true
                            text: row.modelData.displayInfinitive
                            font.pixelSize: Theme.body
                            color: Theme.text
                            wrapMode: Text.WordWrap
                        }
                        Text {
                            Layout.fillWidth: true
                            text: row.modelData.english
                            font.pixelSize: Theme.caption
                            color: Theme.secondaryText
                            wrapMode: Text.WordWrap
                        }
                    }
                    Text {
                        objectName: "scoreText"
                        text: row.modelData.scoreText
                        font.pixelSize: Theme.caption
                        color: Theme.text
                    }
                }
            }
        }
    }
}
