import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The card match game: the red time bar over a grid of cards that fills the screen; the set-up
// sheet covers the board while no game runs.
ScreenPage {
    id: page
    objectName: "verbMatch"
    // The sheet's banner carries the title while it shows.
    screenTitle: sheet.showing ? "" : game.gameName

    readonly property VerbMatch game: ScreenModels.game("match", page) as VerbMatch
    readonly property alias sheet: sheet

    // The accent colour of the screen.
    palette.highlight: Theme.blue

    TimeBar {
        id: timeBar
        objectName: "timeBar"
        anchors.top: parent.top
        width: parent.width
        height: 8
        fraction: page.game.timeElapsed
        barColour: Theme.red
    }

    Item {
        id: board
        objectName: "board"
        anchors.top: timeBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        visible: page.game.inPlay

        readonly property var rows: page.game.cardRowsForScreen(Math.ceil(Math.sqrt(page.game.verbsPerPlay)))
        readonly property var cards: {
            const all = [];
            for (const row of rows) {
                for (const card of row)
                    all.push(card);
            }
            return all;
        }

        // The rows laid out as a grid as wide as the first row: every cell gets the same share of
        // the width and of the height.
        GridLayout {
            anchors.fill: parent
            columns: Math.max(1, board.rows.length > 0 ? board.rows[0].length : 1)
            rowSpacing: 0
            columnSpacing: 0
            Repeater {
                model: board.cards
                delegate: VerbMatchButtonView {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.preferredWidth: 1
                    Layout.preferredHeight: 1
                }
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

    component VerbMatchButtonView: AbstractButton {
        id: cardView
        required property VerbMatchButton modelData
        readonly property VerbMatchButton card: modelData
        objectName: "card" + card.index
        padding: 4
        Accessible.name: card.word
        onClicked: card.tap()

        background: Rectangle {
            anchors.fill: parent
            anchors.margins: 4
            radius: Theme.smallRadius + 2
            color: Theme.readableFill(cardView.card.isCorrect ? Theme.green : cardView.card.isWrong ? Theme.red
                 : cardView.card.isHighlighted ? Theme.purple : Theme.blue, Theme.onColour)
            border.color: Theme.onColour
            border.width: cardView.card.isHighlighted ? 3 : 0
            Behavior on color {
                ColorAnimation {
                    duration: 150
                }
            }
            FocusRingOnFill {
                shown: cardView.visualFocus
                radius: Theme.radius + 2
            }
        }
        contentItem: Text {
            text: cardView.card.word
            color: Theme.onColour
            font.pixelSize: Theme.title3
            fontSizeMode: Text.Fit
            minimumPixelSize: Theme.caption
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            leftPadding: 12
            rightPadding: 12
        }
    }
}
