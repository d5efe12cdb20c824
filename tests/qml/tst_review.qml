import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// A fresh store: nothing missed, so Review is quiet and the grid has no answers.
TestCase {
    name: "Review"
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
    }

    function test_quietReviewEntryAndScreen() {
        const entry = findChild(findChild(stack.get(0), "menuEntries"), "menuEntry7")
        compare(entry.modelData.page, "review")
        verify(entry.modelData.quiet)
        const page = stack.get(0).openScreen("review", null)
        tryCompare(stack, "busy", false)
        verify(findChild(page, "reviewQuiet").visible)
        verify(!findChild(page, "reviewBoard").visible)
    }

    function test_gridTabShowsEveryTenseWithoutAnswers() {
        const page = stack.get(0).openScreen("progress", null)
        tryCompare(stack, "busy", false)
        page.tab = 1
        const grid = findChild(page, "accuracyGrid")
        verify(grid.visible)
        compare(grid.grid.rows.length, 11)
        compare(grid.grid.answerCount, 0)
    }
}
