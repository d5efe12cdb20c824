import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// Every screen at phone, tablet and landscape size: its texts read against their backgrounds in
// both appearances, and the keyboard alone reaches every row and named control.
TestCase {
    id: testCase
    name: "Looks"
    width: 1024
    height: 1366
    visible: true
    // The menu makes the activities below the fold after its first frame.
    when: windowShown && menuPage.everythingMade

    Navigation {
        id: stack
        width: 390
        height: 844
        focus: true
        menu: MainMenuPage {
            id: menuPage
        }
    }

    function cleanup() {
        stack.pop(null, StackView.Immediate)
        Theme.appearance = Theme.Appearance.followSystem
    }

    readonly property var screens: ["", "dictionary", "table", "progress", "settings", "info", "quizzes", "snap"]

    function open(screen, size) {
        ProgressManager.addPoints("parlare", 1)
        stack.width = size[0]
        stack.height = size[1]
        if (screen.length > 0)
            stack.get(0).openScreen(screen, VerbDictionary.verbs[0])
        tryCompare(stack, "busy", false)
        wait(50)
        return stack.currentItem
    }

    // Buttons of every kind; instanceof does not see through the styled control types.
    function isButton(node) {
        return node.autoRepeat !== undefined && node.checkable !== undefined && typeof node.clicked === "function"
    }

    function visit(node, work) {
        if (!node.visible)
            return
        work(node)
        for (let i = 0; i < node.children.length; ++i) visit(node.children[i], work)
    }

    // The colour behind a text: the filled rectangles and control backgrounds it sits in, each
    // laid over the ones further out, over the page.
    function backgroundOf(node) {
        const layers = []
        for (let p = node.parent; p; p = p.parent) {
            const fill = p instanceof Rectangle ? p : (p.background instanceof Rectangle ? p.background : null)
            if (fill && fill.visible && fill.color.a > 0) {
                layers.push(fill)
                if (fill.color.a * fill.opacity >= 1)
                    break
            }
        }
        let colour = Theme.background
        for (let i = layers.length - 1; i >= 0; --i)
            colour = Theme.over(layers[i].color, colour, layers[i].opacity)
        return colour
    }

    function test_textContrast_data() {
        return [].concat(...screens.concat(["sheet:match", "play:snap", "play:match", "play:conjugation"]).map(screen =>
            [["light", Theme.Appearance.alwaysLight], ["dark", Theme.Appearance.alwaysDark]].map(([name, appearance]) =>
                ({tag: (screen || "menu") + " " + name, screen, appearance}))))
    }

    function test_textContrast(data) {
        Theme.appearance = data.appearance
        const name = data.screen.replace(/^(sheet|play):/, "")
        const page = open(name, [390, 844])
        if (data.screen.startsWith("play:")) {
            page.game.difficultyLevel = LearningGameDifficultyLevel.LearningGameDifficultyLevel.medium
            page.game.startGame()
            probe.advance(600)
            wait(300)
        }
        const failing = []
        let texts = 0
        visit(page, node => {
            if (!(node instanceof Text) || node.text.length === 0 || node.font.family === Symbols.fontFamily)
                return
            ++texts
            const large = node.font.pixelSize >= 24 || node.font.pixelSize >= 18.66 && node.font.weight >= Font.DemiBold
            const ratio = Theme.contrast(node.color, backgroundOf(node))
            if (ratio < (large ? 3 : 4.5) || node.font.pixelSize < 13)
                failing.push(node.text.slice(0, 24) + " " + ratio.toFixed(2) + ":1 " + node.font.pixelSize + "px")
        })
        verify(texts > 0)
        compare(failing, [])
    }

    function test_keyboardReachesEverything_data() {
        return [].concat(...[[390, 844], [1024, 1366], [844, 390]].map(size =>
            screens.map(screen => ({tag: (screen || "menu") + " " + size.join("x"), screen, size}))))
    }

    // Tab walks the controls and stops once on each list, whose rows the arrow keys walk.
    function test_keyboardReachesEverything(data) {
        const page = open(data.screen, data.size)
        page.forceActiveFocus()
        const reached = new Set(), walkedLists = new Set()
        // Enough presses to pass every table of a verb.
        for (let press = 0; press < 200; ++press) {
            keyClick(Qt.Key_Tab)
            let list = stack.Window.activeFocusItem
            reached.add(list)
            while (list && !(list instanceof ListView))
                list = list.parent
            if (!list || walkedLists.has(list))
                continue
            walkedLists.add(list)
            for (let row = 0; row < list.count; ++row) keyClick(Qt.Key_Up)
            compare(list.currentIndex, 0)
            for (let row = 1; row < list.count; ++row) keyClick(Qt.Key_Down)
            compare(list.currentIndex, list.count - 1)
        }
        // Every control also carries a name a screen reader can say.
        const missed = []
        visit(page, node => {
            if (!(isButton(node) || node instanceof TextField))
                return
            if ((node.Accessible.name ?? "").length === 0)
                missed.push("unnamed " + (node.objectName || node.text || "?"))
            if (!node.enabled || node.objectName === "clearSearch")
                return
            let p = node
            while (p && !reached.has(p) && !walkedLists.has(p)) p = p.parent
            if (!p)
                missed.push(node.objectName || node.Accessible.name)
        })
        compare(missed, [])
    }

    // Enter opens what holds the focus and Escape comes back.
    function test_enterOpensAndEscapeReturns_data() {
        return [{tag: "menu entry", screen: "", target: "menuEntry0"},
                {tag: "verb row", screen: "progress", target: "progressRow0"}]
    }

    function test_enterOpensAndEscapeReturns(data) {
        const page = open(data.screen, [390, 844])
        page.forceActiveFocus()
        for (let press = 0; press < 40 && stack.Window.activeFocusItem.objectName !== data.target; ++press)
            keyClick(Qt.Key_Tab)
        compare(stack.Window.activeFocusItem.objectName, data.target)
        // Its ring, made only while it shows, is drawn.
        const ring = findChild(stack.Window.activeFocusItem, "focusRing")
        verify(ring.item && ring.item.visible && ring.item.width > 0)
        const depth = stack.depth
        keyClick(Qt.Key_Return)
        tryCompare(stack, "depth", depth + 1)
        tryCompare(stack, "busy", false)
        keyClick(Qt.Key_Escape)
        tryCompare(stack, "depth", depth)
    }
}
