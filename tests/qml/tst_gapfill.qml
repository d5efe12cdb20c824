import QtQuick
import QtTest
import Flexio

// The gap-fill game played through the screen, by tapping keys and by typing.
ScreenCase {
    name: "GapFillView"

    function startGame(level) {
        const page = open("gapfill")
        mouseClick(findChild(page.sheet, level))
        verify(page.game.inPlay)
        tryCompare(page.sheet, "visible", false)
        return page
    }

    function keyFor(page, letter) {
        const index = page.game.letters.findIndex(key => key.letter === letter)
        verify(index >= 0, "a key for " + letter)
        return findChild(page, "key" + index)
    }

    // The letter that fills the first gap.
    function nextLetter(game) {
        return game.currentGapFillTurn.phrase.charAt(game.gapped.indexOf("-")).toLowerCase()
    }

    // Fills the gaps, typing the plain letters when asked; returns the right taps made.
    function spell(page, typing) {
        const game = page.game
        const before = game.correctClicks
        for (let taps = 0; !game.turnWon && taps < 60; ++taps) {
            const letter = nextLetter(game)
            if (typing && /^[a-z]$/.test(letter))
                keyClick(letter)
            else
                mouseClick(keyFor(page, letter))
        }
        verify(game.turnWon)
        return game.correctClicks - before
    }

    function test_spellByTapping() {
        const page = startGame("levelEasy")
        const game = page.game
        compare(findChild(page, "turnCounter").text, "1/10")
        compare(findChild(page, "hint").text, game.currentGapFillTurn.hint)
        compare(findChild(page, "gapped").text, game.gapped)
        verify(game.gapped.indexOf("-") >= 0 && !findChild(page, "checkMark").visible)

        // A wrong key turns red and costs accuracy; a right key turns green.
        const wrong = game.letters.find(key => key.letter !== nextLetter(game))
        if (wrong) {
            mouseClick(keyFor(page, wrong.letter))
            verify(Qt.colorEqual(keyFor(page, wrong.letter).background.color, "#e74c3c"))
            compare(findChild(page, "accuracy").text, "Accuracy: 0%")
        }
        const first = nextLetter(game)
        mouseClick(keyFor(page, first))
        verify(Qt.colorEqual(keyFor(page, first).background.color, "#27ae60"))

        spell(page, false)
        compare(findChild(page, "gapped").text, game.currentGapFillTurn.phrase)
        verify(findChild(page, "checkMark").visible)
        compare(findChild(page, "accuracy").text, "Accuracy: " + game.accuracy + "%")
        // The next verb follows two seconds later.
        probe.advance(2000)
        compare(findChild(page, "turnCounter").text, "2/10")
        verify(!findChild(page, "checkMark").visible)
    }

    function test_spellByTyping() {
        const page = startGame("levelMedium")
        const game = page.game
        const total = game.totalClicks
        // A letter that is not on the keyboard is no tap.
        keyClick("abcdefghijklmnopqrstuvwxyz".split("").find(l => !game.letters.some(key => key.letter === l)))
        compare(game.totalClicks, total)
        const spelled = spell(page, true)
        verify(spelled > 0)
        compare(game.totalClicks, total + spelled)
        verify(findChild(page, "checkMark").visible)
    }
}
