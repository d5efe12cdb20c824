import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// One quiz of the quiz menu: its title and description, and its grade seal once it has scored.
AbstractButton {
    id: entry

    required property var modelData
    readonly property Quiz quiz: modelData as Quiz
    readonly property bool sealShown: QuizScreens.showsSeal(entry.quiz.lastScore)
    readonly property color sealColour: QuizScreens.gradeColour(entry.quiz.lastScore)

    Accessible.name: entry.quiz.title
    Accessible.description: entry.quiz.description
    Accessible.role: Accessible.Button

    background: Rectangle {
        radius: 14
        color: QuizScreens.entryBackground
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
            Layout.alignment: Qt.AlignTop
        }
        ColumnLayout {
            Layout.fillWidth: true
            Layout.margins: 12
            Layout.leftMargin: 2
            spacing: 4
            Text {
                objectName: "quizTitle"
                Layout.fillWidth: true
                text: entry.quiz.title
                color: QuizScreens.entryText
                font.pixelSize: 18
                font.weight: Font.DemiBold
                wrapMode: Text.WordWrap
            }
            Text {
                objectName: "quizDescription"
                Layout.fillWidth: true
                text: entry.quiz.description
                color: QuizScreens.entryText
                font.pixelSize: 14
                wrapMode: Text.WordWrap
            }
        }
        SymbolIcon {
            objectName: "gradeSeal"
            visible: entry.sealShown
            symbol: "checkmark.seal.fill"
            size: 30
            color: entry.sealColour
            Layout.preferredWidth: visible ? 40 : 0
            Layout.rightMargin: visible ? 10 : 0
            Accessible.ignored: false
            Accessible.name: qsTr("Last score %1%").arg(entry.quiz.lastScore)
        }
    }
}
