import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The set-up sheet and the card match game, played through the screen.
ScreenCase {
    id: matchCase
    name: "VerbMatchView"

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
    }

    function shownSet(page) {
        const picker = findChild(page.sheet, "verbSetPicker")
        return [picker.model[picker.currentIndex].name, picker.model[picker.currentIndex].symbol]
    }

    function test_symbolsOfTheSets_data() {
        return [
            ["all", "All Verbs", "list.clipboard.fill"], ["holiday verbs", "Holiday Verbs", "sun.haze"],
            ["holiday", "Holiday", "sun.haze"], ["travel", "Travel", "car.fill"],
            ["communication", "Communication", "rectangle.3.group.bubble.left.fill"],
            ["learnt", "Learnt Verbs", "brain.head.profile"], ["unknown", "Top 100", "list.clipboard.fill"],
            ["other case", "all verbs", "list.clipboard.fill"],
        ].map(([tag, set, symbol]) => ({tag, set, symbol}))
    }

    function test_symbolsOfTheSets(data) {
        compare(matchCase.sheetModel.verbSetSymbol(data.set), data.symbol)
    }

    readonly property GameSheetModel sheetModel: ScreenModels.gameSheet(matchCase)

    // A stored set that is no longer offered reads back as "All Verbs", and the wheel shows it.
    function test_aSetNoLongerOfferedShowsAllVerbs() {
        const game = open("match").game
        game.verbSet = "Learnt Verbs"
        compare(game.verbSet, "All Verbs")
        cleanup()
        compare(shownSet(open("conjugation")), ["All Verbs", "list.clipboard.fill"])
    }

    // The learner picks a set and "Hard"; 24 cards fill the screen; one pair is matched and one
    // wrong pair is tried; the scores land in the store; the set is remembered for the next game.
    function test_pickASetAndHardThenMatchAndMismatch() {
        const page = open("match")
        const game = page.game
        pickSet(page, "Top 100")
        compare([game.verbSet, probe.storedText("LastSelectedVerbSet")], ["Top 100", "Top 100"])
        mouseClick(findChild(page.sheet, "levelHard"))
        compare([game.difficultyLevel, game.inPlay, game.verbButtons.length],
                [LearningGameDifficultyLevel.LearningGameDifficultyLevel.hard, true, 24])
        tryCompare(page.sheet, "visible", false)

        const card = button => findChild(page, "card" + button.index)
        const turns = (button, colour) => tryVerify(() => Qt.colorEqual(card(button).background.color, Theme.readableFill(colour, "white")))
        // Twelve pairs over ceil(sqrt(12)) = 4 columns: rows of three cards, eight rows.
        const board = findChild(page, "board")
        for (const button of game.verbButtons) {
            verify(card(button) && card(button).visible, button.word + " is drawn")
            // Within a pixel: cards are laid out on whole pixels.
            fuzzyCompare(card(button).width, board.width / 3, 1)
            fuzzyCompare(card(button).height, board.height / 8, 1)
            verify(Qt.colorEqual(card(button).background.color, Theme.readableFill("#0984e3", "white")))
        }

        // A pair: both cards turn green and the verb scores a point.
        const first = game.verbButtons[0]
        const partner = game.verbButtons.find(button => button !== first && button.tag === first.tag)
        mouseClick(card(first))
        turns(first, "#8e44ad")
        compare([first.isHighlighted, card(first).background.border.width], [true, 3])
        mouseClick(card(partner))
        verify(first.isCorrect && partner.isCorrect)
        for (const button of [first, partner]) turns(button, "#27ae60")
        compare(probe.stored("progressDictionary", first.verb.key), 1)

        // A wrong pair: both turn red and both verbs lose a point, then, after the right pair has
        // shown for three seconds, turn blue again.
        const rest = game.verbButtons.filter(button => !button.isCorrect)
        const a = rest[0], b = rest.find(button => button.tag !== a.tag)
        mouseClick(card(a))
        mouseClick(card(b))
        verify(a.isWrong && b.isWrong)
        for (const button of [a, b]) turns(button, "#e74c3c")
        compare([a, b].map(button => probe.stored("progressDictionary", button.verb.key)), [-1, -1])
        probe.advance(3000)
        verify(!a.isWrong && !b.isWrong)
        turns(a, "#0984e3")

        // Every tap spoke its word.
        for (const button of [first, partner, a, b])
            verify(probe.said().includes(button.word), button.word + " was spoken")

        // The next game starts on the remembered set.
        cleanup()
        const next = open("match")
        compare([next.game.verbSet, shownSet(next)], ["Top 100", ["Top 100", "list.clipboard.fill"]])
    }
}
