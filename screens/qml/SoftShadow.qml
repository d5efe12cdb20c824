import QtQuick
import Flexio

// A soft shadow under a rounded card: a few widening rings of fading shade, drawn behind it from
// one stretched image.
BorderImage {
    id: shadow

    property real radius: Theme.cardRadius
    readonly property int corner: Math.round(radius) + 8

    anchors.fill: parent
    anchors.margins: -8
    anchors.topMargin: -6
    z: -1
    visible: Theme.shadow.a > 0
    source: visible ? "image://shadow/" + Math.round(radius) + "/" + Theme.shadow : ""
    border.left: corner
    border.right: corner
    border.top: corner
    border.bottom: corner
    Accessible.ignored: true
}
