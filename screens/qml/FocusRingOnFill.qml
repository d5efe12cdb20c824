import QtQuick
import Flexio

// The focus ring over a coloured fill: an inner ring in the fill's text colour keeps it visible
// against the fill.
FocusRing {
    id: ring

    Rectangle {
        visible: ring.shown
        anchors.fill: parent
        anchors.margins: ring.ringWidth
        radius: Math.max(0, ring.radius - ring.ringWidth)
        color: "transparent"
        border.color: Theme.onColour
        border.width: 2
    }
}
