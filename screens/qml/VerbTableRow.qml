import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// One form of a conjugation table with its pronoun and English; a tap says it aloud.
AbstractButton {
    id: row

    property var part: ({})
    readonly property VerbTableRowModel speech: ScreenModels.verbTableRow(row)
    Binding {
        target: row.speech
        property: "ttsEnabled"
        value: row.part.ttsEnabled === true
    }
    Binding {
        target: row.speech
        property: "ttsPhrase"
        value: row.part.ttsPhrase ?? ""
    }
    Binding {
        target: row.speech
        property: "locale"
        value: row.part.locale ?? ""
    }

    implicitHeight: rowColumn.implicitHeight + 12
    Accessible.name: (row.part.text ?? "") + (row.part.irregular ? ", irregular" : "") + ", "
        + (row.part.translation ?? "")
    Accessible.role: Accessible.Button
    onClicked: speech.speakPart()

    background: Rectangle {
        radius: Theme.smallRadius
        color: row.down ? Theme.pressed : Theme.surface
    }
    FocusRing {
        shown: row.visualFocus
        radius: Theme.smallRadius
        ringColor: Theme.onColour
    }

    // Rows that speak when tapped carry a speaker mark.
    SymbolIcon {
        id: speakable
        objectName: "speakerMark"
        visible: row.speech.speakable
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        symbol: "speaker.wave.2.fill"
        size: 18
        color: Theme.secondaryText
    }

    ColumnLayout {
        id: rowColumn
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 10
        anchors.rightMargin: speakable.visible ? 36 : 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 0

        // Pronoun and form run on as words do, so a long form moves to the next line rather
        // than being cut off on a narrow screen.
        TextMetrics {
            id: formMetrics
            font: form.font
            text: row.part.text ?? ""
        }

        Flow {
            id: line
            Layout.fillWidth: true
            spacing: 6
            Text {
                objectName: "leadingPronoun"
                visible: !row.part.isVerbFirst && row.part.pronounShown === true
                text: row.part.pronoun ?? ""
                font.pixelSize: Theme.title2
                color: Theme.secondaryText
            }
            Text {
                id: form
                objectName: "form"
                text: row.part.styledText ?? row.part.text ?? ""
                textFormat: Text.StyledText
                // Its natural width, or the row's when the form is longer than a whole row.
                width: Math.min(Math.ceil(formMetrics.advanceWidth) + 1, line.width)
                wrapMode: Text.WrapAnywhere
                font.pixelSize: Theme.title2
                font.weight: Font.DemiBold
                color: Theme.text
            }
            Text {
                id: trailingPronoun
                objectName: "trailingPronoun"
                visible: row.part.isVerbFirst === true && row.part.pronounShown === true
                text: row.part.pronoun ?? ""
                opacity: row.part.pronounOpacity ?? 1
                font.pixelSize: Theme.title2
                color: Theme.secondaryText
            }
            SymbolIcon {
                id: gear
                objectName: "loadingGear"
                visible: row.speech.gearShown
                symbol: "gearshape.fill"
                size: Theme.title2
                color: Theme.secondaryText
                RotationAnimation on rotation  {
                    running: gear.visible
                    from: 0
                    to: 360
                    duration: 2000
                    loops: Animation.Infinite
                }
            }
        }
        Text {
            objectName: "translation"
            Layout.fillWidth: true
            text: row.part.translation ?? ""
            font.pixelSize: Theme.subhead
            color: Theme.secondaryText
            wrapMode: Text.WordWrap
        }
    }
}
