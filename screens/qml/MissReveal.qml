import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// After a miss: the right form, its English and what kind of mistake it was, over the foot of the
// board until the game moves on; a tap moves on at once.
AbstractButton {
    id: reveal
    objectName: "missReveal"

    required property LearningGame game

    visible: game.revealing
    anchors.left: parent.left
    anchors.right: parent.right
    anchors.bottom: parent.bottom
    anchors.margins: Theme.margin
    height: Math.max(Theme.tapSize, implicitContentHeight + 2 * Theme.margin)
    padding: Theme.margin
    z: 5
    Accessible.role: Accessible.Button
    Accessible.name: "The answer: " + game.revealForm + ", " + game.revealEnglish + ". " + game.revealNote
    onClicked: game.continueNow()

    background: Rectangle {
        radius: Theme.cardRadius
        color: Theme.surface
        border.color: Theme.red
        border.width: 2
        SoftShadow {
            radius: Theme.cardRadius
        }
        FocusRing {
            shown: reveal.visualFocus
            radius: Theme.cardRadius + 2
        }
    }
    contentItem: ColumnLayout {
        spacing: 2
        Item {
            Layout.preferredHeight: 0
        }
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2
            Label {
                text: "The answer:"
                font.pixelSize: Theme.caption
                color: Theme.secondaryText
            }
            Label {
                objectName: "revealForm"
                Layout.fillWidth: true
                text: reveal.game.revealForm
                font.pixelSize: Theme.title2
                font.weight: Font.DemiBold
                color: Theme.text
                wrapMode: Text.WordWrap
            }
            Label {
                objectName: "revealEnglish"
                Layout.fillWidth: true
                text: reveal.game.revealEnglish
                font.pixelSize: Theme.body
                color: Theme.text
                wrapMode: Text.WordWrap
            }
            Label {
                objectName: "revealNote"
                Layout.fillWidth: true
                visible: text.length > 0
                text: reveal.game.revealNote
                font.pixelSize: Theme.subhead
                color: Theme.secondaryText
                wrapMode: Text.WordWrap
            }
        }
    }
}
