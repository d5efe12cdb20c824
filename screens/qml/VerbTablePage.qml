import QtQuick
import Flexio

// One verb: its infinitive (tap to hear it), English meaning, notes and every conjugation table.
ScreenPage {
    id: page
    objectName: "verbTable"

    property alias verb: content.verb
    readonly property VerbTableModel model: content.model

    VerbTableView {
        id: content
        anchors.fill: parent
    }
}
