import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// Accuracy by tense and person: each cell coloured by its band, with its percentage and the
// number of answers behind it. A cell with missed forms opens a review of them.
ColumnLayout {
    id: view
    objectName: "accuracyGrid"
    spacing: 2

    signal cellChosen(string tense, int person)

    readonly property AccuracyGrid grid: ScreenModels.accuracyGrid(view)
    readonly property int nameWidth: 104

    RowLayout {
        spacing: 2
        Item {
            Layout.preferredWidth: view.nameWidth
        }
        Repeater {
            model: view.grid.persons
            delegate: Label {
                required property string modelData
                Layout.fillWidth: true
                Layout.preferredWidth: 40
                text: modelData
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: Theme.caption
                color: Theme.secondaryText
            }
        }
    }

    Repeater {
        model: view.grid.rows
        delegate: RowLayout {
            id: row
            required property var modelData
            required property int index
            objectName: "gridRow" + index
            spacing: 2
            Label {
                Layout.preferredWidth: view.nameWidth // qmllint disable
                text: row.modelData.name
                font.pixelSize: Theme.caption
                elide: Text.ElideRight
                color: Theme.text
            }
            Repeater {
                model: row.modelData.cells
                delegate: AbstractButton {
                    id: cell
                    required property var modelData
                    Layout.fillWidth: true
                    Layout.preferredWidth: 40
                    Layout.preferredHeight: 2 * Theme.caption + 14
                    enabled: modelData.missed > 0
                    Accessible.name: row.modelData.name + ", " + view.grid.persons[modelData.person] + ": " // qmllint disable
                                     + (modelData.total > 0 ? modelData.percent + "% of " + modelData.total
                                                              + " answers" : "no answers")
                    Accessible.role: Accessible.Button
                    onClicked: view.cellChosen(row.modelData.tense, modelData.person) // qmllint disable
                    background: Rectangle {
                        radius: Theme.smallRadius
                        color: Theme.readableFill(cell.modelData.colour, cell.modelData.textColour)
                        opacity: cell.down ? 0.8 : 1
                    }
                    contentItem: Column {
                        Text {
                            width: parent.width
                            text: cell.modelData.total > 0 ? cell.modelData.percent + "%" : "\u2013"
                            color: cell.modelData.textColour
                            font.pixelSize: Theme.caption
                            font.weight: Font.DemiBold
                            horizontalAlignment: Text.AlignHCenter
                        }
                        Text {
                            width: parent.width
                            visible: cell.modelData.total > 0
                            text: cell.modelData.total
                            color: cell.modelData.textColour
                            font.pixelSize: Theme.caption
                            horizontalAlignment: Text.AlignHCenter
                        }
                    }
                }
            }
        }
    }
}
