import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The quiz menu over the shipped quizzes, and a quiz played through its screen.
ScreenCase {
    name: "Quizzes"

    // Scrolls the list to the entry and returns it.
    function entryAt(menuPage, index) {
        const list = findChild(menuPage, "quizEntries")
        list.positionViewAtIndex(index, ListView.Contain)
        return findChild(list, "quizEntry" + index) ?? fail("entry " + index + " is not drawn")
    }

    // Lets the play column lay out what just changed.
    function settle(quizPage) {
        tryVerify(() => !isPolishScheduled(findChild(quizPage, "playColumn")))
    }

    function answerButtons(quizPage) {
        settle(quizPage)
        const buttons = [0, 1, 2, 3].map(i => findChild(quizPage, "answer" + i))
        verify(buttons.every(button => button), "four answers are drawn")
        return buttons
    }

    function next(quizPage) {
        settle(quizPage)
        mouseClick(findChild(quizPage, "nextButton"))
    }

    // Grouped by level, A1 to B2, in file order within a level.
    function test_menuListsTheShippedQuizzesByLevel() {
        const page = open("quizzes"), list = findChild(page, "quizEntries")
        compare([page.objectName, findChild(page, "quizMenuHeading").text, list.count], ["quizMenu", "Quizzes", 35])
        for (let i = 0; i < list.count; ++i) {
            const entry = entryAt(page, i), quiz = entry.quiz
            // Nothing is played yet: no seal.
            compare([findChild(entry, "quizTitle").text, findChild(entry, "quizDescription").text,
                     quiz.description.length > 0, findChild(entry, "gradeSeal").visible],
                    [quiz.title, quiz.description, true, false])
        }
        compare([0, 1, 6, 15, 25].map(i => entryAt(page, i).quiz.quizID),
                ["irregular-present", "modal-verbs", "essere-or-avere", "verbs-with-a-or-di", "passato-remoto"])
        compare([0, 6, 14, 15, 34].map(i => entryAt(page, i).quiz.level), ["A1", "A2", "A2", "B1", "B2"])
        entryAt(page, 25)
        compare(findChild(list, "levelHeadingB2").text, "B2 \u00b7 Upper intermediate")
    }

    // Two wrong answers then the right one on each question: 10 right of 30 taps.
    function test_playThroughWithTwoWrongTapsEach() {
        const page = open("quizzes")
        const entry = entryAt(page, 0)
        mouseClick(entry)
        tryCompare(stack, "busy", false)
        const quizPage = stack.currentItem
        const game = quizPage.game, quiz = quizPage.quiz
        compare([quizPage.objectName, quiz, findChild(quizPage, "quizTitle").text],
                ["quizScreen", entry.quiz, "Irregular Verbs in the Present"])
        compare([findChild(quizPage, "quizIntroText").text, findChild(quizPage, "quizPlay").visible],
                [quiz.description, false])
        mouseClick(findChild(quizPage, "playQuizButton"))
        compare([game.inPlay, findChild(quizPage, "quizPlay").visible, game.questionsInPlay.length], [true, true, 10])

        for (let turn = 0; turn < 10; ++turn) {
            const question = game.currentQuestion
            compare([findChild(quizPage, "questionCounter").text, findChild(quizPage, "headerTitle").text,
                     findChild(quizPage, "questionText").text], [(turn + 1) + "/10", quiz.title, question.question])
            const buttons = answerButtons(quizPage)
            const wrong = buttons.filter(b => !b.answer.correct), right = buttons.filter(b => b.answer.correct)
            compare([wrong.length, right.length], [3, 1])
            verify(buttons.every(button => Qt.colorEqual(button.background.color, Theme.readableFill("#0984e3", "white"))))

            mouseClick(wrong[0])
            verify(Qt.colorEqual(wrong[0].background.color, Theme.readableFill("#ff3f34", "white")))
            // The same wrong answer again counts once.
            mouseClick(wrong[0])
            mouseClick(wrong[1])
            compare([findChild(quizPage, "runningPercentage").text, findChild(quizPage, "explanationText").visible],
                    [Math.trunc(turn * 100 / (turn * 3 + 2)) + "%", false])

            mouseClick(right[0])
            verify(Qt.colorEqual(right[0].background.color, Theme.readableFill("#05c46b", "white")))
            // Every wrong answer is set aside with no fill once the right one is found.
            for (const button of wrong)
                verify(Qt.colorEqual(button.background.color, "transparent"), button.answer.stateName)
            compare(findChild(quizPage, "questionText").text,
                    question.question.split("_____").join(right[0].answer.text))
            const explanation = findChild(quizPage, "explanationText")
            compare([explanation.visible, question.explanation.length > 0, explanation.text],
                    [true, true, "Yes! " + question.explanation])
            // It waits for the next button, however long it takes.
            probe.advance(5000)
            compare(game.currentTurn, turn)
            next(quizPage)
        }

        // The result lists every question, each missed twice, once; "Done" shows the last score.
        const result = findChild(quizPage, "resultPanel")
        verify(result.visible && !findChild(result, "practiseMissed").visible)
        compare(findChild(result, "resultMissed").count, game.questionsInPlay.length)
        mouseClick(findChild(result, "resultClose"))
        verify(!result.visible)
        verify(!game.inPlay && findChild(quizPage, "quizIntro").visible)
        // The wording of the feedback is tested beside the game.
        compare(findChild(quizPage, "quizIntroText").text, game.feedbackStr)
        verify(game.feedbackStr.includes("Your score was 33%."), game.feedbackStr)
        compare([probe.stored("quizScoresDictionary", quiz.quizID), quiz.lastScore], [33, 33])
        // The hidden menu already has the new seal, and shows it on the way back.
        verify(entryAt(page, 0).sealShown && Qt.colorEqual(entryAt(page, 0).sealColour, "#e74c3c"))
        mouseClick(findChild(quizPage, "returnButton"))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem, page)
        const seal = findChild(entryAt(page, 0), "gradeSeal")
        verify(seal.visible && Qt.colorEqual(seal.color, "#e74c3c"))
        // The other quizzes are still unplayed.
        verify(!findChild(entryAt(page, 1), "gradeSeal").visible)
    }

    // The clue stays hidden until asked for, on every question, and asking costs nothing.
    function test_hintRevealsTheClueOfEachQuestion() {
        const quizPage = open("quizzes").openQuiz(entryAt(stack.currentItem, 0).quiz)
        tryCompare(stack, "busy", false)
        quizPage.game.startQuiz(quizPage.quiz)
        for (let turn = 0; turn < 2; ++turn) {
            settle(quizPage)
            const button = findChild(quizPage, "hintButton"), hint = findChild(quizPage, "hintText")
            verify(button.visible && !hint.visible && button.Accessible.name === "Hint", "hidden at first")
            mouseClick(button)
            const clue = quizPage.game.currentQuestion.clue
            verify(!button.visible && hint.visible, "shown once asked for")
            compare([hint.text, hint.Accessible.name], [clue, "Hint: " + clue])
            mouseClick(answerButtons(quizPage).filter(b => b.answer.correct)[0])
            compare(findChild(quizPage, "runningPercentage").text, "100%")
            next(quizPage)
        }
    }
}
