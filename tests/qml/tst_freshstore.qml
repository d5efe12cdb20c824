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
        compare(empty.text, "As you work through activities, your performance stats will appear here.")
        compare([empty.visible, findChild(page, "caption").visible, findChild(page, "progressList").visible],
                [true, false, false])
        page.tab = 1
        const grid = findChild(page, "accuracyGrid")
        compare([grid.visible, grid.grid.rows.length, grid.grid.answerCount], [true, probe.tenseCount(true), 0])
        cleanup()

        const entry = findChild(findChild(stack.get(0), "menuEntries"), "menuEntry7")
        compare([entry.modelData.page, entry.modelData.quiet], ["review", true])
        page = open("review")
        compare([findChild(page, "reviewQuiet").visible, findChild(page, "reviewBoard").visible], [true, false])
    }

    function test_2_rankedRowsWithTheirDots() {
        for (const [key, points] of [["dormire", -3], ["parlare", 2], ["guardare", 0], ["amare", 0]])
            ProgressManager.addPoints(key, points)
        const page = open("progress"), list = findChild(page, "progressList")
        compare([findChild(page, "emptyCaption").visible, list.count, findChild(page, "caption").text],
                [false, 4, "Verbs are assigned a score weighting as you play the games - see your ranked verbs below."])
        const green = Qt.rgba(0.3, 1, 0.3, 1), yellow = Qt.rgba(1, 0.8, 0, 1), red = Qt.rgba(1, 0.2, 0.2, 1)
        for (const [i, key, score, colour] of [[0, "parlare", "2", green], [1, "amare", "0", yellow],
                                               [2, "guardare", "0", yellow], [3, "dormire", "-3", red]]) {
            const row = findChild(list, "progressRow" + i)
            compare([row.modelData.verb.key, findChild(row, "scoreText").text], [key, score])
            for (const channel of "rgb")
                fuzzyCompare(findChild(row, "scoreDot").color[channel], colour[channel], 0.01)
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
        compare([stack.currentItem.objectName, stack.currentItem.verb.key], ["verbTable", "vedere"])
    }

    function openSettings() {
        mouseClick(findChild(stack.get(0), "settingsButton"))
        tryCompare(stack, "busy", false)
        return stack.currentItem
    }

    function rows(page) {
        return itemsUnder(findChild(page, "tenseSection"), item => item.objectName.startsWith("settingRow"))
    }

    function checked(row) { return findChild(row, "checkmark").visible }

    function test_1_freshInstallChecksOnlyPresent() {
        const page = openSettings(), all = rows(page)
        const heading = findChild(findChild(page, "tenseSection"), "sectionHeading").text
        compare([page.screenTitle, heading, all.length, all[0].name, all[0].detail],
                ["App Settings", "TENSE SETTINGS", probe.tenseCount(false), "Presente", "Present"])
        for (let i = 0; i < all.length; ++i)
            compare([checked(all[i]), all[i].Accessible.name], [i === 0, all[i].name + ", " + all[i].detail])
    }

    function test_2_tapStoresTheSwitch_data() {
        return [
            // The last tense on stays on, and nothing is stored.
            {tag: "Present stays on", name: "Present", index: 0, taps: 1, expected: true, stored: undefined},
            {tag: "Future on", name: "Future", index: 6, taps: 1, expected: true},
            {tag: "Imperfect twice", name: "Imperfect", index: 1, taps: 2, expected: false},
        ]
    }

    function test_2_tapStoresTheSwitch(data) {
        const row = rows(openSettings())[data.index]
        compare(row.setting.tenseName, data.name)
        for (let i = 0; i < data.taps; ++i)
            mouseClick(row)
        compare([checked(row), probe.stored("flagDictionary", data.name)],
                [data.expected, "stored" in data ? data.stored : data.expected])
        cleanup()
        // Reopened, the screen shows the same switches.
        compare(checked(rows(openSettings())[data.index]), data.expected)
    }

    // A goal row is a choice of one; the menu counts towards the goal chosen.
    function test_3_goalRowSetsTheMenusGoal() {
        const page = openSettings(), row = findChild(page, "goalRow2"), flick = findChild(page, "settingsList")
        compare([findChild(stack.get(0), "goalText").text, findChild(stack.get(0), "streakText").text],
                ["0 of 20 answers today", "Meet your goal 5 days in a week to start a streak"])
        compare([checked(findChild(page, "goalRow1")), row.name], [true, "30 answers a day"])
        flick.contentY = Math.min(row.mapToItem(flick.contentItem, 0, 0).y, flick.contentHeight - flick.height)
        mouseClick(row)
        // The menu's goal is read back from the store.
        compare([checked(findChild(page, "goalRow1")), checked(row), findChild(stack.get(0), "goalText").text],
                [false, true, "0 of 30 answers today"])
    }
}
