import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// A quiz whose questions mostly lack an explanation: those move on by themselves.
TestCase {
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

    // The answer buttons once the play column has laid out the question that just came up.
    function answers(quizPage) {
        tryVerify(() => !isPolishScheduled(findChild(quizPage, "playColumn")))
        return [0, 1, 2, 3].map(i => findChild(quizPage, "answer" + i))
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
            const question = game.currentQuestion, right = answers(quizPage).find(button => button.answer.correct)
            mouseClick(right)
            compare(findChild(quizPage, "questionText").text, question.question.split("_____").join(right.answer.text))
            const hasExplanation = question.explanation.length > 0
            const others = answers(quizPage).filter(button => !button.answer.correct)
            compare([findChild(quizPage, "explanationText").visible, findChild(quizPage, "nextButton").visible],
                    [hasExplanation, hasExplanation])
            if (hasExplanation) {
                ++explained
                // The wrong answers are set aside, and the question waits for the next button.
                verify(others.every(button => button.answer.stateName === "discarded"))
                probe.advance(3000)
                compare(game.currentTurn, turn)
                mouseClick(findChild(quizPage, "nextButton"))
                continue
            }
            // Other answers keep their colour and take no more taps.
            for (const button of others) {
                mouseClick(button)
                compare(button.answer.stateName, "undefined")
            }
            probe.advance(1499)
            compare(game.currentTurn, turn)
            probe.advance(1)
            if (turn < 2)
                compare(game.currentTurn, turn + 1)
        }
        compare([explained, game.inPlay], [1, false])
        compare([probe.stored("quizScoresDictionary", "plain"), probe.stored("progressDictionary", "parlare")],
                [100, 1])
        compare(findChild(quizPage, "quizIntroText").text,
                "Well done! You worked through all 10 questions. Your accuracy was a perfect 100%.")

        // "Play Quiz" again starts a new game of the same quiz.
        mouseClick(findChild(quizPage, "playQuizButton"))
        compare([game.inPlay, game.currentTurn, findChild(quizPage, "runningPercentage").text], [true, 0, "0%"])
    }
}
