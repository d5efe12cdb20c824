import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The set-up sheet and the card match game, played through the screen.
TestCase {
    id: testCase
    name: "VerbMatchView"
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
        tryCompare(stack, "busy", false)
    }

    function openGame(name) {
        const page = (stack.get(0) as MainMenuPage).openScreen(name, null)
        tryCompare(stack, "busy", false)
        return page
    }

    // Turns the wheel row by row, tapping a visible row each time, until the named set is chosen.
    function pickSet(page, name) {
        const picker = findChild(page.sheet, "verbSetPicker")
        const names = picker.model.map(row => row.name)
        const target = names.indexOf(name)
        verify(target >= 0, name + " is offered")
        while (picker.currentIndex !== target) {
            const step = Math.max(-2, Math.min(2, target - picker.currentIndex))
            const row = findChild(picker, "verbSet:" + names[picker.currentIndex + step])
            verify(row, "row " + (picker.currentIndex + step) + " is drawn")
            mouseClick(row)
            tryCompare(picker, "moving", false)
            wait(350)
        }
        return picker
    }

    function cardItem(page, card) {
        return findChild(page, "card" + card.index)
    }

    function colourOf(item) {
        return item.background.color
    }

    function test_symbolsOfTheSets_data() {
        return [
            {tag: "all", set: "All Verbs", symbol: "list.clipboard.fill"},
            {tag: "holiday verbs", set: "Holiday Verbs", symbol: "sun.haze"},
            {tag: "holiday", set: "Holiday", symbol: "sun.haze"},
            {tag: "travel", set: "Travel", symbol: "car.fill"},
            {tag: "communication", set: "Communication", symbol: "rectangle.3.group.bubble.left.fill"},
            {tag: "learnt", set: "Learnt Verbs", symbol: "brain.head.profile"},
            {tag: "unknown", set: "Top 100", symbol: "list.clipboard.fill"},
            {tag: "other case", set: "all verbs", symbol: "list.clipboard.fill"},
        ]
    }

    function test_symbolsOfTheSets(data) {
        compare(sheetModel.verbSetSymbol(data.set), data.symbol)
    }

    GameSheetModel {
        id: sheetModel
    }

    // A stored set that is no longer offered reads back as "All Verbs", and the wheel shows it.
    function test_aSetNoLongerOfferedShowsAllVerbs() {
        const page = openGame("match")
        page.game.verbSet = "Learnt Verbs"
        compare(page.game.verbSet, "All Verbs")
        stack.pop(null, StackView.Immediate)
        const next = openGame("conjugation")
        const picker = findChild(next.sheet, "verbSetPicker")
        compare(picker.model[picker.currentIndex].name, "All Verbs")
        compare(picker.model[picker.currentIndex].symbol, "list.clipboard.fill")
    }

    function test_entriesOpenTheirGamesWithTheSheet_data() {
        return [
            {tag: "match", index: 1, screen: "verbMatch", title: "Infinitive Quiz"},
            {tag: "conjugation", index: 2, screen: "conjugationQuiz", title: "Conjugation Quiz"},
            {tag: "snap", index: 3, screen: "snapGame", title: "Snap"},
            {tag: "gapfill", index: 4, screen: "gapFill", title: "Gapfill"},
        ]
    }

    function test_entriesOpenTheirGamesWithTheSheet(data) {
        const menu = stack.get(0)
        const entry = findChild(menu, "menuEntry" + data.index)
        const flick = findChild(menu, "menuFlick")
        flick.contentY = Math.min(entry.mapToItem(flick.contentItem, 0, 0).y, flick.contentHeight - flick.height)
        mouseClick(entry)
        tryCompare(stack, "busy", false)
        const page = stack.currentItem
        compare(page.objectName, data.screen)
        compare(page.game.inPlay, false)
        verify(page.sheet.showing)
        compare(page.sheet.y, 0)
        compare(findChild(page.sheet, "sheetTitle").text, data.title)
        compare(findChild(page.sheet, "sheetSymbol").symbol, "building.columns.fill")
        compare(findChild(page.sheet, "sheetMessage").text, page.game.message)
        verify(Qt.colorEqual(findChild(page.sheet, "sheetBanner").color, Theme.readableFill("#0984e3", "white")))
        const levels = ["Easy", "Medium", "Hard"].map(name => findChild(page.sheet, "level" + name))
        verify(Qt.colorEqual(levels[0].background.color, Theme.readableFill("#2ecc71", "white")))
        verify(Qt.colorEqual(levels[1].background.color, "#f1c40f"))
        verify(Qt.colorEqual(levels[1].contentItem.color, "black"))
        verify(Qt.colorEqual(levels[2].background.color, Theme.readableFill("#e74c3c", "white")))
        verify(Qt.colorEqual(levels[2].contentItem.color, "white"))
        // The three level buttons share their row equally.
        compare(levels[0].width, levels[2].width)
    }

    // The learner picks a set and "Hard"; 24 cards fill the screen; one pair is matched and one
    // wrong pair is tried; the scores land in the store; the set is remembered for the next game.
    function test_pickASetAndHardThenMatchAndMismatch() {
        const page = openGame("match")
        const game = page.game
        pickSet(page, "Top 100")
        compare(game.verbSet, "Top 100")
        compare(probe.storedText("LastSelectedVerbSet"), "Top 100")

        mouseClick(findChild(page.sheet, "levelHard"))
        compare(game.difficultyLevel, LearningGameDifficultyLevel.LearningGameDifficultyLevel.hard)
        verify(game.inPlay)
        compare(game.verbButtons.length, 24)
        tryCompare(page.sheet, "visible", false)

        // Twelve pairs over ceil(sqrt(12)) = 4 columns: rows of three cards, eight rows.
        const board = findChild(page, "board")
        for (const card of game.verbButtons) {
            const item = cardItem(page, card)
            verify(item && item.visible, card.word + " is drawn")
            fuzzyCompare(item.width, board.width / 3, 0.5)
            fuzzyCompare(item.height, board.height / 8, 0.5)
            verify(Qt.colorEqual(colourOf(item), Theme.readableFill("#0984e3", "white")))
        }

        // A pair: both cards turn green and the verb scores a point.
        const first = game.verbButtons[0]
        const partner = game.verbButtons.find(card => card !== first && card.tag === first.tag)
        mouseClick(cardItem(page, first))
        verify(first.isHighlighted)
        tryVerify(() => Qt.colorEqual(colourOf(cardItem(page, first)), "#8e44ad"))
        compare(cardItem(page, first).background.border.width, 3)
        mouseClick(cardItem(page, partner))
        verify(first.isCorrect && partner.isCorrect)
        tryVerify(() => Qt.colorEqual(colourOf(cardItem(page, first)), Theme.readableFill("#27ae60", "white")))
        tryVerify(() => Qt.colorEqual(colourOf(cardItem(page, partner)), Theme.readableFill("#27ae60", "white")))
        compare(probe.stored("progressDictionary", first.verb.key), 1)

        // A wrong pair: both turn red and both verbs lose a point, then turn blue again.
        const rest = game.verbButtons.filter(card => !card.isCorrect)
        const a = rest[0]
        const b = rest.find(card => card.tag !== a.tag)
        mouseClick(cardItem(page, a))
        mouseClick(cardItem(page, b))
        verify(a.isWrong && b.isWrong)
        tryVerify(() => Qt.colorEqual(colourOf(cardItem(page, a)), Theme.readableFill("#e74c3c", "white")))
        tryVerify(() => Qt.colorEqual(colourOf(cardItem(page, b)), Theme.readableFill("#e74c3c", "white")))
        compare(probe.stored("progressDictionary", a.verb.key), -1)
        compare(probe.stored("progressDictionary", b.verb.key), -1)
        probe.advance(1000)
        verify(!a.isWrong && !b.isWrong)
        tryVerify(() => Qt.colorEqual(colourOf(cardItem(page, a)), Theme.readableFill("#0984e3", "white")))

        // Every tap spoke its word.
        const said = probe.said()
        for (const card of [first, partner, a, b])
            verify(said.includes(card.word), card.word + " was spoken")

        // The next game starts on the remembered set.
        stack.pop(null, StackView.Immediate)
        const next = openGame("match")
        compare(next.game.verbSet, "Top 100")
        const picker = findChild(next.sheet, "verbSetPicker")
        compare(picker.model[picker.currentIndex].name, "Top 100")
        compare(picker.model[picker.currentIndex].symbol, "list.clipboard.fill")
    }

    function test_timeBarAtHalfTheAllowance() {
        const page = openGame("match")
        mouseClick(findChild(page.sheet, "levelEasy"))
        const bar = findChild(page, "timeBar")
        const fill = findChild(bar, "timeBarFill")
        const track = findChild(bar, "timeBarTrack")
        compare(fill.width, 0)
        // The allowance is 1/0.000675 ticks of 25 ms.
        probe.advance(Math.round(25 / 0.000675 / 2))
        verify(Math.abs(fill.width - track.width / 2) <= 1, fill.width + " of " + track.width)
        // Running out of time brings the sheet back with its message.
        probe.advance(Math.round(25 / 0.000675 / 2) + 100)
        verify(!page.game.inPlay)
        tryCompare(page.sheet, "y", 0)
        compare(findChild(page.sheet, "sheetMessage").text, "Sorry, out of time! Better luck next time...")
    }
}
