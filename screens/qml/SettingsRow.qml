import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// One switch of the settings list: its name, and a checkmark while it is on.
ItemDelegate {
    id: row

    // A tense or a language switch.
    property var setting
    property string name: row.setting ? String(row.setting.tenseName ?? row.setting.settingName) : ""
    property bool isOn: row.setting ? row.setting.status === true : false

    implicitHeight: Math.max(Theme.rowHeight, implicitContentHeight + topPadding + bottomPadding)
    activeFocusOnTab: true
    leftPadding: 20
    rightPadding: 20
    Accessible.name: row.name
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
        Text {
            Layout.fillWidth: true
            text: row.name
            font.pixelSize: Theme.body
            color: Theme.text
            wrapMode: Text.WordWrap
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
