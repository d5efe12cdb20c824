import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// One switch of the settings list: its name, and a checkmark while it is on.
ItemDelegate {
    id: row

    // A tense or a language switch.
    property var setting
    property bool englishFirst: false
    // A tense switch shows both names of its tense, the first one larger.
    property string italian: row.setting ? String(row.setting.italianName ?? "") : ""
    property string english: row.setting ? String(row.setting.englishName ?? "") : ""
    property string name: row.italian.length === 0
        ? (row.setting ? String(row.setting.tenseName ?? row.setting.settingName) : "")
        : (row.englishFirst ? row.english : row.italian)
    property string detail: row.italian === row.english ? "" : (row.englishFirst ? row.italian : row.english)
    property bool isOn: row.setting ? row.setting.status === true : false

    implicitHeight: Math.max(Theme.rowHeight, implicitContentHeight + topPadding + bottomPadding)
    activeFocusOnTab: true
    leftPadding: 20
    rightPadding: 20
    Accessible.name: row.detail.length > 0 ? row.name + ", " + row.detail : row.name
    Accessible.role: Accessible.CheckBox
    Accessible.checkable: true
    Accessible.checked: row.isOn

    background: Rectangle {
        color: row.down ? Theme.pressed : Theme.surface
        Rectangle {
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            height: 1
            color: Theme.separator
        }
        FocusRing {
            shown: row.visualFocus
            inset: 2
            radius: Theme.smallRadius
        }
    }

    contentItem: RowLayout {
        Column {
            Layout.fillWidth: true
            Text {
                width: parent.width
                text: row.name
                font.pixelSize: Theme.body
                color: Theme.text
                wrapMode: Text.WordWrap
            }
            Text {
                objectName: "detail"
                width: parent.width
                visible: row.detail.length > 0
                text: row.detail
                font.pixelSize: Theme.caption
                color: Theme.secondaryText
                wrapMode: Text.WordWrap
            }
        }
        SymbolIcon {
            objectName: "checkmark"
            visible: row.isOn
            symbol: "checkmark"
            size: 22
            color: Theme.link
        }
    }
}
