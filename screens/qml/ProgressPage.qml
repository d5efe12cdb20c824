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

    Label {
        objectName: "emptyCaption"
        visible: page.progress.empty
        anchors.centerIn: parent
        width: parent.width - 40
        text: page.progress.emptyCaption
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: 12
        color: Colours.secondary
    }

    ColumnLayout {
        visible: !page.progress.empty
        anchors.fill: parent
        spacing: 0

        Label {
            objectName: "caption"
            Layout.fillWidth: true
            Layout.margins: 12
            text: page.progress.caption
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 12
            color: Colours.secondary
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
                visible: modelData.shown
                height: visible ? implicitHeight : 0
                leftPadding: 16
                rightPadding: 16
                Accessible.name: modelData.displayInfinitive + ", " + modelData.english + ", score " + modelData.scoreText
                Accessible.role: Accessible.Link
                onClicked: (row.ListView.view as ScreenList).chosen(row.modelData.verb)

                background: Rectangle {
                    color: row.down ? "#e5e5ea" : "white"
                    Rectangle {
                        anchors.bottom: parent.bottom
                        anchors.left: parent.left
                        anchors.leftMargin: 16
                        anchors.right: parent.right
                        height: 1
                        color: "#e5e5ea"
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
                            font.pixelSize: 17
                            color: "black"
                            elide: Text.ElideRight
                        }
                        Text {
                            Layout.fillWidth: true
                            text: row.modelData.english
                            font.pixelSize: 11
                            color: Colours.secondary
                            elide: Text.ElideRight
                        }
                    }
                    Text {
                        objectName: "scoreText"
                        text: row.modelData.scoreText
                        font.pixelSize: 12
                        color: "black"
                    }
                }
            }
        }
    }
}
