import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// The conjugation quiz: the turn counter and accuracy, the outlined time bar, the English prompt
// with its pronoun hint, and one button per Italian form; the set-up sheet covers it between games.
ScreenPage {
    id: page
    objectName: "conjugationQuiz"
    screenTitle: game.gameName

    readonly property ConjQuiz game: ConjQuiz {
    }
    readonly property alias sheet: sheet

    ColumnLayout {
        id: board
        objectName: "board"
        anchors.fill: parent
        anchors.margins: 16
        spacing: 14
        visible: page.game.inPlay

        // The header.
        RowLayout {
            Layout.fillWidth: true
            Label {
                objectName: "turnCounter"
                text: (page.game.currentTurn + 1) + "/" + page.game.verbsPerPlay
                color: Colours.secondary
                font.pixelSize: 13
            }
            Item {
                Layout.fillWidth: true
            }
            Label {
                objectName: "accuracy"
                text: "Accuracy: " + page.game.accuracy + "%"
                color: Colours.secondary
                font.pixelSize: 13
            }
        }

        TimeBar {
            objectName: "timeBar"
            Layout.fillWidth: true
            Layout.preferredHeight: 40
            radius: 20
            fraction: page.game.timeElapsed
            barColour: "#e74c3c"
            outlineColour: "black"
            outlineWidth: 2.5
        }

        // The question.
        ColumnLayout {
            Layout.fillWidth: true
            Layout.topMargin: 10
            spacing: 6
            Label {
                objectName: "prompt"
                Layout.fillWidth: true
                text: page.game.currentQuestion.question
                font.pixelSize: 30
                font.weight: Font.DemiBold
                color: "black"
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
            Label {
                objectName: "hint"
                Layout.fillWidth: true
                visible: text.length > 0
                text: page.game.currentQuestion.questionHint
                font.pixelSize: 18
                color: Colours.secondary
                horizontalAlignment: Text.AlignHCenter
            }
        }

        Item {
            Layout.fillHeight: true
        }

        ScreenList {
            objectName: "answers"
            Layout.fillWidth: true
            Layout.preferredHeight: contentHeight
            interactive: false
            spacing: 12
            // Qt 6.4's qmllint does not know lists of object pointers.
            model: page.game.currentQuestion.alts // qmllint disable type
            delegate: ConjugationQuizAnswerButton {
                width: ListView.view.width
                height: 56
            }
            onChosen: answer => page.game.answerTapped(answer)
        }

        Item {
            Layout.fillHeight: true
        }
    }

    GameSheetView {
        id: sheet
        gameObject: page.game
    }

    // One answer: blue until tapped, then green if right and red if wrong.
    component ConjugationQuizAnswerButton: AbstractButton {
        id: answerButton
        required property ConjugationQuizAnswer modelData
        required property int index
        readonly property ConjugationQuizAnswer answer: modelData
        objectName: "answer" + index
        Accessible.name: answer.text
        onClicked: (answerButton.ListView.view as ScreenList).chosen(answerButton.answer)
        background: Rectangle {
            radius: 14
            color: answerButton.answer.status === AnswerStatus.AnswerStatus.correct
                   ? "#27ae60"
                   : answerButton.answer.status === AnswerStatus.AnswerStatus.incorrect
                     ? "#e74c3c" : "#0984e3"
            opacity: answerButton.down ? 0.8 : 1
        }
        contentItem: Text {
            text: answerButton.answer.text
            color: "white"
            font.pixelSize: 22
            font.weight: Font.DemiBold
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 12
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
