import QtQuick
import QtQuick.Controls.Basic
import Flexio

// The navigation stack, with the main menu at its root. The window makes it once the menu is on
// screen, and it takes the menu in: the menu's first frame waits for no controls module. Making
// it loads the Basic style the other screens are drawn with.
StackView {
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

    Shortcut {
        sequences: ["Esc", "Back"]
        enabled: stack.depth > 1
        onActivated: stack.pop()
    }
}
