import QtQuick
import QtQuick.Controls
import Flexio

// The tense switches of the games; every tap takes effect and is stored at once.
ScreenPage {
    id: page
    objectName: "settings"
    screenTitle: "App Settings"

    readonly property SettingsScreenModel settings: SettingsScreenModel {}

    Flickable {
        id: flick
        objectName: "settingsList"
        anchors.fill: parent
        contentHeight: column.implicitHeight + 20
        clip: true
        ScrollIndicator.vertical: ScrollIndicator {}

        Column {
            id: column
            width: flick.width

            Label {
                width: column.width
                padding: 25
                text: page.settings.explanation
                wrapMode: Text.WordWrap
                font.pixelSize: 12
                color: Colours.secondary
            }

            SettingsSection {
                objectName: "tenseSection"
                width: column.width
                heading: "Tense Settings"
                settings: page.settings.tenseSettings
                onToggled: setting => page.settings.toggleTense(setting as TenseSetting)
            }

            SettingsSection {
                objectName: "languageSection"
                width: column.width
                heading: "Language Settings"
                settings: page.settings.languageSettings
                onToggled: setting => page.settings.toggleLanguageSetting(setting as LanguageSetting)
            }
        }
    }
}
