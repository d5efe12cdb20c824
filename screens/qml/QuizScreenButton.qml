import QtQuick
import QtQuick.Controls.Basic
import Flexio

// A wide, rounded, filled button of the quiz screen.
Button {
    id: button
    property color fill

    implicitWidth: 240
    implicitHeight: 50
    Accessible.name: text

    contentItem: Text {
        text: button.text
        color: Theme.onColour
        font.pixelSize: Theme.title3 - 2
        font.weight: Font.DemiBold
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: Theme.radius + 2
        color: Theme.readableFill(button.fill, Theme.onColour)
        FocusRing {
            shown: button.visualFocus
            radius: Theme.radius + 4
        }
        opacity: button.down ? 0.75 : 1
    }
}
