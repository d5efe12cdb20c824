import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// One switch of the settings list: its name, and a checkmark while it is on.
ItemDelegate {
    id: row

    // A tense or a language switch.
    property var setting
    readonly property string name: row.setting ? String(row.setting.tenseName ?? row.setting.settingName) : ""
    readonly property bool isOn: row.setting ? row.setting.status === true : false

    leftPadding: 20
    rightPadding: 20
    Accessible.name: row.name
    Accessible.role: Accessible.CheckBox
    Accessible.checkable: true
    Accessible.checked: row.isOn

    background: Rectangle {
        color: row.down ? "#e5e5ea" : "white"
        Rectangle {
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.leftMargin: 20
            anchors.right: parent.right
            height: 1
            color: "#e5e5ea"
        }
    }

    contentItem: RowLayout {
        Text {
            Layout.fillWidth: true
            text: row.name
            font.pixelSize: 17
            color: "black"
            elide: Text.ElideRight
        }
        SymbolIcon {
            objectName: "checkmark"
            visible: row.isOn
            symbol: "checkmark"
            size: 22
            color: "#0a84ff"
        }
    }
}
