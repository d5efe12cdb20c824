import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// One of a page's tabs: the chosen one reads in the body colour over an underline, the others in
// the secondary colour; each is one stop of the Tab key.
TabButton {
    id: tab
    Layout.fillWidth: true
    font.pixelSize: Theme.subhead
    checkable: false
    Accessible.name: text
    contentItem: Text {
        text: tab.text
        font: tab.font
        color: tab.checked ? Theme.text : Theme.secondaryText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        implicitHeight: Theme.tapSize
        color: Theme.background
        Rectangle {
            width: parent.width
            height: 2
            anchors.bottom: parent.bottom
            color: tab.checked ? Theme.link : Theme.separator
        }
        FocusRing {
            shown: tab.visualFocus
        }
    }
}
