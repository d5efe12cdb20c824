import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The conjugation quiz played through the screen.
TestCase {
    id: testCase
    name: "ConjQuizView"
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
        const page = (stack.get(0) as MainMenuPage).openScreen("conjugation", null)
        tryCompare(stack, "busy", false)
        return page
    }

    function answerItem(page, answer) {
        const alts = page.game.currentQuestion.alts
        return findChild(page, "answer" + alts.indexOf(answer))
    }

    // A wrong answer turns red and scores the verb down; the right one turns green and scores it
    // up; the accuracy follows.
    function test_answerWrongThenRight() {
        const page = openGame()
        const game = page.game
        mouseClick(findChild(page.sheet, "levelMedium"))
        verify(game.inPlay)
        tryCompare(page.sheet, "visible", false)
        compare(findChild(page, "turnCounter").text, "1/10")
        compare(findChild(page, "accuracy").text, "Accuracy: 0%")
        compare(findChild(page, "prompt").text, game.currentQuestion.question)
        const hint = findChild(page, "hint")
        compare(hint.visible, game.currentQuestion.questionHint.length > 0)

        const alts = game.currentQuestion.alts
        verify(alts.length >= 2)
        for (const answer of alts)
            verify(Qt.colorEqual(answerItem(page, answer).background.color, Theme.readableFill("#0984e3", "white")))
        const right = alts.find(answer => answer.correct)
        const wrong = alts.find(answer => !answer.correct)
        const key = game.currentVerb.key

        mouseClick(answerItem(page, wrong))
        verify(Qt.colorEqual(answerItem(page, wrong).background.color, Theme.readableFill("#e74c3c", "white")))
        compare(findChild(page, "accuracy").text, "Accuracy: 0%")
        compare(probe.stored("progressDictionary", key), -1)

        mouseClick(answerItem(page, right))
        verify(Qt.colorEqual(answerItem(page, right).background.color, Theme.readableFill("#27ae60", "white")))
        compare(findChild(page, "accuracy").text, "Accuracy: 50%")
        compare(probe.stored("progressDictionary", key), 0)

        // The next turn follows 1.5 seconds later.
        probe.advance(1500)
        compare(findChild(page, "turnCounter").text, "2/10")
        for (const answer of game.currentQuestion.alts)
            verify(Qt.colorEqual(answerItem(page, answer).background.color, Theme.readableFill("#0984e3", "white")))
    }

    function test_timeBarAtHalfTheAllowance_data() {
        return [
            {tag: "easy", level: "levelEasy", increment: 0.000675},
            {tag: "hard", level: "levelHard", increment: 0.0025},
        ]
    }

    function test_timeBarAtHalfTheAllowance(data) {
        const page = openGame()
        mouseClick(findChild(page.sheet, data.level))
        const bar = findChild(page, "timeBar")
        const fill = findChild(bar, "timeBarFill")
        const track = findChild(bar, "timeBarTrack")
        compare(fill.width, 0)
        probe.advance(Math.round(25 / data.increment / 2))
        verify(Math.abs(fill.width - track.width / 2) <= 1, fill.width + " of " + track.width)
        // A full bar ends the game and brings the sheet back.
        probe.advance(Math.round(25 / data.increment / 2) + 100)
        verify(!page.game.inPlay)
        tryCompare(page.sheet, "y", 0)
    }
}
