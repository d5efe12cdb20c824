import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// One grammar quiz. Before and after a game: the title, the description or the last result,
// "Play Quiz" and "Return to Menu". In play: the header, the question with its blank, the Hint
// button that reveals the question's clue, the four answers coloured by state and, after a right
// answer with an explanation, the explanation and the next button.
ScreenPage {
    id: page
    objectName: "quizScreen"

    property Quiz quiz
    readonly property QuizGame game: ScreenModels.quizGame(page)
    readonly property bool explaining: screen.explaining

    Binding {
        target: page.game
        property: "quiz"
        value: page.quiz
        when: page.quiz !== null
    }
    StackView.onActivating: DeepLinkModel.quizShown(page.game.quiz)
    StackView.onDeactivating: DeepLinkModel.quizHidden(page.game.quiz)
    StackView.onRemoved: DeepLinkModel.quizHidden(page.game.quiz)
    QuizGameScreenModel {
        id: screen
        game: page.game
    }

    // Not in play.
    Column {
        objectName: "quizIntro"
        visible: !page.game.inPlay
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 560)
        spacing: 18

        Text {
            objectName: "quizTitle"
            width: parent.width
            text: page.game.quiz.title
            font.family: Symbols.roundedFamily
            font.pixelSize: Theme.title1 - 2
            font.weight: Font.Black
            color: Theme.title
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
        Text {
            objectName: "quizIntroText"
            width: parent.width
            bottomPadding: 8
            text: page.game.played ? page.game.feedbackStr : page.game.quiz.description
            font.pixelSize: Theme.body
            color: Theme.title
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }
        QuizScreenButton {
            objectName: "playQuizButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Play Quiz"
            fill: QuizScreens.playColour
            onClicked: page.game.startQuiz(page.game.quiz)
        }
        QuizScreenButton {
            objectName: "returnButton"
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Return to Menu"
            fill: QuizScreens.returnColour
            onClicked: page.StackView.view.pop()
        }
    }

    // In play.
    Flickable {
        objectName: "quizPlay"
        visible: page.game.inPlay
        anchors.fill: parent
        contentHeight: playColumn.implicitHeight + 32
        clip: true
        ScrollBar.vertical: ScrollCue {}

        ColumnLayout {
            id: playColumn
            objectName: "playColumn"
            width: Math.min(parent.width - 32, 560)
            x: (parent.width - width) / 2
            y: 16
            spacing: 14

            QuizQuestionHeader {
                Layout.fillWidth: true
                counter: screen.counterText
                title: page.game.quiz.title
                percentage: screen.percentageText
            }
            Text {
                objectName: "questionText"
                Layout.fillWidth: true
                Layout.topMargin: 10
                Layout.bottomMargin: 10
                text: page.game.currentQuestionText
                font.pixelSize: Theme.title2
                font.weight: Font.DemiBold
                color: Theme.title
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
            QuizScreenButton {
                objectName: "hintButton"
                visible: screen.hintAvailable
                Layout.alignment: Qt.AlignHCenter // qmllint disable
                implicitWidth: 140
                implicitHeight: 40
                text: qsTr("Hint")
                fill: Theme.navy
                Accessible.description: qsTr("Shows a clue for this question")
                onClicked: screen.showHint()
            }
            Text {
                objectName: "hintText"
                visible: screen.hintShown
                Layout.fillWidth: true
                text: screen.hintText
                font.pixelSize: Theme.body
                font.italic: true
                color: Theme.text
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("Hint: %1").arg(text)
            }
            Repeater {
                objectName: "answers"
                model: screen.answers
                QuizQuestionAnswerButton {
                    required property int index
                    objectName: "answer" + index
                    Layout.fillWidth: true
                    onTapped: answer => page.game.answerTapped(answer)
                }
            }
            Text {
                objectName: "explanationText"
                visible: page.explaining
                Layout.fillWidth: true
                Layout.topMargin: 6
                text: screen.explanationText
                font.pixelSize: Theme.body
                color: Theme.title
                wrapMode: Text.WordWrap
            }
            Item {
                visible: page.explaining
                Layout.fillWidth: true
                implicitHeight: next.implicitHeight + 16
                QuizQuestionNextButton {
                    id: next
                    objectName: "nextButton"
                    visible: page.explaining
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 8
                    onClicked: page.game.nextTurn()
                }
            }
        }
    }

    ResultPanel {
        result: page.game.result
        title: page.game.quiz.title
        closeText: "Done"
        missedTitle: "Questions missed"
        nothingMissed: "No question missed."
    }
}
