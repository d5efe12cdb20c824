import QtQuick
import QtQuick.Controls.Basic
import Flexio

// One section of the settings list: its heading and one row per switch. Taps are reported
// through toggled; the section is drawn only when it has rows.
Column {
    id: section

    property string heading
    property var settings: []
    property bool englishFirst: false
    signal toggled(QtObject setting)

    visible: rows.count > 0

    Label {
        objectName: "sectionHeading"
        width: section.width
        leftPadding: 20
        topPadding: 16
        bottomPadding: 6
        text: section.heading.toUpperCase()
        font.pixelSize: Theme.caption
        color: Theme.secondaryText
        Accessible.role: Accessible.Heading
        Accessible.name: section.heading
    }

    Repeater {
        id: rows
        model: section.settings

        SettingsRow {
            id: row
            required property var modelData
            required property int index
            objectName: "settingRow" + index
            width: parent ? parent.width : 0
            setting: modelData
            englishFirst: row.parent ? (row.parent as SettingsSection).englishFirst : false
            onClicked: (row.parent as SettingsSection).toggled(row.modelData)
        }
    }
}
