import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The gap-fill game played through the screen, by tapping keys and by typing.
TestCase {
    id: testCase
    name: "GapFillView"
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

    function openGame() {
        const page = (stack.get(0) as MainMenuPage).openScreen("gapfill", null)
        tryCompare(stack, "busy", false)
        return page
    }

    function keyFor(page, letter) {
        const index = page.game.letters.findIndex(key => key.letter === letter)
        verify(index >= 0, "a key for " + letter)
        return findChild(page, "key" + index)
    }

    // The letter that fills the first gap.
    function nextLetter(game) {
        const at = game.gapped.indexOf("-")
        return game.currentGapFillTurn.phrase.charAt(at).toLowerCase()
    }

    function spell(page, typing) {
        const game = page.game
        const before = game.correctClicks
        let taps = 0
        while (!game.turnWon && taps++ < 60) {
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
        const page = openGame()
        const game = page.game
        mouseClick(findChild(page.sheet, "levelEasy"))
        verify(game.inPlay)
        tryCompare(page.sheet, "visible", false)
        compare(findChild(page, "turnCounter").text, "1/10")
        compare(findChild(page, "hint").text, game.currentGapFillTurn.hint)
        compare(findChild(page, "gapped").text, game.gapped)
        verify(game.gapped.indexOf("-") >= 0)
        verify(!findChild(page, "checkMark").visible)
        for (let i = 0; i < game.letters.length; ++i) {
            const key = findChild(page, "key" + i)
            compare(key.width, 50)
            compare(key.height, 50)
            verify(Qt.colorEqual(key.background.color, Theme.readableFill("#0984e3", "white")))
        }

        // A wrong key turns red and costs accuracy.
        const wrong = game.letters.find(key => key.letter !== nextLetter(game))
        if (wrong) {
            mouseClick(keyFor(page, wrong.letter))
            verify(Qt.colorEqual(keyFor(page, wrong.letter).background.color, Theme.readableFill("#e74c3c", "white")))
            compare(findChild(page, "accuracy").text, "Accuracy: 0%")
        }
        // A right key turns green.
        const first = nextLetter(game)
        mouseClick(keyFor(page, first))
        verify(Qt.colorEqual(keyFor(page, first).background.color, Theme.readableFill("#27ae60", "white")))

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
        const page = openGame()
        const game = page.game
        mouseClick(findChild(page.sheet, "levelMedium"))
        tryCompare(page.sheet, "visible", false)
        const total = game.totalClicks
        // A letter that is not on the keyboard is no tap.
        const missing = "abcdefghijklmnopqrstuvwxyz".split("").find(l => !game.letters.some(key => key.letter === l))
        keyClick(missing)
        compare(game.totalClicks, total)
        const spelled = spell(page, true)
        verify(spelled > 0)
        compare(game.totalClicks, total + spelled)
        verify(findChild(page, "checkMark").visible)
    }
}
