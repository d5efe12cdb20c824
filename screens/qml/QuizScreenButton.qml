import QtQuick
import QtQuick.Controls

// A wide, rounded, filled button of the quiz screen.
Button {
    id: button
    property color fill

    implicitWidth: 240
    implicitHeight: 50
    Accessible.name: text

    contentItem: Text {
        text: button.text
        color: "white"
        font.pixelSize: 18
        font.weight: Font.DemiBold
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: 14
        color: button.fill
        opacity: button.down ? 0.75 : 1
    }
}
