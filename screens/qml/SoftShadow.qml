import QtQuick
import Flexio

// A soft shadow under a rounded card: a few widening rings of fading shade, drawn behind it.
Item {
    id: shadow

    property real radius: Theme.cardRadius

    anchors.fill: parent
    anchors.topMargin: 2
    z: -1
    // In the dark look the shade is clear: nothing to draw.
    visible: Theme.shadow.a > 0
    Accessible.ignored: true

    Ring {
        step: 1
        strength: 1
        baseRadius: shadow.radius
    }
    Ring {
        step: 2
        strength: 0.7
        baseRadius: shadow.radius
    }
    Ring {
        step: 3
        strength: 0.45
        baseRadius: shadow.radius
    }
    Ring {
        step: 4
        strength: 0.25
        baseRadius: shadow.radius
    }
    Ring {
        step: 5
        strength: 0.1
        baseRadius: shadow.radius
    }

    component Ring: Rectangle {
        property int step
        property real strength
        property real baseRadius
        anchors.fill: parent
        anchors.margins: -step
        anchors.topMargin: -step / 2
        anchors.bottomMargin: -step * 1.5
        radius: baseRadius + step
        color: "transparent"
        border.width: 1
        border.color: Qt.rgba(Theme.shadow.r, Theme.shadow.g, Theme.shadow.b, Theme.shadow.a * strength)
    }
}
