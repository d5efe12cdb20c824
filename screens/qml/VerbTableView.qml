import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// One verb's table content: its infinitive (tap to hear it), English meaning, notes and every
// conjugation table; the cards run in two columns where the width allows.
Flickable {
    id: flick
    objectName: "tableFlick"

    property Verb verb
    readonly property VerbTableModel model: ScreenModels.verbTable(flick)
    Binding {
        target: flick.model
        property: "verb"
        value: flick.verb
    }

    contentHeight: column.implicitHeight + Theme.wideMargin
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollCue {}

    FocusFollower {
        flickable: flick
    }

    ColumnLayout {
        id: column
        width: Theme.contentWidth(flick.width)
        x: (flick.width - width) / 2
        spacing: 0

        AbstractButton {
            id: titleButton
            objectName: "verbTitle"
            Layout.fillWidth: true
            Layout.minimumHeight: Theme.tapSize
            Layout.topMargin: 10
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            Accessible.name: flick.model.title
            Accessible.description: qsTr("Listen")
            Accessible.role: Accessible.Button
            contentItem: RowLayout {
                spacing: Theme.spacing
                Item {
                    Layout.fillWidth: true
                }
                Text {
                    Layout.maximumWidth: titleButton.width - 40
                    text: flick.model.title
                    font.pixelSize: Theme.largeTitle
                    font.weight: Font.Bold
                    color: Theme.text
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Theme.body
                    horizontalAlignment: Text.AlignHCenter
                }
                SymbolIcon {
                    objectName: "titleSpeakerMark"
                    visible: flick.model.speakable
                    symbol: "speaker.wave.2.fill"
                    size: 24
                    color: Theme.link
                }
                Item {
                    Layout.fillWidth: true
                }
            }
            FocusRing {
                shown: titleButton.visualFocus
            }
            onClicked: flick.model.speakInfinitive()
        }
        Text {
            objectName: "englishLine"
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            Layout.topMargin: Theme.gap
            horizontalAlignment: Text.AlignHCenter
            textFormat: Text.StyledText
            text: flick.escaped(flick.model.english)
                  + (flick.model.englishExtra.length > 0 ? " <i>" + flick.escaped(flick.model.englishExtra) + "</i>" : "")
            font.pixelSize: Theme.title2
            color: Theme.secondaryText
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.caption
        }
        // Why forms are not spoken, until the learner has read it.
        Rectangle {
            objectName: "speechNotice"
            visible: flick.model.speechNotice.length > 0
            Layout.fillWidth: true
            Layout.margins: Theme.margin
            Layout.bottomMargin: 0
            implicitHeight: noticeColumn.implicitHeight + 2 * Theme.spacing
            radius: Theme.smallRadius
            color: Theme.field
            ColumnLayout {
                id: noticeColumn
                anchors.fill: parent
                anchors.margins: Theme.spacing
                Label {
                    objectName: "speechNoticeText"
                    Layout.fillWidth: true
                    text: flick.model.speechNotice
                    wrapMode: Text.WordWrap
                    font.pixelSize: Theme.subhead
                    color: Theme.text
                }
                Button {
                    objectName: "speechNoticeDismiss"
                    Layout.alignment: Qt.AlignRight
                    Layout.minimumHeight: Theme.tapSize
                    Layout.minimumWidth: Theme.tapSize
                    text: qsTr("Got it")
                    onClicked: flick.model.dismissSpeechNotice()
                }
            }
        }
        Text {
            objectName: "notes"
            visible: flick.model.notes.length > 0
            Layout.fillWidth: true
            Layout.margins: Theme.wideMargin
            Layout.bottomMargin: 0
            text: flick.model.notes
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: Theme.subhead
            color: Theme.text
        }
        Text {
            objectName: "irregularity"
            visible: flick.model.irregularity.length > 0
            Layout.fillWidth: true
            Layout.margins: Theme.wideMargin
            Layout.bottomMargin: 0
            text: flick.model.irregularity
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: Theme.caption
            color: Theme.secondaryText
        }
        Text {
            Layout.fillWidth: true
            Layout.margins: Theme.radius
            text: flick.model.caption
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.caption
            color: Theme.secondaryText
        }

        // The cards, side by side in two columns where the width allows, tops aligned.
        Flow {
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            spacing: 10

            Repeater {
                id: cards
                objectName: "tableCards"
                model: flick.model.tables

                Rectangle {
                    id: card
                    required property var modelData
                    required property int index
                    // The card's own blue, darkened where white text would not read on it.
                    readonly property color fill: Theme.readableFill(modelData.colour, Theme.onColour)
                    objectName: "tableCard" + index
                    // Two columns from 620 px of room.
                    width: !parent ? 0 : parent.width >= 620 ? (parent.width - 10) / 2 : parent.width
                    implicitHeight: cardColumn.implicitHeight + 24
                    radius: Theme.cardRadius
                    color: fill

                    ColumnLayout {
                        id: cardColumn
                        anchors.left: parent.left
                        anchors.right: parent.right
                        anchors.top: parent.top
                        anchors.margins: Theme.radius
                        spacing: 6

                        Text {
                            Layout.fillWidth: true
                            text: card.modelData.title
                            color: Theme.onColour
                            font.pixelSize: Theme.title2
                            font.weight: Font.DemiBold
                            wrapMode: Text.WordWrap
                            Accessible.role: Accessible.Heading
                            Accessible.name: text + ", " + card.modelData.subtitle
                        }
                        Text {
                            objectName: "tableSubtitle"
                            Layout.fillWidth: true
                            text: card.modelData.subtitle
                            color: Theme.onColour
                            font.pixelSize: Theme.caption
                            wrapMode: Text.WordWrap
                            Accessible.ignored: true
                        }
                        Text {
                            Layout.fillWidth: true
                            visible: card.modelData.gloss.length > 0
                            text: card.modelData.gloss
                            color: Theme.onColour
                            font.pixelSize: Theme.body
                            font.italic: true
                            wrapMode: Text.WordWrap
                        }
                        Repeater {
                            model: card.modelData.rows
                            VerbTableRow {
                                id: tableRow
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
        return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");
    }
}
