import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// The dictionary screen (how the model searches and sorts is tested beside it) and the verb table.
// Every test starts on the dictionary.
ScreenCase {
    id: testCase
    name: "VerbScreens"

    property var page: null

    function init() {
        page = open("dictionary")
    }

    function listedKeys() {
        const keys = []
        for (let i = 0; i < page.dictionary.count; ++i)
            keys.push(page.dictionary.verbAt(i).key)
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
            {tag: "accented capitals", search: "CAFÉ", keys: ["uscire"]},
            {tag: "no match", search: "xyz", keys: []},
        ]
    }

    function test_searchFilters(data) {
        typeSearch(data.search)
        compare(page.dictionary.searchText, data.search)
        compare(listedKeys(), data.keys)
        compare(findChild(page, "verbList").count, data.keys.length)
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
            compare(listedKeys()[0], first)
            compare(page.dictionary.targetLanguageFirst, first === "alzarsi")
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
            compare(findChild(row, "learntMark").visible, learnt)
            compare(findChild(row, "verbRow").Accessible.name.endsWith("learnt"), learnt)
            // The swiped row does not stay grey as if pressed.
            verify(Qt.colorEqual(findChild(row, "verbRow").background.color, Theme.surface))
        }
    }

    function test_aShortSwipeDoesNothingAndATapOpensTheTable() {
        const row = findChild(page, "verbList").itemAtIndex(0)
        // Half way across, slowly: the row springs back, and the drag is no tap.
        swipe(row, row.width * 0.5, 80)
        compare(stack.depth, 2)
        tryCompare(row, "swipeOffset", 0)
        compare(row.verb.learnt, false)
        mouseClick(findChild(row, "verbRow"))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem.objectName, "verbTable")
        compare(stack.currentItem.verb.key, "alzarsi")
    }

    Component {
        id: rowComponent
        VerbTableRow {
            width: 300
        }
    }

    function openTable(key) {
        return open("table", VerbDictionary.verbs.find(verb => verb.key === key))
    }

    function cleanup() {
        stack.pop(null, StackView.Immediate)
        tryCompare(stack, "busy", false)
        probe.setVoices(["it-IT", "en-GB"])
    }

    function test_thirteenCardsOnTheirBlues() {
        const page = openTable("parlare")
        compare(findChild(page, "tableCards").count, 13)
        const participle = findChild(page, "tableCard0"), present = findChild(page, "tableCard1")
        compare([participle.modelData.title, participle.modelData.rows.length, present.modelData.rows.length],
                ["Past Participle", 1, 6])
        verify(Qt.colorEqual(participle.modelData.colour, "#4a69bd") && Qt.colorEqual(present.modelData.colour, "#4b7bec"))
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
        compare(findChild(page, "verbTitle").Accessible.name, data.key)
        compare(findChild(page, "englishLine").text, data.english)
        compare(findChild(page, "notes").visible, data.notes)
    }

    function test_tappingTheTitleAndARowSpeaks() {
        let page = openTable("alzarsi")
        let before = probe.said().length
        mouseClick(findChild(page, "verbTitle"))
        compare(probe.said().slice(before), ["alzarsi"])
        cleanup()
        page = openTable("parlare")
        before = probe.said().length
        const row = findChild(findChild(page, "tableCard1"), "tableRow0")
        mouseClick(row)
        compare(probe.said().slice(before), [row.part.ttsPhrase])
        verify(!findChild(row, "loadingGear").visible)
    }

    function test_speechDisabledRowNeitherSpeaksNorTurns() {
        // No built-in voice: an enabled row would fetch a clip and show the gear.
        probe.setVoices([])
        const row = createTemporaryObject(rowComponent, testCase, {
            part: {pronoun: "io", text: "parlo", translation: "I speak", isVerbFirst: false, pronounShown: true,
                   pronounOpacity: 1, ttsEnabled: false, ttsPhrase: "io parlo", locale: "it-IT"}})
        const before = probe.said().length
        mouseClick(row)
        compare(probe.said().length, before)
        verify(!findChild(row, "loadingGear").visible)
        compare(row.speech.waitingForSoundLoad, false)
    }
}
