import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

ScreenCase {
    id: testCase
    name: "MainMenu"

    // Scrolls the menu so that the item is on screen.
    function reveal(item) {
        const flick = findChild(stack.get(0), "menuFlick")
        const top = item.mapToItem(flick.contentItem, 0, 0).y
        flick.contentY = Math.max(0, Math.min(top - 20, flick.contentHeight - flick.height))
        return item
    }

    // Each entry with its name and colours, and the screen it opens; a game opens under its set-up
    // sheet. Only the dictionary's description is worked out (from the verb count).
    function test_entriesOpenTheirScreens_data() {
        return [
            {tag: "dictionary", index: 0, title: "Verb Dictionary", screen: "verbDictionary", colour: "#e74c3c",
             description: "Browse and revise 22 essential Italian verbs"},
            {tag: "match", index: 1, title: "Infinitive Quiz", screen: "verbMatch", sheet: "Infinitive Quiz"},
            {tag: "conjugation", index: 2, title: "Conjugation Quiz", screen: "conjugationQuiz",
             sheet: "Conjugation Quiz"},
            {tag: "snap", index: 3, title: "Snap Game", screen: "snapGame", sheet: "Snap"},
            {tag: "gapfill", index: 4, title: "Gapfill", screen: "gapFill", sheet: "Gapfill"},
            {tag: "quizzes", index: 5, title: "Quizzes", screen: "quizMenu", colour: "#e74c3c"},
            {tag: "progress", index: 6, title: "Performance", screen: "progressViewer", colour: "#ecf0f1",
             text: "#2c3e50"},
        ]
    }

    function test_entriesOpenTheirScreens(data) {
        const list = findChild(stack.get(0), "menuEntries")
        compare(list.count, 8)
        const entry = findChild(list, "menuEntry" + data.index)
        compare([entry.Accessible.name, entry.Accessible.description],
                [data.title, data.description ?? entry.modelData.description])
        verify(entry.Accessible.description.length > 0)
        verify(Qt.colorEqual(entry.modelData.colour, data.colour ?? "#27ae60"))
        verify(Qt.colorEqual(entry.modelData.textColour, data.text ?? "#ecf0f1"))
        // Drawn darker where the text would not read on the entry's own colour.
        verify(Qt.colorEqual(entry.background.color, Theme.readableFill(entry.modelData.colour, entry.modelData.textColour)))
        mouseClick(reveal(entry))
        tryCompare(stack, "busy", false)
        const page = stack.currentItem
        // A game's title stands on its set-up sheet's banner.
        compare([stack.depth, page.objectName, data.sheet ? findChild(page.sheet, "sheetTitle").text : page.screenTitle],
                [2, data.screen, data.sheet ?? data.title])
        if (data.sheet) {
            compare([page.game.inPlay, page.sheet.showing, page.sheet.y], [false, true, 0])
            compare(findChild(page.sheet, "sheetMessage").text, page.game.message)
        }
        mouseClick(findChild(page, "backButton"))
        tryCompare(stack, "depth", 1)
    }

    // Which addresses make links is tested beside the model; here, that the screen draws what it offers.
    function test_creditsDrawTheirLinks() {
        // The cog is tapped in the settings tests.
        mouseClick(reveal(findChild(stack.get(0), "infoButton")))
        tryCompare(stack, "busy", false)
        const page = stack.currentItem
        compare(page.screenTitle, "Credits and Attribution")
        const links = () => {
            const found = []
            const visit = item => {
                for (let i = 0; i < item.children.length; ++i) {
                    if (item.children[i].objectName === "creditLink")
                        found.push(item.children[i].modelData.label)
                    visit(item.children[i])
                }
            }
            visit(findChild(page, "creditsColumn"))
            return found
        }
        const model = page.model
        compare(model.sections.map(section => section.heading).slice(0, 2),
                ["Concept, Design and Programming", "Addition Icons and Imagery"])
        for (const address of [model.makerAddress, model.iconSourceAddress, model.imagerySourceAddress])
            verify(links().includes(address), address)
        // An address that does not parse is left out of the drawn links.
        const before = links().length
        model.iconSourceAddress = "https://exa mple.com"
        compare(links().length, before - 1)
        verify(links().includes(model.imagerySourceAddress))
    }

    // Every control a learner can tap carries a name a screen reader can say.
    // Buttons of every kind (AbstractButton, ToolButton, ItemDelegate, MenuItem, ...); instanceof
    // does not see through the styled control types.
    function isButton(node) {
        return node.autoRepeat !== undefined && node.checkable !== undefined && typeof node.clicked === "function"
    }

    function test_everyControlIsNamed_data() {
        return ["", "dictionary", "table", "progress", "settings", "info"]
            .map(screen => ({tag: screen || "menu", screen}))
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

    SignalSpy {
        id: picks
        signalName: "randomVerbChanged"
    }

    function test_returningToTheMenuPicksANewRandomVerb() {
        const menu = stack.get(0).menu
        picks.target = menu
        picks.clear()
        const seen = [menu.randomVerb.key]
        for (let i = 0; i < 6; ++i) {
            open("info")
            mouseClick(findChild(stack.currentItem, "backButton"))
            tryCompare(stack, "busy", false)
            seen.push(menu.randomVerb.key)
        }
        // One pick per return; the seeded picks give new verbs (a repeat is allowed).
        compare(picks.count, 6)
        verify(new Set(seen).size >= 4, seen.join(", "))
        const link = findChild(stack.get(0), "randomVerbLink")
        compare(link.Accessible.name, menu.randomVerb.displayInfinitive)
        mouseClick(reveal(link))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem.objectName, "verbTable")
        compare(stack.currentItem.verb, menu.randomVerb)
    }
}
