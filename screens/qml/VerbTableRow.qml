import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// One form of a conjugation table with its pronoun and English; a tap says it aloud.
AbstractButton {
    id: row

    property var part: ({})
    readonly property VerbTableRowModel speech: VerbTableRowModel {
        ttsEnabled: row.part.ttsEnabled === true
        ttsPhrase: row.part.ttsPhrase ?? ""
        locale: row.part.locale ?? ""
    }

    implicitHeight: rowColumn.implicitHeight + 12
    Accessible.name: (row.part.text ?? "") + ", " + (row.part.translation ?? "")
    Accessible.role: Accessible.Button
    onClicked: speech.speakPart()

    background: Rectangle {
        radius: 8
        color: "white"
        opacity: row.down ? 0.95 : 0.88
    }

    ColumnLayout {
        id: rowColumn
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            spacing: 6
            Text {
                objectName: "leadingPronoun"
                visible: !row.part.isVerbFirst && row.part.pronounShown === true
                text: row.part.pronoun ?? ""
                font.pixelSize: 22
                color: Colours.secondary
            }
            Text {
                objectName: "form"
                text: row.part.text ?? ""
                font.pixelSize: 22
                font.weight: Font.DemiBold
                color: "black"
                Layout.fillWidth: !trailingPronoun.visible
                Layout.maximumWidth: rowColumn.width - 40
                elide: Text.ElideRight
            }
            Text {
                id: trailingPronoun
                objectName: "trailingPronoun"
                visible: row.part.isVerbFirst === true && row.part.pronounShown === true
                text: row.part.pronoun ?? ""
                opacity: row.part.pronounOpacity ?? 1
                font.pixelSize: 22
                color: Colours.secondary
                Layout.fillWidth: true
            }
            SymbolIcon {
                id: gear
                objectName: "loadingGear"
                visible: row.speech.gearShown
                symbol: "gearshape.fill"
                size: 22
                color: Colours.secondary
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
            font.pixelSize: 15
            color: Colours.secondary
            wrapMode: Text.WordWrap
        }
    }
}
