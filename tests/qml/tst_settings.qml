import QtQuick
import QtQuick.Controls
import QtTest
import Flexio

// A fresh store: the settings start as a new install has them.
TestCase {
    id: testCase
    name: "Settings"
    width: 390
    height: 844
    visible: true
    when: windowShown

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: MainMenuPage {}
    }

    function openSettings() {
        mouseClick(findChild(stack.get(0), "settingsButton"))
        tryCompare(stack, "busy", false)
        return stack.currentItem
    }

    function rows(page) {
        const section = findChild(page, "tenseSection")
        const found = []
        for (let i = 0; findChild(section, "settingRow" + i); ++i)
            found.push(findChild(section, "settingRow" + i))
        return found
    }

    function checked(row) {
        return findChild(row, "checkmark").visible
    }

    function test_1_freshInstallChecksOnlyPresent() {
        const page = openSettings()
        compare(page.screenTitle, "App Settings")
        const all = rows(page)
        compare(all.length, 11)
        compare(all[0].name, "Present")
        compare(findChild(findChild(page, "tenseSection"), "sectionHeading").text, "TENSE SETTINGS")
        for (let i = 0; i < all.length; ++i) {
            compare(checked(all[i]), i === 0, all[i].name)
            compare(all[i].Accessible.name, all[i].name)
        }
        // The language list is empty, so its section is not drawn.
        compare(page.settings.languageSettings.length, 0)
        verify(!findChild(page, "languageSection").visible)
        stack.pop(null, StackView.Immediate)
    }

    function test_2_tapStoresTheSwitch_data() {
        return [
            {tag: "Present off", name: "Present", index: 0, taps: 1, expected: false},
            {tag: "Future on", name: "Future", index: 5, taps: 1, expected: true},
            {tag: "Imperfect twice", name: "Imperfect", index: 1, taps: 2, expected: false},
        ]
    }

    function test_2_tapStoresTheSwitch(data) {
        const page = openSettings()
        const row = rows(page)[data.index]
        compare(row.name, data.name)
        for (let i = 0; i < data.taps; ++i)
            mouseClick(row)
        compare(checked(row), data.expected)
        compare(helper.stored("flagDictionary", data.name), data.expected)
        stack.pop(null, StackView.Immediate)
        // Reopened, the screen shows the same switches.
        const again = rows(openSettings())[data.index]
        compare(checked(again), data.expected)
        stack.pop(null, StackView.Immediate)
    }
}
