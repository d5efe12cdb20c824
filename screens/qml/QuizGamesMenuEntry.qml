import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// One quiz of the quiz menu: its title and description, and its grade seal once it has scored.
AbstractButton {
    id: entry

    required property var modelData
    readonly property Quiz quiz: modelData as Quiz
    readonly property bool sealShown: entryModel.sealShown
    readonly property color sealColour: entryModel.sealColour

    QuizMenuEntryModel {
        id: entryModel
        quiz: entry.quiz
    }

    Accessible.name: entryModel.title
    Accessible.description: entryModel.description
    Accessible.role: Accessible.Button

    background: Rectangle {
        radius: Theme.radius + 2
        color: Theme.readableFill(QuizScreens.entryBackground, QuizScreens.entryText)
        FocusRing {
            shown: entry.activeFocus && (entry.ListView.view?.activeFocus ?? false)
            radius: Theme.radius + 4
        }
        opacity: entry.down ? 0.7 : 1
    }
    contentItem: RowLayout {
        spacing: 0
        SymbolIcon {
            symbol: "square.and.pencil.circle.fill"
            size: 32
            color: QuizScreens.entryText
            Layout.preferredWidth: 40
            Layout.preferredHeight: 40
            Layout.margins: 10
        }
        ColumnLayout {
            Layout.fillWidth: true
            Layout.margins: 12
            Layout.leftMargin: 2
            spacing: 4
            Text {
                objectName: "quizTitle"
                Layout.fillWidth: true
                text: entryModel.title
                color: QuizScreens.entryText
                font.pixelSize: Theme.title3 - 2
                font.weight: Font.DemiBold
                wrapMode: Text.WordWrap
            }
            Text {
                objectName: "quizDescription"
                Layout.fillWidth: true
                text: entryModel.description
                color: QuizScreens.entryText
                font.pixelSize: Theme.subhead
                wrapMode: Text.WordWrap
            }
        }
        SymbolIcon {
            objectName: "gradeSeal"
            visible: entryModel.sealShown
            symbol: "checkmark.seal.fill"
            size: 30
            color: entryModel.sealColour
            Layout.preferredWidth: visible ? 40 : 0
            Layout.rightMargin: visible ? 10 : 0
            Accessible.ignored: false
            Accessible.name: entryModel.scoreText
        }
    }
}
