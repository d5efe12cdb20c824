import QtQuick
import QtTest
import Flexio

// Every screen at the size of the run: each control a finger taps is big enough and within
// reach, each text readable. Besides the phone and tablet runs, ctest runs this file alone at
// the sizes Linux phones give an app, upright and turned.
ScreenCase {
    name: "Sizes"

    function test_screens_data() {
        return [{tag: "menu"}, {tag: "dictionary", screen: "dictionary"}, {tag: "table", screen: "table"},
                {tag: "progress", screen: "progress"}, {tag: "grid", screen: "progress", tab: 1},
                {tag: "settings", screen: "settings"}, {tag: "info", screen: "info"}, {tag: "quizzes", screen: "quizzes"},
                {tag: "quiz", screen: "quizzes", quiz: true}, {tag: "review", screen: "review"}]
    }

    function test_screens(data) {
        let page = data.screen ? open(data.screen, VerbDictionary.verbs[0]) : stack.currentItem
        if (data.tab)
            page.tab = data.tab
        if (data.quiz) {
            page = page.openQuiz(findChild(findChild(page, "quizEntries"), "quizEntry0").quiz)
            tryCompare(stack, "busy", false)
        }
        checkLayout(page)
    }

    function test_games_data() {
        return ["match", "snap", "conjugation", "gapfill"].map(game => ({tag: game}))
    }

    // The set-up sheet, then the game in play.
    function test_games(data) {
        checkLayout(open(data.tag))
        cleanup()
        checkLayout(startGame(data.tag, "levelMedium"))
    }

    // The conjugation quiz typed: the switch on its sheet, the answer keyboard in reach, and an
    // answer typed on a hardware keyboard marked.
    function test_typedConjugation() {
        const page = open("conjugation")
        mouseClick(findChild(page.sheet, "typedSwitch"))
        verify(page.game.typedMode)
        mouseClick(findChild(page.sheet, "levelMedium"))
        tryCompare(page.sheet, "visible", false)
        checkLayout(page)
        // A key typed in this process made the system report a keyboard: the keys may be hidden.
        findChild(page, "answerKeyboard").model.shown = true
        verify(findChild(page, "answerKeys").visible)
        keyClick("z")
        keyClick(Qt.Key_Return)
        verify(page.game.revealing)
        compare(page.game.typed, "z")
        page.game.typedMode = false
    }

    // Qt's file dialogs open and close again.
    function test_progressDialogs() {
        const page = open("progress")
        page.tab = 1
        for (const name of ["export", "import"]) {
            const dialog = findChild(page, name + "Dialog")
            findChild(page, name + "Button").clicked()
            tryVerify(() => dialog.item.visible)
            dialog.item.reject()
            tryVerify(() => !dialog.item.visible)
        }
    }
}
