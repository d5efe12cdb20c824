import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

ScreenCase {
    id: testCase
    name: "VerbTable"

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
        probe.setVoices(["it-IT", "en-GB"])
    }

    function test_thirteenCardsOnTheirBlues() {
        const page = openTable("parlare")
        compare(findChild(page, "tableCards").count, 13)
        const participle = findChild(page, "tableCard0"), present = findChild(page, "tableCard1")
        compare([participle.modelData.title, participle.modelData.rows.length, present.modelData.rows.length],
                ["Past Participle", 1, 6])
        verify(Qt.colorEqual(participle.color, "#4a69bd") && Qt.colorEqual(present.color, "#4b7bec"))
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
