import QtQuick
import Flexio

// A button of the main menu, made of Qt Quick items alone: the menu is the first frame, and
// loading the Templates module the other screens' controls come from takes longer than drawing
// the whole menu. A tap, or Space on the focused button, presses it; a tap gives it the focus
// without showing its ring, as for the other screens' buttons.
Item {
    id: button

    signal clicked

    readonly property bool down: pointer.pressed
    // Whether the focus came from the keyboard, when its ring shows.
    readonly property bool visualFocus: activeFocus && !focusFromPointer
    property bool focusFromPointer: false

    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.focusable: true
    Accessible.onPressAction: button.clicked()
    onActiveFocusChanged: {
        if (!activeFocus)
            focusFromPointer = false;
    }

    Keys.onPressed: event => {
        if (event.key === Qt.Key_Space)
            event.accepted = true;
    }
    Keys.onReleased: event => {
        if (event.key !== Qt.Key_Space || event.isAutoRepeat)
            return;
        event.accepted = true;
        button.clicked();
    }

    MouseArea {
        id: pointer
        anchors.fill: parent
        onPressed: {
            button.focusFromPointer = true;
            button.forceActiveFocus(Qt.MouseFocusReason);
        }
        onClicked: button.clicked()
    }
}
