import QtQuick
import QtTest
import Flexio

// The conjugation quiz played through the screen.
ScreenCase {
    name: "ConjQuizView"

    function startGame(level) {
        const page = open("conjugation")
        mouseClick(findChild(page.sheet, level))
        verify(page.game.inPlay)
        return page
    }

    function answerItem(page, answer) {
        return findChild(page, "answer" + page.game.currentQuestion.alts.indexOf(answer))
    }

    function allBlue(page) {
        return page.game.currentQuestion.alts.every(answer => Qt.colorEqual(answerItem(page, answer).background.color,
                                                                              "#0984e3"))
    }

    // A wrong answer turns red and scores the verb down; the right one turns green and scores it
    // up; the accuracy follows.
    function test_answerWrongThenRight() {
        const page = startGame("levelMedium")
        const game = page.game
        tryCompare(page.sheet, "visible", false)
        compare(findChild(page, "turnCounter").text, "1/10")
        compare(findChild(page, "accuracy").text, "Accuracy: 0%")
        compare(findChild(page, "prompt").text, game.currentQuestion.question)
        compare(findChild(page, "hint").visible, game.currentQuestion.questionHint.length > 0)
        const alts = game.currentQuestion.alts
        verify(alts.length >= 2 && allBlue(page))
        const right = alts.find(answer => answer.correct)
        const wrong = alts.find(answer => !answer.correct)
        const key = game.currentVerb.key

        mouseClick(answerItem(page, wrong))
        verify(Qt.colorEqual(answerItem(page, wrong).background.color, "#e74c3c"))
        compare([findChild(page, "accuracy").text, probe.stored("progressDictionary", key)], ["Accuracy: 0%", -1])
        mouseClick(answerItem(page, right))
        verify(Qt.colorEqual(answerItem(page, right).background.color, "#27ae60"))
        compare([findChild(page, "accuracy").text, probe.stored("progressDictionary", key)], ["Accuracy: 50%", 0])

        // The next turn follows 1.5 seconds later.
        probe.advance(1500)
        compare(findChild(page, "turnCounter").text, "2/10")
        verify(allBlue(page))
    }

    function test_timeBarAtHalfTheAllowance_data() {
        return [
            {tag: "easy", level: "levelEasy", increment: 0.000675},
            {tag: "hard", level: "levelHard", increment: 0.0025},
        ]
    }

    // The allowance is 1/increment ticks of 25 ms; a full bar ends the game and brings the sheet back.
    function test_timeBarAtHalfTheAllowance(data) {
        const page = startGame(data.level)
        const fill = findChild(findChild(page, "timeBar"), "timeBarFill")
        const track = findChild(findChild(page, "timeBar"), "timeBarTrack")
        compare(fill.width, 0)
        probe.advance(Math.round(25 / data.increment / 2))
        verify(Math.abs(fill.width - track.width / 2) <= 1, fill.width + " of " + track.width)
        probe.advance(Math.round(25 / data.increment / 2) + 100)
        verify(!page.game.inPlay)
        tryCompare(page.sheet, "y", 0)
    }
}
