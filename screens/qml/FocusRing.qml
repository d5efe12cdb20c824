import QtQuick
import Flexio

// The ring drawn around a custom control while it holds the keyboard focus. Over a coloured fill
// a FocusRingOnFill keeps the ring visible against the fill. The ring is made only while shown:
// a screen holds many controls, and few of them ever take the focus.
Loader {
    objectName: "focusRing"

    property bool shown: (parent as Item)?.activeFocus ?? false
    property real inset: -2
    property real radius: Theme.radius
    property color ringColor: Theme.focus
    property real ringWidth: Theme.focusWidth

    anchors.fill: parent
    anchors.margins: inset
    z: 10
    active: shown
    sourceComponent: Rectangle {
        readonly property FocusRing ring: parent as FocusRing

        color: "transparent"
        radius: ring?.radius ?? 0
        border.color: ring?.ringColor ?? "transparent"
        border.width: ring?.ringWidth ?? 0
    }
}
