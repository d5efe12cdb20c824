import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// One switch of the settings list: its name, and a checkmark while it is on. The first row of
// a section carries the section's heading above it.
Column {
    id: row

    property string name
    property bool checked
    property string heading
    signal clicked

    Label {
        objectName: "sectionHeading"
        visible: row.heading.length > 0
        width: row.width
        leftPadding: 20
        topPadding: 16
        bottomPadding: 6
        text: row.heading.toUpperCase()
        font.pixelSize: 13
        color: Colours.secondary
        Accessible.role: Accessible.Heading
    }

    ItemDelegate {
        id: button
        objectName: "settingButton"
        width: row.width
        leftPadding: 20
        rightPadding: 20
        Accessible.name: row.name
        Accessible.role: Accessible.CheckBox
        Accessible.checkable: true
        Accessible.checked: row.checked
        onClicked: row.clicked()
        background: Rectangle {
            color: button.down ? "#e5e5ea" : "white"
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
                visible: row.checked
                symbol: "checkmark"
                size: 22
                color: "#0a84ff"
            }
        }
    }
}
