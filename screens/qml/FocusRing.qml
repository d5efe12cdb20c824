import QtQuick
import Flexio

// The ring drawn around a custom control while it holds the keyboard focus.
Rectangle {
    property bool shown: (parent as Item)?.activeFocus ?? false
    property real inset: -2

    anchors.fill: parent
    anchors.margins: inset
    z: 10
    visible: shown
    color: "transparent"
    radius: Theme.radius
    border.color: Theme.focus
    border.width: Theme.focusWidth
    Accessible.ignored: true
}
