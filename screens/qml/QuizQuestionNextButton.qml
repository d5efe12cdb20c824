import QtQuick
import QtQuick.Controls.Basic
import Flexio

// Moves on to the next question; pulses gently while it waits.
AbstractButton {
    id: button

    implicitWidth: 64
    implicitHeight: 64
    Accessible.name: qsTr("Next question")
    Accessible.role: Accessible.Button

    FocusRing {
        shown: button.visualFocus
        radius: width / 2
    }
    contentItem: SymbolIcon {
        symbol: "arrow.forward.circle"
        size: 56
        color: Theme.green
    }

    SequentialAnimation on scale {
        running: button.visible
        loops: Animation.Infinite
        NumberAnimation {
            from: 1
            to: 1.12
            duration: 700
        }
        NumberAnimation {
            from: 1.12
            to: 1
            duration: 700
        }
    }
}
