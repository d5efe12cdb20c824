import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// The verbs ranked by score, best first, each with its coloured dot; a tap opens the verb.
ScreenPage {
    id: page
    objectName: "progressViewer"
    screenTitle: "Performance"

    readonly property ProgressViewerModel progress: ProgressViewerModel {}

    StackView.onActivating: page.progress.printScores()

    Component {
        id: tablePage
        VerbTablePage {}
    }

    // The empty state: what will appear here, and how to make it appear.
    ColumnLayout {
        objectName: "emptyState"
        visible: page.progress.empty
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
        visible: !page.progress.empty
        width: Theme.contentWidth(parent.width)
        height: parent.height
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

        ScreenList {
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
