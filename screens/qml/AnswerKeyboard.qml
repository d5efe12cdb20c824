import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The answer keyboard of the typed games: the keys (letters, the accented vowels, the apostrophe
// and a space) when the keyboard shows, then a row with delete, the show or hide switch and the
// answer button. Taps are reported through the signals; a hardware keyboard reaches the game
// through its screen.
ColumnLayout {
    id: keyboard
    objectName: "answerKeyboard"

    // Whether the learner is typing: the keys and delete show only then.
    property bool typing: true
    property string submitText: "Check"
    property bool submitShown: true
    readonly property AnswerKeyboardModel model: ScreenModels.answerKeyboard(keyboard)

    signal keyTapped(string letter)
    signal deleteTapped
    signal submitTapped

    spacing: 10

    GapFillKeyboard {
        objectName: "answerKeys"
        visible: keyboard.typing && keyboard.model.shown
        Layout.fillWidth: true
        Layout.preferredHeight: Math.ceil(count / Math.max(1, Math.floor(keyboard.width / cellWidth))) * cellHeight
        cellWidth: 44
        cellHeight: 50
        model: keyboard.model.keys
        onKeyTapped: letter => keyboard.keyTapped(letter)
        delegate: AbstractButton {
            id: keyView
            required property string modelData
            focusPolicy: Qt.NoFocus // qmllint disable
            width: 40
            height: 46
            Accessible.name: modelData === " " ? qsTr("space") : modelData
            onClicked: (keyView.GridView.view as GapFillKeyboard).keyTapped(keyView.modelData)
            background: Rectangle {
                radius: Theme.smallRadius + 2
                color: Theme.readableFill(Theme.blue, Theme.onColour)
                opacity: keyView.down ? 0.8 : 1
            }
            contentItem: Text {
                text: keyView.modelData === " " ? "\u2423" : keyView.modelData
                color: Theme.onColour
                font.pixelSize: Theme.title3
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 12
        Button {
            objectName: "answerDelete"
            focusPolicy: Qt.NoFocus // qmllint disable
            visible: keyboard.typing
            Layout.preferredHeight: Theme.tapSize
            Layout.preferredWidth: Theme.tapSize
            text: "\u232b"
            Accessible.name: qsTr("Delete a letter")
            onClicked: keyboard.deleteTapped()
        }
        Button {
            objectName: "keyboardSwitch"
            focusPolicy: Qt.NoFocus // qmllint disable
            visible: keyboard.typing
            Layout.preferredHeight: Theme.tapSize
            text: keyboard.model.shown ? qsTr("Hide keys") : qsTr("Show keys")
            Accessible.name: text
            onClicked: keyboard.model.shown = !keyboard.model.shown
        }
        Item {
            Layout.fillWidth: true
        }
        Button {
            objectName: "answerSubmit"
            focusPolicy: Qt.NoFocus // qmllint disable
            visible: keyboard.submitShown
            Layout.preferredHeight: Theme.tapSize
            Layout.minimumWidth: 96
            text: keyboard.submitText
            Accessible.name: text
            highlighted: true
            onClicked: keyboard.submitTapped()
        }
    }
}
