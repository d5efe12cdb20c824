import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// A fresh store: no verb has a score until the test gives some.
TestCase {
    id: testCase
    name: "ProgressViewer"
    width: 390
    height: 844
    visible: true
    when: windowShown

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: MainMenuPage {}
    }

    function openProgress() {
        const page = stack.get(0).openScreen("progress", null)
        tryCompare(stack, "busy", false)
        return page
    }

    function cleanup() {
        stack.pop(null, StackView.Immediate)
    }

    function test_1_freshStoreShowsOnlyTheEmptyCaption() {
        const page = openProgress()
        const empty = findChild(page, "emptyCaption")
        verify(empty.visible)
        compare(empty.text, "As you work through activities, your performance stats will appear here.")
        verify(!findChild(page, "caption").visible)
        verify(!findChild(page, "progressList").visible)
    }

    function test_2_rankedRowsWithTheirDots() {
        ProgressManager.addPoints("dormire", -3)
        ProgressManager.addPoints("parlare", 2)
        ProgressManager.addPoints("guardare", 0)
        ProgressManager.addPoints("amare", 0)
        const page = openProgress()
        verify(!findChild(page, "emptyCaption").visible)
        compare(findChild(page, "caption").text,
                "Verbs are assigned a score weighting as you play the games - see your ranked verbs below.")
        const list = findChild(page, "progressList")
        compare(list.count, 4)
        const expected = [
            {key: "parlare", score: "2", colour: Qt.rgba(0.3, 1, 0.3, 1)},
            {key: "amare", score: "0", colour: Qt.rgba(1, 0.8, 0, 1)},
            {key: "guardare", score: "0", colour: Qt.rgba(1, 0.8, 0, 1)},
            {key: "dormire", score: "-3", colour: Qt.rgba(1, 0.2, 0.2, 1)},
        ]
        for (let i = 0; i < expected.length; ++i) {
            const row = findChild(list, "progressRow" + i)
            compare(row.modelData.verb.key, expected[i].key)
            compare(findChild(row, "scoreText").text, expected[i].score)
            const dot = findChild(row, "scoreDot").color
            fuzzyCompare(dot.r, expected[i].colour.r, 0.01)
            fuzzyCompare(dot.g, expected[i].colour.g, 0.01)
            fuzzyCompare(dot.b, expected[i].colour.b, 0.01)
        }
    }

    function test_3_listFollowsANewScore() {
        const page = openProgress()
        const list = findChild(page, "progressList")
        ProgressManager.addPoints("dormire", -9)
        const last = findChild(list, "progressRow3")
        compare(last.modelData.verb.key, "dormire")
        compare(findChild(last, "scoreText").text, "-12")
        ProgressManager.addPoints("vedere", 4)
        compare(findChild(list, "progressRow0").modelData.verb.key, "vedere")
    }

    function test_4_rowOpensTheVerbTable() {
        const page = openProgress()
        mouseClick(findChild(findChild(page, "progressList"), "progressRow0"))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem.objectName, "verbTable")
        compare(stack.currentItem.verb.key, "vedere")
    }
}
