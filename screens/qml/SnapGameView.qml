import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The snap game: ten stars, the prompt card over the answer card, the pair's time bar, the
// speaker and the thumbs-up and thumbs-down buttons; the set-up sheet covers it between games.
ScreenPage {
    id: page
    objectName: "snapGame"
    // The sheet's banner carries the title while it shows.
    screenTitle: sheet.showing ? "" : game.gameName

    readonly property SnapGame game: ScreenModels.game("snap", page) as SnapGame
    Connections {
        target: page.game
        function onSnapCardsChanged() {
            page.pairDealt = true;
        }
        function onTimeLeftChanged() {
            if (page.pairDealt) {
                page.pairDealt = false;
                page.pairAllowance = Math.max(page.game.timeLeft, 0.001);
            }
        }
    }
    readonly property alias sheet: sheet

    // The time the current pair started with: the bar shows the share of it that is left.
    property real pairAllowance: 1
    property bool pairDealt: false

    readonly property bool unanswered: game.status === SnapAnswerState.SnapAnswerState.unanswered
    readonly property color answerColour: game.status === SnapAnswerState.SnapAnswerState.correct
                                          ? Theme.green : Theme.red

    // Leaving the screen during a game ends it; a game that ended by itself keeps its result.
    StackView.onRemoved: {
        if (game.inPlay)
            game.stopGame();
    }

    ColumnLayout {
        id: board
        objectName: "board"
        width: Theme.contentWidth(parent.width) - 2 * Theme.margin
        height: parent.height - 2 * Theme.margin
        anchors.centerIn: parent
        spacing: Theme.margin
        visible: page.game.inPlay

        Item {
            Layout.fillWidth: true
            Layout.preferredHeight: 22
            Row {
                objectName: "stars"
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 6
                Repeater {
                    // Qt 6.4's qmllint does not know lists of object pointers.
                    model: page.game.scoreNodes // qmllint disable type
                    delegate: Item {
                        id: star
                        required property SnapStar modelData
                        required property int index
                        objectName: "star" + index
                        readonly property bool lit: modelData.status
                        width: 20
                        height: 20
                        SymbolIcon {
                            anchors.centerIn: parent
                            symbol: "star"
                            size: 22
                            color: Theme.surface
                        }
                        SymbolIcon {
                            anchors.centerIn: parent
                            symbol: star.lit ? "star.fill" : "star"
                            size: 20
                            color: star.lit ? Theme.yellow : Theme.secondaryText
                        }
                    }
                }
            }
        }

        Repeater {
            model: page.game.snapCards // qmllint disable type
            delegate: SnapCardView {
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing
            TimeBar {
                objectName: "timeBar"
                Layout.fillWidth: true
                Layout.preferredHeight: 40
                radius: 20
                trackColour: Theme.track
                fraction: page.game.timeLeft / page.pairAllowance
                barColour: page.unanswered ? Theme.blue : page.answerColour
            }
            // The streak bonus, beside the bar it lengthens, while it is fresh.
            Rectangle {
                objectName: "streakBonus"
                visible: page.game.streakBonusShown
                Layout.preferredHeight: 40
                implicitWidth: bonusRow.implicitWidth + 2 * Theme.radius
                radius: 20
                color: Theme.gold
                Accessible.role: Accessible.StaticText
                Accessible.name: "Streak bonus " + page.game.streakBonusText
                RowLayout {
                    id: bonusRow
                    anchors.centerIn: parent
                    spacing: 2
                    SymbolIcon {
                        symbol: "bolt.fill"
                        size: 20
                        color: Theme.navy
                    }
                    Text {
                        objectName: "streakBonusText"
                        text: page.game.streakBonusText
                        font.pixelSize: Theme.body
                        font.weight: Font.Bold
                        color: Theme.navy
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 16

            RoundButton {
                id: speakerButton
                objectName: "speakerButton"
                Layout.preferredWidth: 60
                Layout.preferredHeight: 60
                Accessible.name: qsTr("Say it")
                background: Rectangle {
                    radius: 30
                    color: Theme.field
                    FocusRing {
                        shown: speakerButton.visualFocus
                        radius: 32
                    }
                }
                contentItem: SymbolIcon {
                    symbol: "speaker.wave.2"
                    size: 26
                    color: Theme.link
                }
                onClicked: {
                    const cards = page.game.snapCards; // qmllint disable type
                    if (cards.length > 0 && page.game.currentVerb)
                        TextToSpeech.speak(cards[0].text, page.game.currentVerb.locale);
                }
            }
            GrowingButton {
                objectName: "thumbsUp"
                label: qsTr("Match")
                symbol: "hand.thumbsup.fill"
                unanswered: page.unanswered
                rightAnswer: page.game.currentPairIsAMatch
                onClicked: {
                    if (page.game.canClick)
                        page.game.answerMatch();
                }
            }
            GrowingButton {
                objectName: "thumbsDown"
                label: qsTr("No match")
                symbol: "hand.thumbsdown.fill"
                unanswered: page.unanswered
                rightAnswer: !page.game.currentPairIsAMatch
                onClicked: {
                    if (page.game.canClick)
                        page.game.answerNoMatch();
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

    // One card: grey until the pair is revealed, then green for a matching pair and red for one
    // that does not match; a wrong answer card shows its text struck through over the right one.
    component SnapCardView: Rectangle {
        id: cardView
        required property SnapCard modelData
        required property int index
        readonly property SnapCard card: modelData
        readonly property bool struck: card.status === AnswerStatus.AnswerStatus.incorrect
                                        && card.text !== card.correctAnswer
        objectName: "snapCard" + index
        radius: Theme.cardRadius
        color: Theme.readableFill(card.status === AnswerStatus.AnswerStatus.correct ? Theme.green
             : card.status === AnswerStatus.AnswerStatus.incorrect ? Theme.red : Theme.secondaryText, Theme.onColour)
        Accessible.name: card.text
        Behavior on color {
            ColorAnimation {
                duration: 200
            }
        }
        // Each card fades in from half size.
        scale: 0.5
        opacity: 0
        Component.onCompleted: appear.start()
        ParallelAnimation {
            id: appear
            NumberAnimation {
                target: cardView
                property: "scale"
                to: 1
                duration: 250
            }
            NumberAnimation {
                target: cardView
                property: "opacity"
                to: 1
                duration: 250
            }
        }

        Column {
            anchors.centerIn: parent
            width: parent.width - 24
            spacing: 4
            Text {
                objectName: "struckText"
                width: parent.width
                visible: cardView.struck
                text: cardView.card.text
                font.strikeout: true
                font.pixelSize: Theme.title2
                color: Theme.onColour
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
            Text {
                objectName: "cardText"
                width: parent.width
                text: cardView.struck ? cardView.card.correctAnswer : cardView.card.text
                font.pixelSize: Theme.largeTitle
                font.weight: Font.DemiBold
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Theme.subhead
                color: Theme.onColour
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
        }
    }

    // An answer button: blue while the pair waits, then green if it was the right answer and red
    // if not; it swells a little under the finger.
    component GrowingButton: AbstractButton {
        id: answerButton
        property string label
        property string symbol
        property bool rightAnswer
        property bool unanswered: true
        Layout.fillWidth: true
        Layout.preferredHeight: 60
        Accessible.name: label
        scale: down ? 1.12 : 1
        Behavior on scale {
            NumberAnimation {
                duration: 120
            }
        }
        background: Rectangle {
            objectName: "face"
            radius: 20
            color: answerButton.unanswered ? Theme.blue : answerButton.rightAnswer ? Theme.green : Theme.red
            SoftShadow {
                radius: 20
            }
            FocusRingOnFill {
                shown: answerButton.visualFocus
                radius: 22
            }
        }
        contentItem: SymbolIcon {
            symbol: answerButton.symbol
            size: 32
            color: Theme.onColour
        }
    }
}
