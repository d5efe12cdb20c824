import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// The tense switches of the games; every tap takes effect and is stored at once.
ScreenPage {
    id: page
    objectName: "settings"
    screenTitle: "App Settings"

    // A fresh holder of the very switches the games read.
    readonly property VerbSettings settings: VerbSettings {}

    ListView {
        id: list
        objectName: "settingsList"
        anchors.fill: parent
        clip: true
        ScrollIndicator.vertical: ScrollIndicator {}

        header: Label {
            width: ListView.view.width
            padding: 25
            text: "These settings control the verb forms that appear in the games. Simply check the items you would like to test, and ensure that the others are unchecked for now. As you master the verb system, you can add in more tenses to test."
            wrapMode: Text.WordWrap
            font.pixelSize: 12
            color: Colours.secondary
        }

        model: page.settings.tenseSettings
        delegate: SettingsRow {
            required property TenseSetting modelData
            required property int index
            objectName: "tenseRow" + index
            width: ListView.view.width
            name: modelData.tenseName
            checked: modelData.status
            heading: index === 0 ? "Tense Settings" : ""
            onClicked: page.settings.toggleTense(modelData)
        }

        footer: Column {
            width: ListView.view.width
            Repeater {
                model: page.settings.languageSettings
                SettingsRow {
                    required property LanguageSetting modelData
                    required property int index
                    width: ListView.view.width
                    name: modelData.settingName
                    checked: modelData.status
                    heading: index === 0 ? "Language Settings" : ""
                    onClicked: page.settings.toggleLanguageSetting(modelData)
                }
            }
        }
    }
}
