import QtQuick
import QtQuick.Controls.Basic
import Flexio

// A section of the settings list whose rows are a choice of one: its heading, and one row per
// choice ({name, value}) with a checkmark on the chosen value. Taps are reported through picked.
Column {
    id: section

    property string heading
    property var choices: []
    property var chosen
    // The rows' object names: rowName followed by the row's index.
    property string rowName: "choiceRow"
    signal picked(var value)

    Label {
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
        model: section.choices

        SettingsRow {
            id: row
            required property var modelData
            required property int index
            readonly property ChoiceSection choice: row.parent as ChoiceSection
            objectName: (row.choice?.rowName ?? "") + row.index
            width: row.choice?.width ?? 0
            name: row.modelData.name
            isOn: row.choice?.chosen === row.modelData.value
            Accessible.role: Accessible.RadioButton
            onClicked: row.choice?.picked(row.modelData.value)
        }
    }
}
