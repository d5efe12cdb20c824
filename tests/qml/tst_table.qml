import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

TestCase {
    id: testCase
    name: "VerbTable"
    width: 390
    height: 844
    visible: true
    when: windowShown

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: MainMenuPage {}
    }

    Component {
        id: rowComponent
        VerbTableRow {
            width: 300
        }
    }

    function verbNamed(key) {
        for (const verb of VerbDictionary.verbs) {
            if (verb.key === key)
                return verb
        }
        return null
    }

    function openTable(key) {
        const page = stack.get(0).openScreen("table", verbNamed(key))
        tryCompare(stack, "busy", false)
        return page
    }

    function cleanup() {
        stack.pop(null, StackView.Immediate)
        probe.setVoices(["it-IT", "en-GB"])
    }

    function test_thirteenCardsOnTheirBlues() {
        const page = openTable("parlare")
        const cards = findChild(page, "tableCards")
        compare(cards.count, 13)
        const participle = findChild(page, "tableCard0")
        compare(participle.modelData.title, "Past Participle")
        compare(participle.modelData.rows.length, 1)
        verify(Qt.colorEqual(participle.color, "#4a69bd"))
        const present = findChild(page, "tableCard1")
        compare(present.modelData.rows.length, 6)
        verify(Qt.colorEqual(present.modelData.colour, "#4b7bec"))
        verify(Qt.colorEqual(present.color, Theme.readableFill("#4b7bec", "white")))
    }

    function test_headerLines_data() {
        return [
            {tag: "plain", key: "parlare", title: "parlare", english: "speak", notes: false},
            {tag: "reflexive", key: "alzarsi", title: "alzarsi", english: "get up", notes: false},
            {tag: "extra in italics", key: "uscire", title: "uscire", english: "leave <i>(go out to the café)</i>",
             notes: false},
            {tag: "notes", key: "piovere", title: "piovere", english: "rain", notes: true},
        ]
    }

    function test_headerLines(data) {
        const page = openTable(data.key)
        compare(findChild(page, "verbTitle").Accessible.name, data.title)
        compare(findChild(page, "englishLine").text, data.english)
        compare(findChild(page, "notes").visible, data.notes)
    }

    function test_tappingTheTitleSpeaksIt() {
        const page = openTable("alzarsi")
        const before = probe.said().length
        mouseClick(findChild(page, "verbTitle"))
        compare(probe.said().slice(before), ["alzarsi"])
    }

    function test_tappingARowSpeaksItsForm() {
        const page = openTable("parlare")
        const cards = findChild(page, "tableCards")
        const present = findChild(page, "tableCard1")
        const before = probe.said().length
        const row = findChild(present, "tableRow0")
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
