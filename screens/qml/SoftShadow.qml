import QtQuick
import Flexio

// A soft shadow under a rounded card, drawn behind it. In the dark look the shade is clear and
// nothing is drawn.
ShadowRings {
    anchors.fill: parent
    anchors.topMargin: 2
    z: -1
    radius: Theme.cardRadius
    color: Theme.shadow
    visible: color.a > 0
}
