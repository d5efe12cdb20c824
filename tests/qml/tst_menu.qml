import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

TestCase {
    id: testCase
    name: "MainMenu"
    width: 390
    height: 844
    visible: true
    when: windowShown

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: MainMenuPage {}
    }

    function menuPage() {
        return stack.get(0)
    }

    // Scrolls the menu so that the item is on screen.
    function reveal(item) {
        const flick = findChild(menuPage(), "menuFlick")
        const top = item.mapToItem(flick.contentItem, 0, 0).y
        flick.contentY = Math.max(0, Math.min(top - 20, flick.contentHeight - flick.height))
        return item
    }

    function cleanup() {
        stack.pop(null, StackView.Immediate)
        tryCompare(stack, "busy", false)
    }

    function test_entriesWithTheirTexts_data() {
        return [
            {tag: "dictionary", index: 0, title: "Verb Dictionary",
             description: "Browse and revise 22 essential Italian verbs", colour: "#e74c3c", text: "#ecf0f1"},
            {tag: "match", index: 1, title: "Infinitive Quiz",
             description: "Test yourself on the basic meaning of Italian verbs", colour: "#27ae60", text: "#ecf0f1"},
            {tag: "conjugation", index: 2, title: "Conjugation Quiz",
             description: "Drill indiviual verb conjugations", colour: "#27ae60", text: "#ecf0f1"},
            {tag: "snap", index: 3, title: "Snap Game",
             description: "Check your understanding of Italian conjugation with this true/false snap game",
             colour: "#27ae60", text: "#ecf0f1"},
            {tag: "gapfill", index: 4, title: "Gapfill",
             description: "Master the spelling of conjugated Italian verbs letter by letter",
             colour: "#27ae60", text: "#ecf0f1"},
            {tag: "quizzes", index: 5, title: "Quizzes",
             description: "Get to the heart of grammatical matters with these Italian verb pop quizzes",
             colour: "#e74c3c", text: "#ecf0f1"},
            {tag: "progress", index: 6, title: "Performance",
             description: "Which Italian verbs have you found trickiest? Which are you acing? Check here.",
             colour: "#ecf0f1", text: "#2c3e50"},
        ]
    }

    function test_entriesWithTheirTexts(data) {
        const list = findChild(menuPage(), "menuEntries")
        compare(list.count, 8)
        const entry = findChild(list, "menuEntry" + data.index)
        verify(entry, "entry " + data.index + " is drawn")
        compare(entry.Accessible.name, data.title)
        compare(entry.Accessible.description, data.description)
        verify(Qt.colorEqual(entry.modelData.colour, data.colour))
        verify(Qt.colorEqual(entry.background.color, Theme.readableFill(data.colour, data.text)))
        verify(Qt.colorEqual(entry.modelData.textColour, data.text))
    }

    function test_entriesOpenTheirScreens_data() {
        return [
            {tag: "dictionary", index: 0, screen: "verbDictionary", title: "Verb Dictionary"},
            {tag: "match", index: 1, screen: "", title: "Infinitive Quiz"},
            {tag: "quizzes", index: 5, screen: "quizMenu", title: "Quizzes"},
            {tag: "progress", index: 6, screen: "progressViewer", title: "Performance"},
        ]
    }

    function test_entriesOpenTheirScreens(data) {
        const list = findChild(menuPage(), "menuEntries")
        const entry = reveal(findChild(list, "menuEntry" + data.index))
        mouseClick(entry)
        tryCompare(stack, "busy", false)
        compare(stack.depth, 2)
        if (data.screen.length > 0)
            compare(stack.currentItem.objectName, data.screen)
        // A game's title stands on its set-up sheet's banner.
        compare(stack.currentItem.screenTitle || findChild(stack.currentItem, "sheetTitle").text, data.title)
        mouseClick(findChild(stack.currentItem, "backButton"))
        tryCompare(stack, "depth", 1)
        tryCompare(stack, "busy", false)
    }

    SignalSpy {
        id: picks
        signalName: "randomVerbChanged"
    }

    function test_returningToTheMenuPicksANewRandomVerb() {
        const menu = menuPage().menu
        picks.target = menu
        picks.clear()
        const seen = [menu.randomVerb.key]
        for (let i = 0; i < 6; ++i) {
            menuPage().openScreen("info", null)
            tryCompare(stack, "busy", false)
            mouseClick(findChild(stack.currentItem, "backButton"))
            tryCompare(stack, "busy", false)
            seen.push(menu.randomVerb.key)
        }
        // One pick per return; the seeded picks give new verbs (a repeat is allowed).
        compare(picks.count, 6)
        verify(new Set(seen).size >= 4, seen.join(", "))
        compare(findChild(menuPage(), "randomVerbLink").Accessible.name, menu.randomVerb.displayInfinitive)
    }

    function test_randomVerbOpensItsTable() {
        const menu = menuPage().menu
        const verb = menu.randomVerb
        mouseClick(reveal(findChild(menuPage(), "randomVerbLink")))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem.objectName, "verbTable")
        compare(stack.currentItem.verb, verb)
    }

    function test_cogOpensTheSettings() {
        mouseClick(reveal(findChild(menuPage(), "settingsButton")))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem.screenTitle, "App Settings")
    }

    function test_infoOpensTheCredits() {
        mouseClick(reveal(findChild(menuPage(), "infoButton")))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem.screenTitle, "Credits and Attribution")
    }
}
