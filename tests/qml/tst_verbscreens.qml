import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The dictionary screen (how the model searches and sorts is tested beside it) and the verb table.
// Every test starts on the dictionary.
ScreenCase {
    name: "VerbScreens"

    property var page: null

    function init() {
        page = open("dictionary")
    }

    function listedKeys() {
        return [...Array(page.dictionary.count).keys()].map(i => page.dictionary.verbAt(i).key)
    }

    function typeSearch(text) {
        const field = findChild(page, "searchField")
        mouseClick(field)
        field.selectAll()
        keyClick(Qt.Key_Delete)
        for (const c of text) keyClick(c)
        compare(field.text, text)
    }

    function test_searchFilters_data() {
        return [
            {tag: "capitals", search: "PAR", keys: ["parlare", "partire"]},
            {tag: "English", search: "sLe", keys: ["dormire"]},
            {tag: "accented capitals", search: "CAFÉ", keys: ["uscire"]},
            {tag: "no match", search: "xyz", keys: []},
        ]
    }

    function test_searchFilters(data) {
        typeSearch(data.search)
        compare([page.dictionary.searchText, listedKeys(), findChild(page, "verbList").count],
                [data.search, data.keys, data.keys.length])
        typeSearch("")
        compare(listedKeys().length, 22)
    }

    function test_sortMenuSwitchesTheOrder() {
        const before = listedKeys()
        compare(before[0], "alzarsi")
        for (const [item, text, first] of [["sortByEnglish", "Sort by English", "arrivare"],
                                           ["sortByItalian", "Sort by Italian", "alzarsi"]]) {
            mouseClick(findChild(page, "sortButton"))
            tryCompare(findChild(page, item), "visible", true)
            compare(findChild(page, item).text, text)
            mouseClick(findChild(page, item))
            compare([listedKeys()[0], page.dictionary.targetLanguageFirst], [first, first === "alzarsi"])
        }
        compare(listedKeys(), before)
    }

    // Drags across the row from its right edge to x, in steps of the given pause.
    function swipe(row, x, pause) {
        mousePress(row, row.width - 5, row.height / 2)
        for (let at = row.width - 20; at > x; at -= 20)
            mouseMove(row, at, row.height / 2, pause)
        mouseRelease(row, x, row.height / 2, Qt.LeftButton, Qt.NoModifier, Math.max(-1, pause * 4))
    }

    function test_fullSwipeMarksAndUnmarksLearnt() {
        const index = listedKeys().indexOf("parlare")
        const verb = page.dictionary.verbAt(index)
        const list = findChild(page, "verbList")
        list.positionViewAtIndex(index, ListView.Beginning)
        const row = list.itemAtIndex(index)
        for (const learnt of [true, false]) {
            swipe(row, 2, -1)
            tryCompare(verb, "learnt", learnt)
            compare(probe.stored("learntDictionary", "parlare"), learnt)
            tryCompare(row, "swipeOffset", 0)
            const verbRow = findChild(row, "verbRow"), mark = findChild(row, "learntMark")
            compare([mark.visible, verbRow.Accessible.name.endsWith("learnt")], [learnt, learnt])
            // The swiped row does not stay grey as if pressed.
            verify(Qt.colorEqual(verbRow.background.color, Theme.surface))
        }
    }

    function test_aShortSwipeDoesNothingAndATapOpensTheTable() {
        const row = findChild(page, "verbList").itemAtIndex(0)
        // Half way across, slowly: the row springs back, and the drag is no tap.
        swipe(row, row.width * 0.5, 80)
        tryCompare(row, "swipeOffset", 0)
        compare([stack.depth, row.verb.learnt], [2, false])
        mouseClick(findChild(row, "verbRow"))
        tryCompare(stack, "busy", false)
        // On a wide window the table shows beside the list instead.
        const table = page.twoPane ? findChild(page, "verbDetail") : stack.currentItem
        compare([table.objectName, table.verb.key], [page.twoPane ? "verbDetail" : "verbTable", "alzarsi"])
    }

    function openTable(key) {
        return open("table", VerbDictionary.verbs.find(verb => verb.key === key))
    }

    function test_thirteenCardsOnTheirBlues() {
        const page = openTable("parlare")
        compare(findChild(page, "tableCards").count, probe.tenseCount(false) + 2)
        const participle = findChild(page, "tableCard0"), present = findChild(page, "tableCard1")
        compare([participle.modelData.title, participle.modelData.rows.length, present.modelData.rows.length],
                ["Participio passato", 1, 6])
        // Which blue each card takes is tested beside the model; here, that the card draws it.
        verify(Qt.colorEqual(present.color, Theme.readableFill("#4b7bec", "white")))
    }

    function test_headerLines_data() {
        return [
            {tag: "plain", key: "parlare", english: "speak", notes: false},
            {tag: "reflexive", key: "alzarsi", english: "get up", notes: false},
            {tag: "extra in italics", key: "uscire", english: "leave <i>(go out to the café)</i>", notes: false},
            {tag: "notes", key: "piovere", english: "rain", notes: true},
        ]
    }

    function test_headerLines(data) {
        const page = openTable(data.key)
        compare([findChild(page, "verbTitle").Accessible.name, findChild(page, "englishLine").text,
                 findChild(page, "notes").visible], [data.key, data.english, data.notes])
    }

    // Taps the item and returns what was said.
    function saidOnTapping(item) {
        const before = probe.said().length
        mouseClick(item)
        return probe.said().slice(before)
    }

    // Without an Italian voice a tap says nothing and the marks go; the table says why until the
    // learner dismisses it. Once a voice is there, every tap speaks.
    function test_withoutAVoiceTheTableSaysWhy() {
        probe.setVoices(["en-GB"])
        for (const [key, told] of [["parlare", true], ["essere", false]]) {
            const page = openTable(key)
            const row = findChild(findChild(page, "tableCard1"), "tableRow0")
            compare([findChild(row, "speakerMark").visible, findChild(page, "titleSpeakerMark").visible,
                     findChild(page, "speechNotice").visible,
                     findChild(page, "speechNoticeText").text.includes("speech-dispatcher-espeak-ng")],
                    [false, false, told, told])
            compare(saidOnTapping(row), [])
            if (told)
                mouseClick(findChild(page, "speechNoticeDismiss"))
            stack.pop(null, StackView.Immediate)
        }
        const page = openTable("parlare"), row = findChild(findChild(page, "tableCard1"), "tableRow0")
        probe.setVoices(["it-IT"])
        verify(findChild(row, "speakerMark").visible && !findChild(row, "loadingGear").visible)
        compare(saidOnTapping(row).concat(saidOnTapping(row), saidOnTapping(findChild(page, "verbTitle"))),
                [row.part.ttsPhrase, row.part.ttsPhrase, "parlare"])
    }
}
