import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// Deep links in the whole window: a link pushes the quiz it names over whatever shows.
TestCase {
    id: testCase
    name: "DeepLinks"
    when: windowShown

    Component {
        id: mainComponent
        Main {}
    }

    function test_linksOpenTheirQuiz_data() {
        return [
            {tag: "known id", link: "tavelo-italian://modal-verbs", pushed: "modal-verbs", opens: "modal-verbs"},
            {tag: "unknown id opens the first quiz", link: "tavelo-italian://abc", pushed: "abc",
             opens: "irregular-present"},
            {tag: "path and query are ignored", link: "tavelo-italian://future-tense/play?x=1",
             pushed: "future-tense", opens: "future-tense"},
            {tag: "other scheme", link: "tavelo-spanish://modal-verbs", pushed: "", opens: ""},
        ]
    }

    function test_linksOpenTheirQuiz(data) {
        const window = createTemporaryObject(mainComponent, testCase)
        verify(window)
        const stack = findChild(window.contentItem, "navigationStack")
        // Something else shows when the link comes.
        stack.get(0).openScreen("info", null)
        tryCompare(stack, "busy", false)
        const before = DeepLinkModel.quizIDs.length

        compare(DeepLinkModel.openDeepLink(data.link), data.pushed)
        tryCompare(stack, "busy", false)
        if (data.opens.length === 0) {
            compare(DeepLinkModel.quizIDs.length, before)
            compare(stack.depth, 2)
            compare(stack.currentItem.objectName, "info")
            return
        }
        compare(DeepLinkModel.quizIDs.length, before + 1)
        compare(DeepLinkModel.quizIDs[before], data.pushed)
        compare(stack.depth, 3)
        compare(stack.currentItem.objectName, "quizScreen")
        compare(stack.currentItem.quiz.quizID, data.opens)
        compare(findChild(stack.currentItem, "quizTitle").text, stack.currentItem.quiz.title)
        // Back leads to where the learner was.
        mouseClick(findChild(stack.currentItem, "backButton"))
        tryCompare(stack, "depth", 2)
    }
}
