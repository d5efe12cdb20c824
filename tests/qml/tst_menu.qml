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

    // Each entry with its name, and the screen it opens; a game opens under its set-up
    // sheet. Only the dictionary's description is worked out (from the verb count).
    function test_entriesOpenTheirScreens_data() {
        return [["dictionary", "Verb Dictionary", "verbDictionary"],
                ["match", "Infinitive Quiz", "verbMatch", "Infinitive Quiz"],
                ["conjugation", "Conjugation Quiz", "conjugationQuiz", "Conjugation Quiz"],
                ["snap", "Snap Game", "snapGame", "Snap"], ["gapfill", "Gapfill", "gapFill", "Gapfill"],
                ["quizzes", "Quizzes", "quizMenu"], ["progress", "Performance", "progressViewer"]]
            .map(([tag, title, screen, sheet], index) => ({tag, index, title, screen, sheet,
                description: index === 0 ? "Browse and revise 22 essential Italian verbs" : undefined}))
    }

    function test_entriesOpenTheirScreens(data) {
        const list = findChild(stack.get(0), "menuEntries"), entry = findChild(list, "menuEntry" + data.index)
        compare([entry.Accessible.name, entry.Accessible.description],
                [data.title, data.description ?? entry.modelData.description])
        verify(entry.Accessible.description.length > 0)
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
        const links = () => itemsUnder(findChild(page, "creditsColumn"), item => item.objectName === "creditLink")
            .map(link => link.modelData.label)
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
        compare([stack.currentItem.objectName, stack.currentItem.verb], ["verbTable", menu.randomVerb])
    }
}
