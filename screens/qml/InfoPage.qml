import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// Who made the app, and where its icons, pictures, fonts and verb data come from.
ScreenPage {
    id: page
    objectName: "info"

    property alias model: info
    screenTitle: info.title

    InfoModel {
        id: info
    }

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 100
        clip: true
        ScrollIndicator.vertical: ScrollIndicator {}

        ColumnLayout {
            id: column
            objectName: "creditsColumn"
            x: 50
            y: 50
            width: parent.width - 100
            spacing: 12

            Repeater {
                model: info.sections
                ColumnLayout {
                    id: section
                    required property var modelData
                    Layout.fillWidth: true
                    spacing: 12

                    Text {
                        Layout.fillWidth: true
                        text: section.modelData.heading
                        font.family: Symbols.roundedFamily
                        font.pixelSize: 16
                        font.weight: Font.Bold
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        color: "black"
                        Accessible.role: Accessible.Heading
                        Accessible.name: text
                    }
                    Repeater {
                        model: section.modelData.links
                        ColumnLayout {
                            id: link
                            required property var modelData
                            objectName: "creditLink"
                            Layout.fillWidth: true
                            spacing: 2

                            AbstractButton {
                                Layout.fillWidth: true
                                Accessible.name: link.modelData.label
                                Accessible.role: Accessible.Link
                                contentItem: Text {
                                    text: link.modelData.label
                                    font.family: Symbols.roundedFamily
                                    font.pixelSize: 14
                                    color: "#0a84ff"
                                    horizontalAlignment: Text.AlignHCenter
                                    wrapMode: Text.WrapAnywhere
                                }
                                onClicked: Qt.openUrlExternally(link.modelData.url)
                            }
                            Text {
                                Layout.fillWidth: true
                                visible: link.modelData.note.length > 0
                                text: link.modelData.note
                                font.pixelSize: 12
                                color: Colours.secondary
                                horizontalAlignment: Text.AlignHCenter
                                wrapMode: Text.WordWrap
                            }
                        }
                    }
                }
            }
        }
    }
}
