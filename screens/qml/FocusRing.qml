import QtQuick
import Flexio

// The ring drawn around a custom control while it holds the keyboard focus. Over a coloured fill
// an inner ring in the fill's text colour keeps the ring visible against the fill.
Rectangle {
    property bool shown: (parent as Item)?.activeFocus ?? false
    property real inset: -2
    property bool overFill: false

    anchors.fill: parent
    anchors.margins: inset
    z: 10
    visible: shown
    color: "transparent"
    radius: Theme.radius
    border.color: Theme.focus
    border.width: Theme.focusWidth

    Rectangle {
        visible: parent.overFill
        anchors.fill: parent
        anchors.margins: parent.border.width
        radius: Math.max(0, parent.radius - parent.border.width)
        color: "transparent"
        border.color: Theme.onColour
        border.width: 2
    }
}
