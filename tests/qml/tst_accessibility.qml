import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// Every control a learner can tap carries a name a screen reader can say.
ScreenCase {
    name: "Accessibility"

    // Buttons of every kind (AbstractButton, ToolButton, ItemDelegate, MenuItem, ...); instanceof
    // does not see through the styled control types.
    function isButton(node) {
        return node.autoRepeat !== undefined && node.checkable !== undefined && typeof node.clicked === "function"
    }

    function test_everyControlIsNamed_data() {
        return ["", "dictionary", "table", "progress", "settings", "info"].map(screen => ({tag: screen || "menu", screen}))
    }

    function test_everyControlIsNamed(data) {
        ProgressManager.addPoints("parlare", 1)
        if (data.screen.length > 0)
            open(data.screen, VerbDictionary.verbs[0])
        let controls = 0
        const missing = []
        const visit = node => {
            if (!node.visible)
                return
            const unnamed = (node.Accessible.name ?? "").length === 0
            if (isButton(node) && ++controls && unnamed)
                missing.push((node.objectName || "?") + "/" + (node.text || ""))
            if (node instanceof TextField && unnamed)
                missing.push(node.objectName || "text field")
            for (let i = 0; i < node.children.length; ++i)
                visit(node.children[i])
        }
        visit(stack.currentItem)
        verify(controls > 0)
        compare(missing, [])
    }
}
