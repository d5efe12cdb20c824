import QtQuick
import QtQuick.Controls.Basic
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
        id: flick
        anchors.fill: parent
        contentHeight: column.implicitHeight + 100
        clip: true
        ScrollBar.vertical: ScrollCue {}
        FocusFollower {
            flickable: flick
        }

        ColumnLayout {
            id: column
            objectName: "creditsColumn"
            width: Math.min(Theme.contentWidth(parent.width), parent.width - 2 * Theme.wideMargin) - 60
            x: (parent.width - width) / 2
            y: 50
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
                        font.pixelSize: Theme.body
                        font.weight: Font.Bold
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        color: Theme.text
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
                                id: linkButton
                                Layout.fillWidth: true
                                Layout.minimumHeight: Theme.tapSize
                                Accessible.name: link.modelData.shortLabel
                                Accessible.description: link.modelData.label
                                Accessible.role: Accessible.Link
                                FocusRing {
                                    shown: linkButton.visualFocus
                                    radius: Theme.smallRadius
                                }
                                contentItem: Text {
                                    text: link.modelData.shortLabel
                                    font.family: Symbols.roundedFamily
                                    font.pixelSize: Theme.subhead
                                    color: Theme.link
                                    horizontalAlignment: Text.AlignHCenter
                                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                                }
                                onClicked: Qt.openUrlExternally(link.modelData.url)
                            }
                            Text {
                                Layout.fillWidth: true
                                visible: link.modelData.note.length > 0
                                text: link.modelData.note
                                font.pixelSize: Theme.caption
                                color: Theme.secondaryText
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
