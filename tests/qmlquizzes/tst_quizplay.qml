import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// A quiz whose questions mostly lack an explanation: those move on by themselves.
TestCase {
    id: testCase
    name: "QuizPlay"
    width: 390
    height: 844
    visible: true
    when: windowShown

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: QuizGamesMenuPage {}
    }

    // Lets the play column lay out the question that just came up.
    function settle(quizPage) {
        const column = findChild(quizPage, "playColumn")
        tryVerify(() => !isPolishScheduled(column))
    }

    function rightAnswer(quizPage) {
        settle(quizPage)
        for (let i = 0; i < 4; ++i) {
            const button = findChild(quizPage, "answer" + i)
            if (button.answer.correct)
                return button
        }
        fail("no right answer is drawn")
        return null
    }

    function test_questionsWithoutExplanationMoveOnAfterThePause() {
        const menuPage = stack.get(0)
        compare(findChild(menuPage, "quizEntries").count, 1)
        const quizPage = menuPage.openQuiz(menuPage.menu.quizzes[0])
        tryCompare(stack, "busy", false)
        const game = quizPage.game
        mouseClick(findChild(quizPage, "playQuizButton"))
        compare(game.questionsInPlay.length, 3)

        let explained = 0
        for (let turn = 0; turn < 3; ++turn) {
            compare(game.currentTurn, turn)
            const question = game.currentQuestion
            const right = rightAnswer(quizPage)
            mouseClick(right)
            compare(findChild(quizPage, "questionText").text,
                    question.question.split("_____").join(right.answer.text))
            if (question.explanation.length > 0) {
                ++explained
                settle(quizPage)
                verify(findChild(quizPage, "explanationText").visible)
                verify(findChild(quizPage, "nextButton").visible)
                // The wrong answers are set aside.
                for (let i = 0; i < 4; ++i) {
                    const button = findChild(quizPage, "answer" + i)
                    compare(button.answer.stateName, button.answer.correct ? "correct" : "discarded")
                }
                probe.advance(3000)
                compare(game.currentTurn, turn)
                mouseClick(findChild(quizPage, "nextButton"))
                continue
            }
            settle(quizPage)
            verify(!findChild(quizPage, "explanationText").visible)
            verify(!findChild(quizPage, "nextButton").visible)
            // Other answers keep their colour and take no more taps.
            for (let i = 0; i < 4; ++i) {
                const button = findChild(quizPage, "answer" + i)
                if (!button.answer.correct) {
                    compare(button.answer.stateName, "undefined")
                    mouseClick(button)
                    compare(button.answer.stateName, "undefined")
                }
            }
            probe.advance(1499)
            compare(game.currentTurn, turn)
            probe.advance(1)
            if (turn < 2)
                compare(game.currentTurn, turn + 1)
        }
        compare(explained, 1)
        verify(!game.inPlay)
        compare(findChild(quizPage, "quizIntroText").text,
                "Well done! You worked through all 10 questions. Your accuracy was a perfect 100%.")
        compare(probe.stored("quizScoresDictionary", "plain"), 100)
        compare(probe.stored("progressDictionary", "parlare"), 1)

        // "Play Quiz" again starts a new game of the same quiz.
        mouseClick(findChild(quizPage, "playQuizButton"))
        verify(game.inPlay)
        compare(game.currentTurn, 0)
        compare(findChild(quizPage, "runningPercentage").text, "0%")
    }
}
