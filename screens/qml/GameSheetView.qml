import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// The set-up sheet over a game screen: the game's title on a banner coloured by how the last game
// ended, its message, the verb-set wheel and the three level buttons. It slides up from the bottom
// while no game runs and back down while one does.
Rectangle {
    id: sheet
    objectName: "gameSheet"

    required property LearningGame gameObject
    readonly property bool showing: !gameObject.inPlay

    // The banner's colour for each way a game can end.
    function bannerColour(state: int): color {
        switch (state) {
        case LearningGameState.LearningGameState.won:
            return "#27ae60";
        case LearningGameState.LearningGameState.lost:
            return "#e74c3c";
        case LearningGameState.LearningGameState.complete:
            return "#f1c40f";
        }
        return "#0984e3";
    }

    color: "white"
    radius: 12
    y: showing ? 0 : parent.height + 20
    visible: y < parent.height
    width: parent.width
    height: parent.height
    Behavior on y {
        NumberAnimation {
            duration: 250
        }
    }

    GameSheetModel {
        id: sheetModel
        gameObject: sheet.gameObject
    }

    // The wheel forwards its position once the sheet is built, so that building it writes nothing.
    property bool built: false
    Component.onCompleted: built = true

    // Taps on the sheet never reach the board underneath.
    MouseArea {
        anchors.fill: parent
    }

    Flickable {
        anchors.fill: parent
        contentHeight: content.implicitHeight + 20
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: content
            width: parent.width
            spacing: 0

            Rectangle {
                id: banner
                objectName: "sheetBanner"
                Layout.fillWidth: true
                implicitHeight: bannerText.implicitHeight + 32
                color: sheet.bannerColour(sheet.gameObject.gameState)
                Behavior on color {
                    ColorAnimation {
                        duration: 200
                    }
                }
                Text {
                    id: bannerText
                    objectName: "sheetTitle"
                    anchors.centerIn: parent
                    width: parent.width - 32
                    horizontalAlignment: Text.AlignHCenter
                    text: "\u{1F3DB}\u{FE0F} " + sheet.gameObject.gameName
                    color: "white"
                    font.pixelSize: 22
                    font.weight: Font.Bold
                    wrapMode: Text.WordWrap
                    Accessible.role: Accessible.Heading
                    Accessible.name: sheet.gameObject.gameName
                }
            }

            Label {
                objectName: "sheetMessage"
                Layout.fillWidth: true
                Layout.margins: 20
                text: sheet.gameObject.message
                wrapMode: Text.WordWrap
                font.pixelSize: 17
                color: "black"
            }

            SheetLabel {
                text: "Pick a verb set to play with below:"
                symbol: "list.triangle"
            }

            Tumbler {
                id: setPicker
                objectName: "verbSetPicker"
                Layout.fillWidth: true
                Layout.leftMargin: 20
                Layout.rightMargin: 20
                Layout.preferredHeight: 180
                visibleItemCount: 5
                wrap: false
                model: sheetModel.verbSetRows
                currentIndex: sheetModel.verbSetIndex
                Accessible.name: "Pick a verb set"
                // The chosen set is written to the game when a flick comes to rest or a row is
                // tapped, not at every row a flick passes.
                onMovingChanged: {
                    if (!moving)
                        sheetModel.pickVerbSet(currentIndex);
                }
                onCurrentIndexChanged: {
                    if (sheet.built && !moving)
                        sheetModel.pickVerbSet(currentIndex);
                }

                delegate: AbstractButton {
                    id: setRow
                    required property var modelData
                    required property int index
                    objectName: "verbSet:" + modelData.name
                    opacity: 1.0 - Math.abs(Tumbler.displacement) / 2.5 * 0.7
                    Accessible.name: modelData.name
                    onClicked: setRow.Tumbler.tumbler.currentIndex = setRow.index
                    contentItem: RowLayout {
                        spacing: 8
                        Item {
                            Layout.fillWidth: true
                        }
                        SymbolIcon {
                            symbol: setRow.modelData.symbol
                            size: 20
                            color: "#0984e3"
                        }
                        Text {
                            text: setRow.modelData.name
                            font.pixelSize: 20
                            color: "black"
                        }
                        Item {
                            Layout.fillWidth: true
                        }
                    }
                }

                Rectangle {
                    // The band of the chosen row.
                    z: -1
                    width: parent.width
                    height: parent.height / parent.visibleItemCount
                    y: (parent.height - height) / 2
                    radius: 8
                    color: "#eeeef0"
                }
            }

            SheetLabel {
                text: "Choose a level to start the game:"
                symbol: "figure.step.training"
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.margins: 10
                spacing: 10
                LevelButton {
                    pair: sheetModel.levels[0]
                    onClicked: sheetModel.chooseLevel(LearningGameDifficultyLevel.LearningGameDifficultyLevel.easy)
                }
                LevelButton {
                    pair: sheetModel.levels[1]
                    onClicked: sheetModel.chooseLevel(LearningGameDifficultyLevel.LearningGameDifficultyLevel.medium)
                }
                LevelButton {
                    pair: sheetModel.levels[2]
                    onClicked: sheetModel.chooseLevel(LearningGameDifficultyLevel.LearningGameDifficultyLevel.hard)
                }
            }
        }
    }

    // A level button in its colour pair.
    component LevelButton: Button {
        id: levelButton
        property var pair
        objectName: "level" + pair.text
        Layout.fillWidth: true
        Layout.preferredHeight: 50
        text: pair.text
        Accessible.name: pair.text
        background: Rectangle {
            radius: 12
            color: levelButton.pair.backgroundColour
            opacity: levelButton.down ? 0.75 : 1
        }
        contentItem: Text {
            text: levelButton.text
            color: levelButton.pair.foregroundColour
            font.pixelSize: 18
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    component SheetLabel: RowLayout {
        property alias text: label.text
        property alias symbol: icon.symbol
        Layout.fillWidth: true
        Layout.leftMargin: 20
        Layout.rightMargin: 20
        Layout.topMargin: 10
        spacing: 6
        SymbolIcon {
            id: icon
            size: 18
            color: Colours.secondary
        }
        Label {
            id: label
            Layout.fillWidth: true
            color: Colours.secondary
            font.pixelSize: 15
            wrapMode: Text.WordWrap
        }
    }
}
