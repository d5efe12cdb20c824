import QtQuick
import Flexio

// A time bar: a track with a bar that grows from the leading edge to fraction of its width.
Item {
    id: bar

    property real fraction: 0
    property color barColour: Theme.red
    property color trackColour: "transparent"
    property color outlineColour: "transparent"
    property real outlineWidth: 0
    property real radius: 0

    implicitHeight: 40
    Accessible.role: Accessible.ProgressBar
    Accessible.name: qsTr("Time")

    Rectangle {
        id: track
        objectName: "timeBarTrack"
        anchors.fill: parent
        radius: bar.radius
        color: bar.trackColour
    }
    Rectangle {
        id: fill
        objectName: "timeBarFill"
        x: LayoutMirroring.enabled ? track.width - width : 0
        height: parent.height
        width: track.width * Math.max(0, Math.min(1, bar.fraction))
        radius: Math.min(bar.radius, width / 2)
        color: bar.barColour
    }
    Rectangle {
        anchors.fill: parent
        radius: bar.radius
        color: "transparent"
        border.color: bar.outlineColour
        border.width: bar.outlineWidth
        visible: bar.outlineWidth > 0
    }
}
