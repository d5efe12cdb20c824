import QtQuick
import QtTest
import Flexio

// The whole window: its navigation stack, the keys that go back, and deep links pushing the quiz
// they name over whatever shows.
TestCase {
    id: testCase
    name: "MainWindow"
    when: windowShown

    Component { id: mainComponent; Main {} }

    // The window makes its navigation stack with its second frame.
    function navigationOf(window) {
        tryVerify(() => window.stack !== null)
        compare(window.stack.objectName, "navigationStack")
        return window.stack
    }

    function test_escapeGoesBack() {
        const window = createTemporaryObject(mainComponent, testCase)
        compare([window.width, window.height, window.title], [390, 844, "Italian Flexio"])
        window.requestActivate()
        tryCompare(window, "active", true)
        const stack = navigationOf(window)
        stack.get(0).openScreen("dictionary", null)
        tryCompare(stack, "busy", false)
        compare(stack.depth, 2)
        keyClick(Qt.Key_Escape)
        tryCompare(stack, "depth", 1)
        tryCompare(stack, "busy", false)
        // At the root there is nothing to go back to.
        keyClick(Qt.Key_Escape)
        compare(stack.depth, 1)
    }

    // The stack takes the menu in after its first frame: the keys still reach the menu's buttons.
    function test_keysReachTheMenuInTheStack() {
        const window = createTemporaryObject(mainComponent, testCase)
        window.requestActivate()
        tryCompare(window, "active", true)
        const stack = navigationOf(window)
        compare(stack.get(0).objectName, "mainMenu")
        keyClick(Qt.Key_Tab)
        compare(window.activeFocusItem.objectName, "settingsButton")
        keyClick(Qt.Key_Space)
        tryCompare(stack, "busy", false)
        compare([stack.depth, stack.currentItem.objectName], [2, "settings"])
    }

    // How links are read is tested beside the reader; here, what the window does with them.
    function test_linksOpenTheirQuiz_data() {
        return [
            {tag: "known id", link: "tavelo-italian://modal-verbs", pushed: "modal-verbs", opens: "modal-verbs"},
            {tag: "unknown id opens the first quiz", link: "tavelo-italian://abc", pushed: "abc",
             opens: "irregular-present"},
            {tag: "other scheme", link: "tavelo-spanish://modal-verbs", pushed: "", opens: ""},
        ]
    }

    function test_linksOpenTheirQuiz(data) {
        const stack = navigationOf(createTemporaryObject(mainComponent, testCase))
        stack.get(0).openScreen("info", null)
        tryCompare(stack, "busy", false)
        const before = DeepLinkModel.quizIDs.length
        compare(DeepLinkModel.openDeepLink(data.link), data.pushed)
        tryCompare(stack, "busy", false)
        const opened = data.opens.length > 0
        compare([DeepLinkModel.quizIDs.length, stack.depth], [before + (opened ? 1 : 0), opened ? 3 : 2])
        if (!opened)
            return compare(stack.currentItem.objectName, "info")
        const quiz = stack.currentItem.quiz
        compare([DeepLinkModel.quizIDs[before], quiz.quizID, findChild(stack.currentItem, "quizTitle").text],
                [data.pushed, data.opens, quiz.title])
        // Back leads to where the learner was.
        mouseClick(findChild(stack.currentItem, "backButton"))
        tryCompare(stack, "depth", 2)
    }
}
