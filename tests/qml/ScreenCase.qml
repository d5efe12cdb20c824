import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// A test case over the main menu, phone-sized unless the run names another size; every test
// starts back at the menu.
TestCase {
    width: probe.screenSize.width
    height: probe.screenSize.height
    visible: true
    // The menu makes the activities below the fold after its first frame.
    when: windowShown && menuPage.everythingMade

    readonly property alias stack: stack

    Navigation {
        id: stack
        anchors.fill: parent
        menu: MainMenuPage {
            id: menuPage
        }
    }

    function cleanup() {
        stack.pop(null, StackView.Immediate)
        tryCompare(stack, "busy", false)
        probe.setVoices(["it-IT", "en-GB"])
    }

    // Opens the named screen (with the verb, for a verb table) from the menu.
    function open(screen, verb) {
        const page = stack.get(0).openScreen(screen, verb ?? null)
        tryCompare(stack, "busy", false)
        return page
    }

    // Every item under root that accept takes, depth first.
    function itemsUnder(root, accept) {
        const found = []
        for (let i = 0; i < root.children.length; ++i) {
            if (accept(root.children[i]))
                found.push(root.children[i])
            found.push(...itemsUnder(root.children[i], accept))
        }
        return found
    }

    // The QML types whose buttons are keys of an on-screen keyboard, held to the smaller size.
    property var keyboards: ["GapFillKeyboard"]

    // Every control under root (the screen on show by default) a finger taps is at least 48 x 48
    // px (a keyboard's key 32 x 44) and within reach, scrolled or not. (tst_looks checks texts.)
    function checkLayout(root) {
        const faults = probe.layoutFaults(root ?? stack.currentItem, Qt.size(48, 48), Qt.size(32, 44), keyboards)
        verify(faults.length === 0, width + "x" + height + ": " + faults.join("; "))
    }

    // Opens the named game and starts it at the level ("levelEasy", ...) picked on its sheet.
    function startGame(screen, level) {
        const page = open(screen)
        mouseClick(findChild(page.sheet, level))
        verify(page.game.inPlay)
        tryCompare(page.sheet, "visible", false)
        return page
    }
}
