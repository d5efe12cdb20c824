import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

TestCase {
    id: testCase
    name: "VerbDictionary"
    width: 390
    height: 844
    visible: true
    when: windowShown

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: MainMenuPage {}
    }

    property var page: null

    function init() {
        page = stack.get(0).openScreen("dictionary", null)
        tryCompare(stack, "busy", false)
    }

    function cleanup() {
        stack.pop(null, StackView.Immediate)
    }

    function listedKeys() {
        const model = page.dictionary
        const keys = []
        for (let i = 0; i < model.count; ++i)
            keys.push(model.verbAt(i).key)
        return keys
    }

    function typeSearch(text) {
        const field = findChild(page, "searchField")
        mouseClick(field)
        field.selectAll()
        keyClick(Qt.Key_Delete)
        for (const c of text)
            keyClick(c)
        compare(field.text, text)
    }

    function test_searchFilters_data() {
        return [
            {tag: "capitals", search: "PAR", keys: ["parlare", "partire"]},
            {tag: "English", search: "sLe", keys: ["dormire"]},
            {tag: "bar kept in the stored English", search: "get|", keys: ["alzarsi"]},
            {tag: "shown infinitive of a reflexive verb", search: "alzarsi", keys: ["alzarsi"]},
            {tag: "accented capitals", search: "CAFÉ", keys: ["uscire"]},
            {tag: "accented capital in lower case", search: "cafÉ", keys: ["uscire"]},
            {tag: "no match", search: "xyz", keys: []},
        ]
    }

    function test_searchFilters(data) {
        typeSearch(data.search)
        compare(page.dictionary.searchText, data.search)
        compare(listedKeys(), data.keys)
        compare(findChild(page, "verbList").count, data.keys.length)
    }

    function test_clearingTheSearchListsEveryVerb() {
        typeSearch("PAR")
        typeSearch("")
        compare(listedKeys().length, 22)
    }

    function test_sortByEnglishIsStable() {
        const before = listedKeys()
        compare(before[0], "alzarsi")
        mouseClick(findChild(page, "sortButton"))
        const english = findChild(page, "sortByEnglish")
        tryCompare(english, "visible", true)
        compare(english.text, "Sort by English")
        mouseClick(english)
        const keys = listedKeys()
        compare(keys, ["arrivare", "essere", "potere", "venire", "morire", "fare", "mangiare", "finire",
                       "alzarsi", "andare", "avere", "partire", "uscire", "amare", "piovere", "vedere",
                       "dormire", "parlare", "prendere", "lavarsi", "guardare", "lavorare"])
        compare(page.dictionary.targetLanguageFirst, false)

        mouseClick(findChild(page, "sortButton"))
        const italian = findChild(page, "sortByItalian")
        tryCompare(italian, "visible", true)
        compare(italian.text, "Sort by Italian")
        mouseClick(italian)
        compare(listedKeys(), before)
    }

    function swipeRow(index) {
        const list = findChild(page, "verbList")
        list.positionViewAtIndex(index, ListView.Beginning)
        const row = list.itemAtIndex(index)
        verify(row)
        // A full swipe from the right edge across the row.
        mousePress(row, row.width - 5, row.height / 2)
        for (let x = row.width - 20; x > 0; x -= 30)
            mouseMove(row, x, row.height / 2)
        mouseRelease(row, 2, row.height / 2)
        return row
    }

    function test_swipeMarksAndUnmarksLearnt() {
        const index = listedKeys().indexOf("parlare")
        const verb = page.dictionary.verbAt(index)
        compare(verb.learnt, false)

        let row = swipeRow(index)
        tryCompare(verb, "learnt", true)
        compare(probe.stored("learntDictionary", "parlare"), true)
        tryCompare(row, "swipeOffset", 0)
        verify(findChild(row, "learntMark").visible)
        verify(findChild(row, "verbRow").Accessible.name.endsWith("learnt"))
        // The swiped row does not stay grey as if pressed.
        verify(Qt.colorEqual(findChild(row, "verbRow").background.color, Theme.surface))

        row = swipeRow(index)
        tryCompare(verb, "learnt", false)
        compare(probe.stored("learntDictionary", "parlare"), false)
        tryCompare(row, "swipeOffset", 0)
        verify(!findChild(row, "learntMark").visible)
    }

    function test_aShortSwipeDoesNothing() {
        const list = findChild(page, "verbList")
        const row = list.itemAtIndex(0)
        const verb = row.verb
        // Half way across: the row springs back, and the drag is no tap.
        mousePress(row, row.width - 5, row.height / 2)
        for (let x = row.width - 20; x > row.width * 0.5; x -= 20)
            mouseMove(row, x, row.height / 2, 80)
        mouseRelease(row, row.width * 0.5, row.height / 2, Qt.LeftButton, Qt.NoModifier, 300)
        compare(stack.depth, 2)
        tryCompare(row, "swipeOffset", 0)
        compare(verb.learnt, false)
    }

    function test_rowOpensTheVerbTable() {
        const list = findChild(page, "verbList")
        const row = list.itemAtIndex(0)
        mouseClick(findChild(row, "verbRow"))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem.objectName, "verbTable")
        compare(stack.currentItem.verb.key, "alzarsi")
    }
}
