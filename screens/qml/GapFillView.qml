import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The gap-fill game: the turn counter and accuracy, the English hint, the form's tags, the form
// with its hidden letters, a check mark once it is spelled, and the keyboard of its letters. On a
// hardware keyboard, typing a letter taps its key. The set-up sheet covers it between games.
ScreenPage {
    id: page
    objectName: "gapFill"
    // The sheet's banner carries the title while it shows.
    screenTitle: sheet.showing ? "" : game.gameName

    readonly property GapFill game: ScreenModels.game("gapfill", page) as GapFill
    readonly property alias sheet: sheet

    ColumnLayout {
        id: board
        objectName: "board"
        width: Theme.contentWidth(parent.width) - 2 * Theme.margin
        height: parent.height - 2 * Theme.margin
        anchors.centerIn: parent
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
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
            }
            Item {
                Layout.fillWidth: true
            }
            Label {
                objectName: "accuracy"
                text: "Accuracy: " + page.game.accuracy + "%"
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
            }
        }

        Label {
            objectName: "hint"
            Layout.fillWidth: true
            text: page.game.currentGapFillTurn.hint
            font.pixelSize: Theme.display
            font.weight: Font.DemiBold
            color: Theme.text
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
                    color: Theme.title
                    font.pixelSize: Theme.caption
                    padding: 5
                    background: Rectangle {
                        radius: Theme.gap + 2
                        color: Theme.pressed
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
                font.pixelSize: Theme.display + 2
                font.letterSpacing: 2
                color: Theme.title
                wrapMode: Text.WrapAnywhere
                horizontalAlignment: Text.AlignHCenter
            }
            SymbolIcon {
                objectName: "checkMark"
                visible: page.game.turnWon
                symbol: "checkmark.circle.fill"
                size: 40
                color: Theme.green
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

    GameOverlays {
        game: page.game
        screen: page
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
            radius: Theme.smallRadius + 2
            color: Theme.readableFill(keyView.key.status === AnswerStatus.AnswerStatus.correct ? Theme.green
                 : keyView.key.status === AnswerStatus.AnswerStatus.incorrect ? Theme.red : Theme.blue, Theme.onColour)
            opacity: keyView.down ? 0.8 : 1
            FocusRingOnFill {
                shown: keyView.visualFocus
                radius: Theme.radius + 2
            }
        }
        contentItem: Text {
            text: keyView.key.letter
            color: Theme.onColour
            font.pixelSize: Theme.title2 + 2
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
