import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The snap game played through the screen.
ScreenCase {
    name: "SnapGameView"

    function startGame(level) {
        const page = open("snap")
        mouseClick(findChild(page.sheet, level))
        verify(page.game.inPlay)
        tryCompare(page.sheet, "visible", false)
        return page
    }

    function litStars(page) {
        return [...Array(10).keys()].filter(i => findChild(page, "star" + i).lit).length
    }

    // Ten right answers light ten stars; the sheet comes back with the result in the won colour.
    function test_winWithTenRightAnswers() {
        const page = startGame("levelMedium")
        const game = page.game
        const up = findChild(page, "thumbsUp"), down = findChild(page, "thumbsDown")
        for (let turn = 1; turn <= 10; ++turn) {
            verify(game.canClick)
            compare(game.snapCards.length, 2)
            verify(Qt.colorEqual(up.background.color, "#0984e3") && Qt.colorEqual(down.background.color, "#0984e3"))
            const right = game.currentPairIsAMatch ? up : down, wrong = right === up ? down : up
            mouseClick(right)
            compare([game.status, litStars(page)], [SnapAnswerState.SnapAnswerState.correct, turn])
            verify(Qt.colorEqual(right.background.color, "#27ae60") && Qt.colorEqual(wrong.background.color, "#e74c3c"))
            // Taps while the answer shows are ignored.
            mouseClick(wrong)
            compare([game.status, litStars(page)], [SnapAnswerState.SnapAnswerState.correct, turn])
            probe.advance(1500)
        }
        compare([game.inPlay, game.gameState], [false, LearningGameState.LearningGameState.won])
        tryCompare(page.sheet, "y", 0)
        const message = findChild(page.sheet, "sheetMessage").text
        verify(message.startsWith("You nailed 10 snaps in "), message)
        verify(message.endsWith("Accuracy: 100%. Perfect run — verb expert status achieved!"), message)
        tryVerify(() => Qt.colorEqual(findChild(page.sheet, "sheetBanner").color, "#27ae60"))
    }

    // A wrong answer shows the wrong card struck through over the right one, in red.
    function test_wrongAnswerStrikesTheCardThrough() {
        const page = startGame("levelHard")
        const game = page.game
        // Answer right until a pair that does not match is dealt.
        for (let turns = 0; game.currentPairIsAMatch && turns < 50; ++turns) {
            mouseClick(findChild(page, "thumbsUp"))
            probe.advance(1500)
        }
        verify(!game.currentPairIsAMatch, "a pair that does not match was dealt")
        mouseClick(findChild(page, "thumbsUp"))
        compare(game.status, SnapAnswerState.SnapAnswerState.incorrect)
        const answerCard = findChild(page, "snapCard1")
        compare(answerCard.card, game.snapCards[1])
        const struck = findChild(answerCard, "struckText")
        verify(struck.visible && struck.font.strikeout)
        compare([struck.text, findChild(answerCard, "cardText").text],
                [game.snapCards[1].text, game.snapCards[1].correctAnswer])
        tryVerify(() => Qt.colorEqual(answerCard.color, "#e74c3c"))
        tryVerify(() => Qt.colorEqual(findChild(findChild(page, "timeBar"), "timeBarFill").color, "#e74c3c"))
    }

    // The pair's time runs down from a full bar; the speaker says the prompt; leaving the screen
    // stops the game.
    function test_timeBarSpeakerAndLeaving() {
        probe.setVoices(["it-IT", "en-GB"])
        const page = startGame("levelEasy")
        const fill = findChild(findChild(page, "timeBar"), "timeBarFill")
        const track = findChild(findChild(page, "timeBar"), "timeBarTrack")
        verify(Math.abs(fill.width - track.width) <= 1)
        verify(Qt.colorEqual(fill.color, "#0984e3"))
        // An easy pair has 1.5 units of 800 ticks of 25 ms.
        probe.advance(1.5 * 800 * 25 / 2)
        verify(Math.abs(fill.width - track.width / 2) <= 1, fill.width + " of " + track.width)

        const before = probe.said().length
        mouseClick(findChild(page, "speakerButton"))
        compare(probe.said().slice(before), [page.game.snapCards[0].text])

        const game = page.game
        // Checked at once: the popped page and its game are deleted soon after.
        stack.pop(null, StackView.Immediate)
        verify(!game.inPlay)
        verify(game.message.startsWith("Well done! You reached "), game.message)
    }
}
