import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// The snap game: ten stars, the prompt card over the answer card, the pair's time bar, the
// speaker and the thumbs-up and thumbs-down buttons; the set-up sheet covers it between games.
ScreenPage {
    id: page
    objectName: "snapGame"
    screenTitle: game.gameName

    readonly property SnapGame game: SnapGame {
        onSnapCardsChanged: page.pairDealt = true
        onTimeLeftChanged: {
            if (page.pairDealt) {
                page.pairDealt = false;
                page.pairAllowance = Math.max(timeLeft, 0.001);
            }
        }
    }
    readonly property alias sheet: sheet

    // The time the current pair started with: the bar shows the share of it that is left.
    property real pairAllowance: 1
    property bool pairDealt: false

    readonly property bool unanswered: game.status === SnapAnswerState.SnapAnswerState.unanswered
    readonly property color answerColour: game.status === SnapAnswerState.SnapAnswerState.correct
                                          ? "#27ae60" : "#e74c3c"

    // Leaving the screen during a game ends it; a game that ended by itself keeps its result.
    StackView.onRemoved: {
        if (game.inPlay)
            game.stopGame();
    }

    ColumnLayout {
        id: board
        objectName: "board"
        anchors.fill: parent
        anchors.margins: 16
        spacing: 16
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
                            color: "white"
                        }
                        SymbolIcon {
                            anchors.centerIn: parent
                            symbol: star.lit ? "star.fill" : "star"
                            size: 20
                            color: star.lit ? "#ffcc00" : "#8e8e93"
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

        TimeBar {
            objectName: "timeBar"
            Layout.fillWidth: true
            Layout.preferredHeight: 40
            radius: 20
            trackColour: "#d1d1d6"
            fraction: page.game.timeLeft / page.pairAllowance
            barColour: page.unanswered ? "#0984e3" : page.answerColour
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 16

            RoundButton {
                objectName: "speakerButton"
                Layout.preferredWidth: 60
                Layout.preferredHeight: 60
                Accessible.name: qsTr("Say it")
                background: Rectangle {
                    radius: 30
                    color: Qt.rgba(0.56, 0.56, 0.58, 0.2)
                }
                contentItem: SymbolIcon {
                    symbol: "speaker.wave.2"
                    size: 26
                    color: "#0984e3"
                }
                onClicked: {
                    const cards = page.game.snapCards; // qmllint disable type
                    if (cards.length > 0 && page.game.currentVerb)
                        TextToSpeech.speak(cards[0].text, page.game.currentVerb.locale);
                }
            }
            GrowingButton {
                objectName: "thumbsUp"
                label: "\u{1F44D}"
                unanswered: page.unanswered
                rightAnswer: page.game.currentPairIsAMatch
                onClicked: {
                    if (page.game.canClick)
                        page.game.answerMatch();
                }
            }
            GrowingButton {
                objectName: "thumbsDown"
                label: "\u{1F44E}"
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
        radius: 16
        color: card.status === AnswerStatus.AnswerStatus.correct ? "#27ae60"
             : card.status === AnswerStatus.AnswerStatus.incorrect ? "#e74c3c" : "#8e8e93"
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
                font.pixelSize: 22
                color: "white"
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }
            Text {
                objectName: "cardText"
                width: parent.width
                text: cardView.struck ? cardView.card.correctAnswer : cardView.card.text
                font.pixelSize: 34
                font.weight: Font.DemiBold
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 14
                color: "white"
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
            color: answerButton.unanswered ? "#0984e3" : answerButton.rightAnswer ? "#27ae60" : "#e74c3c"
            Rectangle {
                // The shadow.
                z: -1
                anchors.fill: parent
                anchors.topMargin: 4
                anchors.bottomMargin: -4
                radius: 20
                color: Qt.rgba(0, 0, 0, 0.33)
            }
        }
        contentItem: Text {
            text: answerButton.label
            font.pixelSize: 30
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }
}
