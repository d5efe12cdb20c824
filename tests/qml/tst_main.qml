import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The whole window: its navigation stack and the keys that go back.
TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown

    Component {
        id: mainComponent
        Main {}
    }

    function test_escapeGoesBack() {
        const window = createTemporaryObject(mainComponent, testCase)
        verify(window)
        compare(window.width, 390)
        compare(window.height, 844)
        compare(window.title, "Italian Flexio")
        window.requestActivate()
        tryCompare(window, "active", true)
        const stack = findChild(window.contentItem, "navigationStack")
        const menu = stack.get(0)
        menu.openScreen("dictionary", null)
        tryCompare(stack, "busy", false)
        compare(stack.depth, 2)
        keyClick(Qt.Key_Escape)
        tryCompare(stack, "depth", 1)
        tryCompare(stack, "busy", false)
        // At the root there is nothing to go back to.
        keyClick(Qt.Key_Escape)
        compare(stack.depth, 1)
    }
}
