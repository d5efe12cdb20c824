import QtQuick
import QtQuick.Templates as T
import Flexio

// The navigation stack, with the main menu at its root. The window makes it once the menu is on
// screen, and it takes the menu in: the menu's first frame waits for no controls module.
T.StackView {
    id: stack
    objectName: "navigationStack"

    required property MainMenuPage menu
    // Whether the menu has been left since it was last shown.
    property bool menuLeft: false

    initialItem: menu
    focus: true
    Component.onCompleted: menu.navigator = stack
    // Back on the menu, it shows a new random verb and what is due now.
    onCurrentItemChanged: {
        if (currentItem !== menu)
            menuLeft = true;
        else if (menuLeft) {
            menuLeft = false;
            menu.refresh();
        }
    }

    // A page slides in from the side it is read from, and back out the same way.
    pushEnter: Transition {
        XAnimator { from: (stack.mirrored ? -1 : 1) * stack.width; to: 0; duration: 400; easing.type: Easing.OutCubic }
    }
    pushExit: Transition {
        XAnimator { from: 0; to: (stack.mirrored ? -1 : 1) * -stack.width; duration: 400; easing.type: Easing.OutCubic }
    }
    popEnter: Transition {
        XAnimator { from: (stack.mirrored ? -1 : 1) * -stack.width; to: 0; duration: 400; easing.type: Easing.OutCubic }
    }
    popExit: Transition {
        XAnimator { from: 0; to: (stack.mirrored ? -1 : 1) * stack.width; duration: 400; easing.type: Easing.OutCubic }
    }
    replaceEnter: Transition {
        XAnimator { from: (stack.mirrored ? -1 : 1) * stack.width; to: 0; duration: 400; easing.type: Easing.OutCubic }
    }
    replaceExit: Transition {
        XAnimator { from: 0; to: (stack.mirrored ? -1 : 1) * -stack.width; duration: 400; easing.type: Easing.OutCubic }
    }

    Shortcut {
        sequences: ["Esc", "Back"]
        enabled: stack.depth > 1
        onActivated: stack.pop()
    }
}
