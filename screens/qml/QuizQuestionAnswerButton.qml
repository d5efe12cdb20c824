import QtQuick
import QtQuick.Controls.Basic
import Flexio

// One answer of the question in play, filled by its state: blue before a tap, green when right,
// red when wrong, no fill once set aside.
AbstractButton {
    id: button

    required property var modelData
    readonly property QuizQuestionAnswer answer: modelData as QuizQuestionAnswer

    // A tap on this answer.
    signal tapped(QuizQuestionAnswer answer)
    onClicked: button.tapped(button.answer)
    readonly property color fill: QuizScreens.answerFill(button.answer ? button.answer.stateName : "")

    implicitHeight: Math.max(52, (button.contentItem as Text).implicitHeight + 24)
    text: button.answer ? button.answer.text : ""
    Accessible.name: text
    Accessible.role: Accessible.Button

    background: Rectangle {
        radius: Theme.radius
        color: button.fill.a === 0 ? button.fill : Theme.readableFill(button.fill, Theme.onColour)
        FocusRing {
            shown: button.visualFocus
        }
        border.width: button.fill.a === 0 ? 1 : 0
        border.color: Theme.secondaryText
        opacity: button.down ? 0.8 : 1
    }
    contentItem: Text {
        text: button.text
        color: button.fill.a === 0 ? Theme.secondaryText : Theme.onColour
        font.pixelSize: Theme.title3 - 2
        font.weight: Font.DemiBold
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
    }
}
