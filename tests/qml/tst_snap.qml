import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The snap game played through the screen.
TestCase {
    id: testCase
    name: "SnapGameView"
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
        const page = (stack.get(0) as MainMenuPage).openScreen("snap", null)
        tryCompare(stack, "busy", false)
        return page
    }

    function litStars(page) {
        let lit = 0
        for (let i = 0; i < 10; ++i)
            lit += findChild(page, "star" + i).lit ? 1 : 0
        return lit
    }

    // Ten right answers light ten stars; the sheet comes back with the result in the won colour.
    function test_winWithTenRightAnswers() {
        const page = openGame()
        const game = page.game
        mouseClick(findChild(page.sheet, "levelMedium"))
        verify(game.inPlay)
        tryCompare(page.sheet, "visible", false)
        const up = findChild(page, "thumbsUp")
        const down = findChild(page, "thumbsDown")
        for (let turn = 1; turn <= 10; ++turn) {
            verify(game.canClick)
            compare(game.snapCards.length, 2)
            verify(Qt.colorEqual(up.background.color, "#0984e3"))
            verify(Qt.colorEqual(down.background.color, "#0984e3"))
            const match = game.currentPairIsAMatch
            mouseClick(match ? up : down)
            compare(game.status, SnapAnswerState.SnapAnswerState.correct)
            compare(litStars(page), turn)
            // The right button turns green, the other red.
            verify(Qt.colorEqual((match ? up : down).background.color, "#27ae60"))
            verify(Qt.colorEqual((match ? down : up).background.color, "#e74c3c"))
            // Taps while the answer shows are ignored.
            mouseClick(match ? down : up)
            compare(game.status, SnapAnswerState.SnapAnswerState.correct)
            compare(litStars(page), turn)
            probe.advance(1500)
        }
        verify(!game.inPlay)
        compare(game.gameState, LearningGameState.LearningGameState.won)
        tryCompare(page.sheet, "y", 0)
        const message = findChild(page.sheet, "sheetMessage").text
        verify(message.startsWith("You nailed 10 snaps in "), message)
        verify(message.endsWith("Accuracy: 100%. Perfect run — verb expert status achieved!"), message)
        tryVerify(() => Qt.colorEqual(findChild(page.sheet, "sheetBanner").color, Theme.readableFill("#27ae60", "white")))
    }

    // A wrong answer shows the wrong card struck through over the right one, in red.
    function test_wrongAnswerStrikesTheCardThrough() {
        const page = openGame()
        const game = page.game
        mouseClick(findChild(page.sheet, "levelHard"))
        tryCompare(page.sheet, "visible", false)
        let turns = 0
        // Find a pair that does not match, answering right until one comes.
        while (game.currentPairIsAMatch && turns++ < 50) {
            mouseClick(findChild(page, "thumbsUp"))
            probe.advance(1500)
        }
        verify(!game.currentPairIsAMatch, "a pair that does not match was dealt")
        mouseClick(findChild(page, "thumbsUp"))
        compare(game.status, SnapAnswerState.SnapAnswerState.incorrect)
        const answerCard = findChild(page, "snapCard1")
        compare(answerCard.card, game.snapCards[1])
        const struck = findChild(answerCard, "struckText")
        verify(struck.visible)
        verify(struck.font.strikeout)
        compare(struck.text, game.snapCards[1].text)
        compare(findChild(answerCard, "cardText").text, game.snapCards[1].correctAnswer)
        tryVerify(() => Qt.colorEqual(answerCard.color, Theme.readableFill("#e74c3c", "white")))
        tryVerify(() => Qt.colorEqual(findChild(findChild(page, "timeBar"), "timeBarFill").color, "#e74c3c"))
    }

    function test_timeBarAtHalfThePairsTime() {
        const page = openGame()
        mouseClick(findChild(page.sheet, "levelEasy"))
        const bar = findChild(page, "timeBar")
        const fill = findChild(bar, "timeBarFill")
        const track = findChild(bar, "timeBarTrack")
        verify(Math.abs(fill.width - track.width) <= 1)
        verify(Qt.colorEqual(fill.color, "#0984e3"))
        // An easy pair has 1.5 units of 800 ticks of 25 ms.
        probe.advance(1.5 * 800 * 25 / 2)
        verify(Math.abs(fill.width - track.width / 2) <= 1, fill.width + " of " + track.width)
    }

    function test_speakerSaysThePrompt() {
        probe.setVoices(["it-IT", "en-GB"])
        const page = openGame()
        mouseClick(findChild(page.sheet, "levelEasy"))
        tryCompare(page.sheet, "visible", false)
        const before = probe.said().length
        mouseClick(findChild(page, "speakerButton"))
        const said = probe.said()
        compare(said.length, before + 1)
        compare(said[said.length - 1], page.game.snapCards[0].text)
    }

    // Leaving the screen in the middle of a game stops it.
    function test_leavingTheScreenStopsTheGame() {
        const page = openGame()
        const game = page.game
        mouseClick(findChild(page.sheet, "levelEasy"))
        verify(game.inPlay)
        // Checked at once: the popped page and its game are deleted soon after.
        stack.pop(null, StackView.Immediate)
        verify(!game.inPlay)
        verify(game.message.startsWith("Well done! You reached "), game.message)
    }
}
