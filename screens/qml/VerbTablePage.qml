import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// One verb: its infinitive (tap to hear it), English meaning, notes and every conjugation table.
ScreenPage {
    id: page
    objectName: "verbTable"

    property alias verb: table.verb
    readonly property VerbTableModel model: VerbTableModel {
        id: table
    }

    Flickable {
        id: flick
        objectName: "tableFlick"
        anchors.fill: parent
        contentHeight: column.implicitHeight + 20
        clip: true
        ScrollIndicator.vertical: ScrollIndicator {}

        ColumnLayout {
            id: column
            width: Math.min(flick.width, 720)
            x: (flick.width - width) / 2
            spacing: 0

            AbstractButton {
                objectName: "verbTitle"
                Layout.fillWidth: true
                Layout.topMargin: 10
                Layout.leftMargin: 10
                Layout.rightMargin: 10
                Accessible.name: table.title
                Accessible.description: qsTr("Listen")
                Accessible.role: Accessible.Button
                contentItem: Text {
                    text: table.title
                    font.pixelSize: 34
                    font.weight: Font.Bold
                    color: "black"
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 17
                    horizontalAlignment: Text.AlignHCenter
                }
                onClicked: table.speakInfinitive()
            }
            Text {
                objectName: "englishLine"
                Layout.fillWidth: true
                Layout.leftMargin: 10
                Layout.rightMargin: 10
                Layout.topMargin: 4
                horizontalAlignment: Text.AlignHCenter
                textFormat: Text.StyledText
                text: page.escaped(table.english)
                      + (table.englishExtra.length > 0 ? " <i>" + page.escaped(table.englishExtra) + "</i>" : "")
                font.pixelSize: 22
                color: Colours.secondary
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 11
            }
            Text {
                objectName: "notes"
                visible: table.notes.length > 0
                Layout.fillWidth: true
                Layout.margins: 20
                Layout.bottomMargin: 0
                text: table.notes
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: 12
                color: "black"
            }
            Text {
                Layout.fillWidth: true
                Layout.margins: 12
                text: table.caption
                horizontalAlignment: Text.AlignHCenter
                font.pixelSize: 11
                color: Colours.secondary
            }

            Repeater {
                id: cards
                objectName: "tableCards"
                model: table.tables

                Rectangle {
                    id: card
                    required property var modelData
                    required property int index
                    objectName: "tableCard" + index
                    Layout.fillWidth: true
                    Layout.leftMargin: 10
                    Layout.rightMargin: 10
                    Layout.bottomMargin: 10
                    implicitHeight: cardColumn.implicitHeight + 24
                    radius: 14
                    color: modelData.colour

                    ColumnLayout {
                        id: cardColumn
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.top: parent.top
                        anchors.margins: 12
                        spacing: 6

                        Text {
                            Layout.fillWidth: true
                            text: card.modelData.title
                            color: "white"
                            font.pixelSize: 22
                            font.weight: Font.DemiBold
                            wrapMode: Text.WordWrap
                            Accessible.role: Accessible.Heading
                            Accessible.name: text
                        }
                        Text {
                            Layout.fillWidth: true
                            visible: card.modelData.gloss.length > 0
                            text: card.modelData.gloss
                            color: "white"
                            font.pixelSize: 17
                            font.italic: true
                            wrapMode: Text.WordWrap
                        }
                        Repeater {
                            model: card.modelData.rows
                            VerbTableRow {
                                required property var modelData
                                required property int index
                                objectName: "tableRow" + index
                                Layout.fillWidth: true
                                part: modelData
                            }
                        }
                    }
                }
            }
        }
    }

    // The English line is styled text; the verb data's own text is shown as it is.
    function escaped(text: string): string {
        return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
    }
}
