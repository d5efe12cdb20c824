import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The conjugation quiz: the turn counter and accuracy, the outlined time bar, the English prompt
// with its pronoun hint, and one button per Italian form, or in typed mode the answer being typed
// over the answer keyboard; the set-up sheet covers it between games.
ScreenPage {
    id: page
    objectName: "conjugationQuiz"
    // The sheet's banner carries the title while it shows.
    screenTitle: sheet.showing ? "" : game.gameName

    readonly property ConjQuiz game: ScreenModels.game("conjugation", page) as ConjQuiz
    readonly property alias sheet: sheet

    // The board scrolls where the window is too short for it, as on a phone turned on its side.
    Flickable {
        id: boardFlick
        anchors.fill: parent
        anchors.margins: Theme.margin
        contentHeight: board.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        interactive: contentHeight > height
        visible: page.game.inPlay
        focus: visible && page.game.typedMode

        // A hardware keyboard types the answer.
        Keys.onPressed: event => {
            if (event.key === Qt.Key_Backspace)
                page.game.backspace();
            else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
                page.game.submit();
            else if (event.text.length === 1)
                page.game.typeKey(event.text);
            else
                return;
            event.accepted = true;
        }

        ColumnLayout {
            id: board
            objectName: "board"
            width: Theme.contentWidth(page.width) - 2 * Theme.margin
            height: Math.max(boardFlick.height, implicitHeight)
            x: (boardFlick.width - width) / 2
            spacing: 14

            // The header.
            RowLayout {
                Layout.fillWidth: true
                Label {
                    objectName: "turnCounter"
                    text: (page.game.currentTurn + 1) + "/" + page.game.verbsPerPlay
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
                Item {
                    Layout.fillWidth: true
                }
                Label {
                    objectName: "accuracy"
                    text: page.game.accuracyText
                    color: Theme.secondaryText
                    font.pixelSize: Theme.caption
                }
            }

            TimeBar {
                objectName: "timeBar"
                Layout.fillWidth: true
                Layout.preferredHeight: 40
                radius: 20
                fraction: page.game.timeElapsed
                barColour: Theme.red
                outlineColour: Theme.text
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
                    font.pixelSize: Theme.display
                    font.weight: Font.DemiBold
                    color: Theme.text
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                }
                Label {
                    objectName: "hint"
                    Layout.fillWidth: true
                    visible: text.length > 0
                    text: page.game.currentQuestion.questionHint
                    font.pixelSize: Theme.title3 - 2
                    color: Theme.secondaryText
                    horizontalAlignment: Text.AlignHCenter
                }
            }

            Item {
                Layout.fillHeight: true
            }

            // The typed answer, green when right and red otherwise.
            Rectangle {
                objectName: "typedAnswer"
                visible: page.game.typedMode
                Layout.fillWidth: true
                Layout.preferredHeight: 56
                radius: Theme.radius + 2
                readonly property int status: page.game.typedStatus
                color: status === AnswerStatus.AnswerStatus.correct ? Theme.readableFill(Theme.green, Theme.onColour)
                     : status === AnswerStatus.AnswerStatus.incorrect ? Theme.readableFill(Theme.red, Theme.onColour)
                     : Theme.field
                border.color: Theme.text
                border.width: status === AnswerStatus.AnswerStatus.undefined ? 2 : 0
                Text {
                    anchors.fill: parent
                    anchors.margins: 8
                    text: page.game.typed + (parent.status === AnswerStatus.AnswerStatus.undefined ? "\u2502" : "")
                    color: parent.status === AnswerStatus.AnswerStatus.undefined ? Theme.text : Theme.onColour
                    font.pixelSize: Theme.title2
                    font.weight: Font.DemiBold
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Theme.caption
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    Accessible.role: Accessible.EditableText
                    Accessible.name: "Your answer: " + page.game.typed
                }
            }

            AnswerKeyboard {
                visible: page.game.typedMode
                Layout.fillWidth: true
                onKeyTapped: letter => page.game.typeKey(letter)
                onDeleteTapped: page.game.backspace()
                onSubmitTapped: page.game.submit()
            }

            ScreenList {
                objectName: "answers"
                visible: !page.game.typedMode
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
    }

    GameSheetView {
        id: sheet
        gameObject: page.game
    }

    GameOverlays {
        game: page.game
        screen: page
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
            radius: Theme.radius + 2
            color: Theme.readableFill(answerButton.answer.status === AnswerStatus.AnswerStatus.correct
                   ? Theme.green
                   : answerButton.answer.status === AnswerStatus.AnswerStatus.incorrect
                     ? Theme.red : Theme.blue, Theme.onColour)
            opacity: answerButton.down ? 0.8 : 1
            FocusRingOnFill {
                shown: answerButton.visualFocus
                radius: Theme.radius + 4
            }
        }
        contentItem: Text {
            text: answerButton.answer.text
            color: Theme.onColour
            font.pixelSize: Theme.title2
            font.weight: Font.DemiBold
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: Theme.caption
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
