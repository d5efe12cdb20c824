import QtQuick
import QtTest
import Flexio

// A fresh store: the settings start as a new install has them.
ScreenCase {
    name: "Settings"

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
        compare([all.length, all[0].name], [11, "Present"])
        compare(findChild(findChild(page, "tenseSection"), "sectionHeading").text, "TENSE SETTINGS")
        for (let i = 0; i < all.length; ++i)
            compare([checked(all[i]), all[i].Accessible.name], [i === 0, all[i].name])
        // The language list is empty, so its section is not drawn.
        compare(page.settings.languageSettings.length, 0)
        verify(!findChild(page, "languageSection").visible)
    }

    function test_2_tapStoresTheSwitch_data() {
        return [
            {tag: "Present off", name: "Present", index: 0, taps: 1, expected: false},
            {tag: "Future on", name: "Future", index: 5, taps: 1, expected: true},
            {tag: "Imperfect twice", name: "Imperfect", index: 1, taps: 2, expected: false},
        ]
    }

    function test_2_tapStoresTheSwitch(data) {
        const row = rows(openSettings())[data.index]
        compare(row.name, data.name)
        for (let i = 0; i < data.taps; ++i)
            mouseClick(row)
        compare(checked(row), data.expected)
        compare(probe.stored("flagDictionary", data.name), data.expected)
        cleanup()
        // Reopened, the screen shows the same switches.
        compare(checked(rows(openSettings())[data.index]), data.expected)
    }
}
