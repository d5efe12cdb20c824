import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The quiz menu over the shipped quizzes, and a quiz played through its screen.
TestCase {
    id: testCase
    name: "Quizzes"
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

    function openQuizMenu() {
        const menu = stack.get(0)
        const page = menu.openScreen("quizzes", null)
        tryCompare(stack, "busy", false)
        compare(stack.currentItem, page)
        compare(page.objectName, "quizMenu")
        return page
    }

    // Scrolls the list to the entry and returns it.
    function entryAt(menuPage, index) {
        const list = findChild(menuPage, "quizEntries")
        list.positionViewAtIndex(index, ListView.Contain)
        const entry = findChild(list, "quizEntry" + index)
        verify(entry, "entry " + index + " is drawn")
        return entry
    }

    function test_menuListsTheShippedQuizzesInFileOrder() {
        const page = openQuizMenu()
        compare(findChild(page, "quizMenuHeading").text, "Quizzes")
        compare(findChild(page, "quizMenuText").text,
                "Quizzes offer short, targeted practice sessions with a focus on specific grammar points. "
                + "Each quiz is graded with red, amber or green according to the score of your most recent "
                + "attempt. Try to get a green light on each one!")
        const ids = ["irregular-present", "essere-or-avere", "irregular-participles", "participle-agreement",
                     "reflexive-past", "imperfetto-or-passato-prossimo", "future-tense", "polite-conditional",
                     "modal-verbs", "piacere-and-similar", "verbs-with-a-or-di", "stare-gerund",
                     "imperative-pronouns", "present-subjunctive", "if-clauses", "passato-remoto",
                     "subjunctive-or-indicative", "subjunctive-after-conjunctions", "sequence-of-tenses", "ci-and-ne",
                     "pronominal-verbs", "si-impersonale", "real-and-mixed-if-clauses", "future-in-the-past",
                     "da-fare-and-changing-meanings", "isc-verbs-and-spelling"]
        const list = findChild(page, "quizEntries")
        compare(list.count, ids.length)
        for (let i = 0; i < ids.length; ++i) {
            const entry = entryAt(page, i)
            compare(entry.quiz.quizID, ids[i])
            compare(findChild(entry, "quizTitle").text, entry.quiz.title)
            compare(findChild(entry, "quizDescription").text, entry.quiz.description)
            verify(entry.quiz.description.length > 0)
            verify(Qt.colorEqual(findChild(entry, "quizTitle").color, "#2c3e50"))
            verify(Qt.colorEqual(entry.background.color, "#ecf0f1"))
            // Nothing is played yet: no seal.
            verify(!findChild(entry, "gradeSeal").visible)
        }
        compare(entryAt(page, 0).quiz.title, "Irregular Verbs in the Present")
        compare(entryAt(page, 15).quiz.title, "The Passato Remoto in Narrative")
    }

    function test_anEntryOpensItsQuiz() {
        const page = openQuizMenu()
        const entry = entryAt(page, 1)
        mouseClick(entry)
        tryCompare(stack, "busy", false)
        const quizPage = stack.currentItem
        compare(quizPage.objectName, "quizScreen")
        compare(quizPage.quiz, entry.quiz)
        compare(findChild(quizPage, "quizTitle").text, "Essere or Avere?")
        compare(findChild(quizPage, "quizIntroText").text, entry.quiz.description)
        verify(findChild(quizPage, "playQuizButton").visible)
        verify(!findChild(quizPage, "quizPlay").visible)
        mouseClick(findChild(quizPage, "returnButton"))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem, page)
    }

    // Lets the play column lay out what just changed.
    function settle(quizPage) {
        const column = findChild(quizPage, "playColumn")
        tryVerify(() => !isPolishScheduled(column))
    }

    function answerButtons(quizPage) {
        settle(quizPage)
        const buttons = []
        for (let i = 0; i < 4; ++i) {
            const button = findChild(quizPage, "answer" + i)
            verify(button, "answer " + i + " is drawn")
            buttons.push(button)
        }
        return buttons
    }

    function tap(item) {
        // The play column scrolls; tap the button where it is.
        mouseClick(item, item.width / 2, item.height / 2)
    }

    // Two wrong answers then the right one on each question: 10 right of 30 taps.
    function test_playThroughWithTwoWrongTapsEach() {
        const page = openQuizMenu()
        mouseClick(entryAt(page, 0))
        tryCompare(stack, "busy", false)
        const quizPage = stack.currentItem
        const game = quizPage.game
        const quiz = quizPage.quiz
        mouseClick(findChild(quizPage, "playQuizButton"))
        verify(game.inPlay)
        verify(findChild(quizPage, "quizPlay").visible)
        compare(game.questionsInPlay.length, 10)

        for (let turn = 0; turn < 10; ++turn) {
            compare(findChild(quizPage, "questionCounter").text, (turn + 1) + "/10")
            compare(findChild(quizPage, "headerTitle").text, quiz.title)
            compare(findChild(quizPage, "headerTitle").font.family, "Arial Rounded MT Bold")
            const question = game.currentQuestion
            compare(findChild(quizPage, "questionText").text, question.question)
            const buttons = answerButtons(quizPage)
            const wrong = buttons.filter(b => !b.answer.correct)
            const right = buttons.filter(b => b.answer.correct)
            compare(wrong.length, 3)
            compare(right.length, 1)
            for (const button of buttons)
                verify(Qt.colorEqual(button.background.color, Theme.readableFill("#0984e3", "white")))

            tap(wrong[0])
            verify(Qt.colorEqual(wrong[0].background.color, Theme.readableFill("#ff3f34", "white")))
            // The same wrong answer again counts once.
            tap(wrong[0])
            tap(wrong[1])
            compare(findChild(quizPage, "runningPercentage").text,
                    Math.trunc(turn * 100 / (turn * 3 + 2)) + "%")
            verify(!findChild(quizPage, "explanationText").visible)

            tap(right[0])
            verify(Qt.colorEqual(right[0].background.color, Theme.readableFill("#05c46b", "white")))
            // Every wrong answer is set aside with no fill once the right one is found.
            for (const button of wrong)
                verify(Qt.colorEqual(button.background.color, "transparent"), button.answer.stateName)
            compare(findChild(quizPage, "questionText").text,
                    question.question.split("_____").join(right[0].answer.text))
            verify(question.explanation.length > 0)
            const explanation = findChild(quizPage, "explanationText")
            verify(explanation.visible)
            compare(explanation.text, "Yes! " + question.explanation)
            // It waits for the next button, however long it takes.
            probe.advance(5000)
            compare(game.currentTurn, turn)
            settle(quizPage)
            const next = findChild(quizPage, "nextButton")
            verify(next.visible)
            tap(next)
        }

        verify(!game.inPlay)
        verify(findChild(quizPage, "quizIntro").visible)
        compare(findChild(quizPage, "quizIntroText").text,
                "Well done! You worked through all 10 questions. Your score was 33%. Don't worry, you're "
                + "learning and that is progress in itself. Take your time with each question and try to hit "
                + "the 50% mark on your next attempt.")
        compare(probe.stored("quizScoresDictionary", quiz.quizID), 33)
        compare(quiz.lastScore, 33)

        mouseClick(findChild(quizPage, "returnButton"))
        tryCompare(stack, "busy", false)
        const seal = findChild(entryAt(page, 0), "gradeSeal")
        verify(seal.visible)
        verify(Qt.colorEqual(seal.color, "#e74c3c"))
        // The other quizzes are still unplayed.
        verify(!findChild(entryAt(page, 1), "gradeSeal").visible)
    }

    // The clue stays hidden until asked for, on every question, and asking costs nothing.
    function test_hintRevealsTheClueOfEachQuestion() {
        const quizPage = openQuizMenu().openQuiz(entryAt(stack.currentItem, 0).quiz)
        tryCompare(stack, "busy", false)
        quizPage.game.startQuiz(quizPage.quiz)
        for (let turn = 0; turn < 2; ++turn) {
            settle(quizPage)
            const button = findChild(quizPage, "hintButton"), hint = findChild(quizPage, "hintText")
            verify(button.visible && !hint.visible && button.Accessible.name === "Hint", "hidden at first")
            tap(button)
            const clue = quizPage.game.currentQuestion.clue
            verify(!button.visible && hint.visible, "shown once asked for")
            compare([hint.text, hint.Accessible.name], [clue, "Hint: " + clue])
            tap(answerButtons(quizPage).filter(b => b.answer.correct)[0])
            compare(findChild(quizPage, "runningPercentage").text, "100%")
            settle(quizPage)
            tap(findChild(quizPage, "nextButton"))
        }
    }

    // The seal follows a new score while the menu shows.
    function test_sealFollowsANewScoreAtOnce() {
        const page = openQuizMenu()
        const quizPage = page.openQuiz(entryAt(page, 2).quiz)
        tryCompare(stack, "busy", false)
        const game = quizPage.game
        game.startQuiz(quizPage.quiz)
        for (let turn = 0; turn < game.questionsInPlay.length; ++turn) {
            const right = answerButtons(quizPage).filter(b => b.answer.correct)[0]
            tap(right)
            settle(quizPage)
            tap(findChild(quizPage, "nextButton"))
        }
        compare(quizPage.quiz.lastScore, 100)
        // The hidden menu already has the new seal...
        const entry = entryAt(page, 2)
        verify(entry.sealShown)
        verify(Qt.colorEqual(entry.sealColour, "#27ae60"))
        // ...and shows it on the way back.
        mouseClick(findChild(quizPage, "backButton"))
        tryCompare(stack, "busy", false)
        const seal = findChild(entryAt(page, 2), "gradeSeal")
        verify(seal.visible)
        verify(Qt.colorEqual(seal.color, "#27ae60"))
    }
}
