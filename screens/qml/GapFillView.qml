import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// The gap-fill game: the turn counter and accuracy, the English hint, the form's tags, the form
// with its hidden letters, a check mark once it is spelled, and the keyboard of its letters. On a
// hardware keyboard, typing a letter taps its key. The set-up sheet covers it between games.
ScreenPage {
    id: page
    objectName: "gapFill"
    screenTitle: game.gameName

    readonly property GapFill game: GapFill {
    }
    readonly property alias sheet: sheet

    ColumnLayout {
        id: board
        objectName: "board"
        anchors.fill: parent
        anchors.margins: 16
        spacing: 12
        visible: page.game.inPlay
        focus: page.game.inPlay
        onVisibleChanged: {
            if (visible)
                forceActiveFocus();
        }

        Keys.onPressed: event => {
            const letter = event.text.toLowerCase();
            if (letter.length !== 1)
                return;
            for (const key of page.game.letters) { // qmllint disable type
                if (key.letter === letter) {
                    page.game.letterTapped(letter);
                    event.accepted = true;
                    return;
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Label {
                objectName: "turnCounter"
                text: (page.game.currentTurn + 1) + "/" + page.game.questionsPerGame
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

        Label {
            objectName: "hint"
            Layout.fillWidth: true
            text: page.game.currentGapFillTurn.hint
            font.pixelSize: 30
            font.weight: Font.DemiBold
            color: "black"
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
        }

        Flow {
            objectName: "tags"
            Layout.fillWidth: true
            spacing: 6
            Repeater {
                model: page.game.currentGapFillTurn.tags
                delegate: Label {
                    required property string modelData
                    text: modelData
                    color: Colours.dark
                    font.pixelSize: 12
                    padding: 5
                    background: Rectangle {
                        radius: 6
                        color: "#e5e5ea"
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10
            Label {
                objectName: "gapped"
                Layout.fillWidth: true
                text: page.game.gapped
                font.pixelSize: 32
                font.letterSpacing: 2
                color: Colours.dark
                wrapMode: Text.WrapAnywhere
                horizontalAlignment: Text.AlignHCenter
            }
            SymbolIcon {
                objectName: "checkMark"
                visible: page.game.turnWon
                symbol: "checkmark.circle.fill"
                size: 40
                color: "#27ae60"
                Layout.preferredWidth: 40
                Layout.preferredHeight: 40
            }
        }

        Item {
            Layout.fillHeight: true
        }

        // The keyboard.
        GapFillKeyboard {
            objectName: "keyboard"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.ceil(count / Math.max(1, Math.floor(width / cellWidth))) * cellHeight
            Layout.bottomMargin: 10
            // Qt 6.4's qmllint does not know lists of object pointers.
            model: page.game.letters // qmllint disable type
            delegate: GapFillKeyboardKeyView {
            }
            onKeyTapped: letter => page.game.letterTapped(letter)
        }
    }

    GameSheetView {
        id: sheet
        gameObject: page.game
    }

    // One key: blue, or green or red for a moment after it was tapped right or wrong.
    component GapFillKeyboardKeyView: AbstractButton {
        id: keyView
        required property GapFillKeyboardKey modelData
        required property int index
        readonly property GapFillKeyboardKey key: modelData
        objectName: "key" + index
        width: 50
        height: 50
        Accessible.name: key.letter
        onClicked: (keyView.GridView.view as GapFillKeyboard).keyTapped(keyView.key.letter)
        background: Rectangle {
            radius: 10
            color: keyView.key.status === AnswerStatus.AnswerStatus.correct ? "#27ae60"
                 : keyView.key.status === AnswerStatus.AnswerStatus.incorrect ? "#e74c3c" : "#0984e3"
            opacity: keyView.down ? 0.8 : 1
        }
        contentItem: Text {
            text: keyView.key.letter
            color: "white"
            font.pixelSize: 24
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
