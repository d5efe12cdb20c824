import QtQuick

// The Italian flag with rounded corners and a faint edge, drawn from rectangles.
Item {
    implicitWidth: 60
    implicitHeight: 40

    readonly property real corner: height / 5

    Rectangle {
        anchors.fill: parent
        radius: parent.corner
        color: "#ffffff"
    }
    // Each outer band is a rounded rectangle whose inner corners a square piece covers.
    Rectangle {
        width: parent.width / 3
        height: parent.height
        radius: parent.corner
        color: "#009246"
        Rectangle {
            x: parent.width / 2
            width: parent.width / 2
            height: parent.height
            color: parent.color
        }
    }
    Rectangle {
        x: parent.width * 2 / 3
        width: parent.width / 3
        height: parent.height
        radius: parent.corner
        color: "#ce2b37"
        Rectangle {
            width: parent.width / 2
            height: parent.height
            color: parent.color
        }
    }
    Rectangle {
        anchors.fill: parent
        radius: parent.corner
        color: "transparent"
        border.width: 1
        border.color: Qt.rgba(0x2c / 255, 0x3e / 255, 0x50 / 255, 0.25)
    }
}
