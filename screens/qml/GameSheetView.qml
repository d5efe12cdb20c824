import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The set-up sheet over a game screen: a banner with the game's symbol and title coloured by how
// the last game ended, its message, the list of verb sets and the three level buttons, which stay
// at the bottom. It slides up from the bottom while no game runs and back down while one does; on
// a wide window it is a card in the middle of a dimmed screen.
Item {
    id: sheet
    objectName: "gameSheet"

    required property LearningGame gameObject
    readonly property bool showing: !gameObject.inPlay
    readonly property bool asCard: Theme.isWide(width) || height < 420 && width > height
    // A short window (a phone on its side) gets the whole height.
    readonly property bool compact: height < 500

    // The banner's colour for each way a game can end.
    function bannerColour(state: int): color {
        switch (state) {
        case LearningGameState.LearningGameState.won:
            return Theme.green;
        case LearningGameState.LearningGameState.lost:
            return Theme.red;
        case LearningGameState.LearningGameState.complete:
            return Theme.gold;
        }
        return Theme.blue;
    }
    // Dark text on the yellow of a completed game, white on the others.
    readonly property color bannerText: gameObject.gameState === LearningGameState.LearningGameState.complete
                                        ? Theme.navy : Theme.onColour

    y: showing ? 0 : parent.height + 20
    visible: y < parent.height
    width: parent.width
    height: parent.height
    Behavior on y {
        NumberAnimation {
            duration: 250
        }
    }

    readonly property GameSheetModel sheetModel: ScreenModels.gameSheet(sheet)
    Binding {
        target: sheet.sheetModel
        property: "gameObject"
        value: sheet.gameObject
    }

    // The list forwards its choice once the sheet is built, so that building it writes nothing.
    property bool built: false
    Component.onCompleted: {
        built = true;
        revealLater.start();
    }
    onShowingChanged: {
        if (showing)
            revealLater.start();
    }
    // The picker is scrolled to its choice once the sheet is laid out.
    Timer {
        id: revealLater
        interval: 0
        onTriggered: setPicker.revealCurrent()
    }

    // Taps on the sheet never reach the board underneath; on a wide window the board is dimmed.
    Rectangle {
        anchors.fill: parent
        color: sheet.asCard ? Theme.scrim : Theme.surface
        MouseArea {
            anchors.fill: parent
        }
    }

    Rectangle {
        id: panel
        objectName: "sheetPanel"
        width: sheet.asCard ? Math.min(sheet.width - 2 * Theme.wideMargin, 520) : sheet.width
        height: sheet.asCard && !sheet.compact ? Math.min(sheet.height - 2 * Theme.wideMargin, 720) : sheet.height
        anchors.centerIn: parent
        radius: sheet.asCard && !sheet.compact ? Theme.cardRadius : 0
        color: Theme.surface
        clip: true

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            Rectangle {
                id: banner
                objectName: "sheetBanner"
                Layout.fillWidth: true
                implicitHeight: bannerRow.implicitHeight + 24
                color: Theme.readableFill(sheet.bannerColour(sheet.gameObject.gameState), sheet.bannerText)
                Behavior on color {
                    ColorAnimation {
                        duration: 200
                    }
                }
                RowLayout {
                    id: bannerRow
                    anchors.centerIn: parent
                    width: Math.min(implicitWidth, parent.width - 2 * Theme.margin)
                    spacing: Theme.spacing
                    SymbolIcon {
                        objectName: "sheetSymbol"
                        symbol: "building.columns.fill"
                        size: 26
                        color: sheet.bannerText
                    }
                    Text {
                        id: bannerText
                        objectName: "sheetTitle"
                        Layout.fillWidth: true
                        text: sheet.gameObject.gameName
                        color: sheet.bannerText
                        font.pixelSize: Theme.title2
                        font.weight: Font.Bold
                        wrapMode: Text.WordWrap
                        Accessible.role: Accessible.Heading
                        Accessible.name: text
                    }
                }
            }

            SetList {
                id: setPicker
                message: sheet.gameObject.message
                objectName: "verbSetPicker"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumHeight: Theme.tapSize
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: sheet.sheetModel.verbSetRows
                currentIndex: sheet.sheetModel.verbSetIndex
                activeFocusOnTab: true
                keyNavigationEnabled: true
                Accessible.name: "Pick a verb set"
                Accessible.role: Accessible.List
                // A scroll cue whenever some sets lie out of view.
                ScrollBar.vertical: ScrollBar {
                    policy: setPicker.contentHeight > setPicker.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                }
                onCurrentIndexChanged: {
                    if (sheet.built)
                        sheet.sheetModel.pickVerbSet(currentIndex);
                }

                FocusRing {
                    shown: setPicker.activeFocus
                    inset: 0
                    radius: Theme.smallRadius
                }

                // The message and the list's label scroll with the sets, so that a long message
                // on a short window pushes nothing out of reach.
                header: Column {
                    id: head
                    readonly property string message: (ListView.view as SetList)?.message ?? ""
                    width: ListView.view.width
                    topPadding: Theme.margin
                    Label {
                        objectName: "sheetMessage"
                        width: parent.width
                        leftPadding: Theme.margin
                        rightPadding: Theme.margin
                        bottomPadding: Theme.spacing
                        text: head.message
                        wrapMode: Text.WordWrap
                        font.pixelSize: Theme.body
                        color: Theme.text
                    }
                    SheetLabel {
                        width: parent.width
                        text: "Pick a verb set to play with below:"
                        symbol: "list.triangle"
                    }
                }

                delegate: AbstractButton {
                    id: setRow
                    required property var modelData
                    required property int index
                    objectName: "verbSet:" + modelData.name
                    x: Theme.margin
                    width: ListView.view.width - 2 * Theme.margin
                    height: Theme.tapSize
                    activeFocusOnTab: false
                    Accessible.name: modelData.name
                    Accessible.role: Accessible.ListItem
                    Accessible.selectable: true
                    Accessible.selected: ListView.isCurrentItem
                    onClicked: setRow.ListView.view.currentIndex = setRow.index
                    background: Rectangle {
                        radius: Theme.smallRadius
                        color: setRow.ListView.isCurrentItem ? Theme.field : "transparent"
                    }
                    contentItem: RowLayout {
                        spacing: Theme.spacing
                        SymbolIcon {
                            Layout.leftMargin: Theme.spacing
                            symbol: setRow.modelData.symbol
                            size: 20
                            color: Theme.link
                        }
                        Text {
                            Layout.fillWidth: true
                            text: setRow.modelData.name
                            font.pixelSize: Theme.body
                            font.weight: setRow.ListView.isCurrentItem ? Font.DemiBold : Font.Normal
                            color: Theme.text
                            elide: Text.ElideRight
                        }
                        SymbolIcon {
                            Layout.rightMargin: Theme.spacing
                            visible: setRow.ListView.isCurrentItem
                            symbol: "checkmark"
                            size: 20
                            color: Theme.link
                        }
                    }
                }
            }

            Switch {
                objectName: "typedSwitch"
                visible: sheet.gameObject.offersTyping
                Layout.leftMargin: Theme.margin
                Layout.topMargin: Theme.spacing
                Layout.preferredHeight: Theme.tapSize
                text: "Type the answers"
                font.pixelSize: Theme.body
                Accessible.name: text
                checked: sheet.gameObject.typedMode
                onToggled: sheet.gameObject.typedMode = checked
            }

            SheetLabel {
                text: "Choose a level to start the game:"
                symbol: "figure.step.training"
            }

            RowLayout {
                objectName: "levelButtons"
                Layout.fillWidth: true
                Layout.margins: Theme.margin
                Layout.topMargin: Theme.spacing
                spacing: 10
                LevelButton {
                    pair: sheet.sheetModel.levels[0]
                    onClicked: sheet.sheetModel.chooseLevel(LearningGameDifficultyLevel.LearningGameDifficultyLevel.easy)
                }
                LevelButton {
                    pair: sheet.sheetModel.levels[1]
                    onClicked: sheet.sheetModel.chooseLevel(LearningGameDifficultyLevel.LearningGameDifficultyLevel.medium)
                }
                LevelButton {
                    pair: sheet.sheetModel.levels[2]
                    onClicked: sheet.sheetModel.chooseLevel(LearningGameDifficultyLevel.LearningGameDifficultyLevel.hard)
                }
            }
        }
    }

    // A level button in its colour pair; all three share the row equally.
    component LevelButton: Button {
        id: levelButton
        property var pair
        objectName: "level" + pair.text
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        Layout.preferredHeight: Theme.buttonHeight
        text: pair.text
        Accessible.name: pair.text
        background: Rectangle {
            radius: Theme.radius
            color: Theme.readableFill(levelButton.pair.backgroundColour, levelButton.pair.foregroundColour)
            opacity: levelButton.down ? 0.75 : 1
            FocusRing {
                shown: levelButton.visualFocus
                radius: Theme.radius + 2
            }
        }
        contentItem: Text {
            text: levelButton.text
            color: levelButton.pair.foregroundColour
            font.pixelSize: Theme.title3 - 2
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
    }

    component SheetLabel: Item {
        property alias text: label.text
        property alias symbol: icon.symbol
        Layout.fillWidth: true
        implicitHeight: labelRow.implicitHeight + Theme.spacing + Theme.gap
        RowLayout {
            id: labelRow
            x: Theme.margin
            y: Theme.spacing
            width: parent.width - 2 * Theme.margin
            spacing: 6
            SymbolIcon {
                id: icon
                size: 18
                color: Theme.secondaryText
            }
            Label {
                id: label
                Layout.fillWidth: true
                color: Theme.secondaryText
                font.pixelSize: Theme.subhead
                wrapMode: Text.WordWrap
            }
        }
    }
}
