import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// Every control a learner can tap carries a name a screen reader can say.
TestCase {
    id: testCase
    name: "Accessibility"
    width: 390
    height: 844
    visible: true
    when: windowShown

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: MainMenuPage {}
    }

    function cleanup() {
        stack.pop(null, StackView.Immediate)
    }

    // Buttons of every kind (AbstractButton, ToolButton, ItemDelegate, MenuItem, ...); instanceof
    // does not see through the styled control types.
    function isButton(node) {
        return node.autoRepeat !== undefined && node.checkable !== undefined && typeof node.clicked === "function"
    }

    // The visible controls under item that have no accessible name, as "objectName/text".
    function unnamedControls(item) {
        const missing = []
        const visit = node => {
            if (!node.visible)
                return
            if (isButton(node) && (node.Accessible.name ?? "").length === 0)
                missing.push((node.objectName || "?") + "/" + (node.text || ""))
            if (node instanceof TextField && (node.Accessible.name ?? "").length === 0)
                missing.push(node.objectName || "text field")
            for (let i = 0; i < node.children.length; ++i)
                visit(node.children[i])
        }
        visit(item)
        return missing
    }

    function test_everyControlIsNamed_data() {
        return [
            {tag: "menu", screen: ""},
            {tag: "dictionary", screen: "dictionary"},
            {tag: "verb table", screen: "table"},
            {tag: "progress", screen: "progress"},
            {tag: "settings", screen: "settings"},
            {tag: "credits", screen: "info"},
        ]
    }

    function test_everyControlIsNamed(data) {
        ProgressManager.addPoints("parlare", 1)
        const menu = stack.get(0)
        let controls = 0
        if (data.screen.length > 0) {
            menu.openScreen(data.screen, VerbDictionary.verbs[0])
            tryCompare(stack, "busy", false)
        }
        const screen = stack.currentItem
        const count = node => {
            if (isButton(node))
                ++controls
            for (let i = 0; i < node.children.length; ++i)
                count(node.children[i])
        }
        count(screen)
        verify(controls > 0)
        compare(unnamedControls(screen), [])
    }
}
