import QtQuick
import QtQuick.Controls.Basic
import Flexio

// The tense switches of the games, the daily goal and the app's appearance; every tap takes
// effect and is stored at once.
ScreenPage {
    id: page
    objectName: "settings"
    screenTitle: "App Settings"

    readonly property SettingsScreenModel settings: ScreenModels.settings(page)

    Flickable {
        id: flick
        objectName: "settingsList"
        anchors.fill: parent
        contentHeight: column.implicitHeight + 20
        clip: true
        ScrollBar.vertical: ScrollCue {}

        FocusFollower {
            flickable: flick
        }

        Column {
            id: column
            width: Theme.contentWidth(flick.width)
            x: (flick.width - width) / 2

            Label {
                width: column.width
                padding: 25
                text: page.settings.explanation
                wrapMode: Text.WordWrap
                font.pixelSize: Theme.subhead
                color: Theme.secondaryText
            }

            SettingsSection {
                objectName: "tenseSection"
                width: column.width
                heading: "Tense Settings"
                settings: page.settings.tenseSettings
                englishFirst: page.settings.englishFirst
                onToggled: setting => page.settings.toggleTense(setting as TenseSetting)
            }

            SettingsSection {
                objectName: "displaySection"
                width: column.width
                heading: "Verb Tables"
                settings: page.settings.displaySettings
                onToggled: setting => page.settings.toggleTense(setting as TenseSetting)
            }

            // The answers a day the menu's goal card counts towards.
            ChoiceSection {
                objectName: "goalSection"
                width: column.width
                heading: qsTr("Daily Goal")
                choices: page.settings.goalChoices
                chosen: page.settings.dailyGoal
                rowName: "goalRow"
                onPicked: value => page.settings.setDailyGoal(value)
            }

            // Light, dark, or whichever the system uses.
            Column {
                objectName: "appearanceSection"
                width: column.width

                Label {
                    width: parent.width
                    leftPadding: 20
                    topPadding: 16
                    bottomPadding: 6
                    text: qsTr("Appearance").toUpperCase()
                    font.pixelSize: Theme.caption
                    color: Theme.secondaryText
                    Accessible.role: Accessible.Heading
                    Accessible.name: qsTr("Appearance")
                }
                Repeater {
                    model: [
                        {name: qsTr("Same as the system"), appearance: Theme.Appearance.followSystem},
                        {name: qsTr("Light"), appearance: Theme.Appearance.alwaysLight},
                        {name: qsTr("Dark"), appearance: Theme.Appearance.alwaysDark}
                    ]
                    SettingsRow {
                        id: appearanceRow
                        required property var modelData
                        required property int index
                        objectName: "appearanceRow" + appearanceRow.index
                        width: (appearanceRow.parent as Item)?.width ?? 0
                        name: appearanceRow.modelData.name
                        isOn: Theme.appearance === appearanceRow.modelData.appearance
                        Accessible.role: Accessible.RadioButton
                        onClicked: Theme.appearance = appearanceRow.modelData.appearance
                    }
                }
            }
        }
    }
}
