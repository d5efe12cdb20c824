import QtQuick
import QtTest
import Flexio

// A fresh store: nothing missed, no verb scored and the settings as a new install has them, until
// the tests change them in the order of their numbers.
ScreenCase {
    name: "FreshStore"

    function test_1_freshStoreShowsOnlyTheEmptyCaptionAndAQuietReview() {
        let page = open("progress")
        const empty = findChild(page, "emptyCaption")
        verify(empty.visible)
        compare(empty.text, "As you work through activities, your performance stats will appear here.")
        verify(!findChild(page, "caption").visible)
        verify(!findChild(page, "progressList").visible)
        page.tab = 1
        const grid = findChild(page, "accuracyGrid")
        verify(grid.visible)
        compare([grid.grid.rows.length, grid.grid.answerCount], [11, 0])
        cleanup()

        const entry = findChild(findChild(stack.get(0), "menuEntries"), "menuEntry7")
        compare(entry.modelData.page, "review")
        verify(entry.modelData.quiet)
        page = open("review")
        verify(findChild(page, "reviewQuiet").visible)
        verify(!findChild(page, "reviewBoard").visible)
    }

    function test_2_rankedRowsWithTheirDots() {
        for (const [key, points] of [["dormire", -3], ["parlare", 2], ["guardare", 0], ["amare", 0]])
            ProgressManager.addPoints(key, points)
        const page = open("progress")
        verify(!findChild(page, "emptyCaption").visible)
        compare(findChild(page, "caption").text,
                "Verbs are assigned a score weighting as you play the games - see your ranked verbs below.")
        const list = findChild(page, "progressList")
        compare(list.count, 4)
        const expected = [["parlare", "2", Qt.rgba(0.3, 1, 0.3, 1)], ["amare", "0", Qt.rgba(1, 0.8, 0, 1)],
                          ["guardare", "0", Qt.rgba(1, 0.8, 0, 1)], ["dormire", "-3", Qt.rgba(1, 0.2, 0.2, 1)]]
        for (let i = 0; i < expected.length; ++i) {
            const row = findChild(list, "progressRow" + i)
            compare([row.modelData.verb.key, findChild(row, "scoreText").text], expected[i].slice(0, 2))
            const dot = findChild(row, "scoreDot").color
            for (const channel of ["r", "g", "b"])
                fuzzyCompare(dot[channel], expected[i][2][channel], 0.01)
        }
    }

    function test_3_listFollowsANewScoreAndARowOpensItsTable() {
        const list = findChild(open("progress"), "progressList")
        ProgressManager.addPoints("dormire", -9)
        const last = findChild(list, "progressRow3")
        compare([last.modelData.verb.key, findChild(last, "scoreText").text], ["dormire", "-12"])
        ProgressManager.addPoints("vedere", 4)
        mouseClick(findChild(list, "progressRow0"))
        tryCompare(stack, "busy", false)
        compare(stack.currentItem.objectName, "verbTable")
        compare(stack.currentItem.verb.key, "vedere")
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
