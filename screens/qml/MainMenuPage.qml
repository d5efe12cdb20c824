import QtQuick
import Flexio

// The hub: settings cog, title, the random-verb card, the daily goal, the seven activities and
// the credits link. It is the first frame, so it is made of Qt Quick items alone, and the
// navigation stack that takes it in is made after it.
FocusScope {
    id: page
    objectName: "mainMenu"

    // Asked for when a screen is to be opened before the stack is made.
    signal navigatorNeeded
    // The navigation stack the screens are pushed on.
    property var navigator: null

    readonly property MainMenuModel menu: ScreenModels.mainMenu(page)
    // The first frame makes only the activities it shows; the rest, below the fold, are made
    // once it is on screen and the work it queued is done. The entries wait for the menu to be
    // laid out, so that the list knows where the fold falls.
    property bool laidOut: false
    property bool everythingMade: false
    Component.onCompleted: page.laidOut = true

    Connections {
        target: page.Window.window
        enabled: !page.everythingMade && !makeTheRest.running
        function onFrameSwapped() {
            makeTheRest.start();
        }
    }
    Timer {
        id: makeTheRest
        interval: 1
        onTriggered: page.everythingMade = true
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    Keys.onReturnPressed: event => event.accepted = page.activateFocused()
    Keys.onEnterPressed: event => event.accepted = page.activateFocused()

    // Presses the button that holds the keyboard focus; false when none does.
    function activateFocused(): bool {
        const button = page.Window.activeFocusItem as MenuButton;
        if (!button || !button.enabled)
            return false;
        button.clicked();
        return true;
    }

    // Opens a screen by name: one of the entries' pages, "settings", "info", or "table" with a
    // verb. Returns the pushed page.
    function openScreen(name: string, verb: Verb): Item {
        return page.show(name, name === "table" ? {
                "verb": verb
            } : {});
    }

    function show(name: string, properties: var): Item {
        const file = page.menu.screenFile(name);
        if (file.length === 0)
            return null;
        if (!page.navigator)
            page.navigatorNeeded();
        return page.navigator.push(Qt.resolvedUrl(file), properties);
    }

    Connections {
        target: page.menu
        function onScreenRequested(name: string, properties: var) {
            page.show(name, properties);
        }
    }

    // Back on the menu: a new random verb, and what is due now.
    function refresh() {
        page.menu.pickRandomVerb();
        page.menu.refreshReview();
        page.menu.refreshGoal();
    }

    // The whole menu scrolls, so that nothing is cut off on a small or turned screen; on a
    // tablet it keeps a phone-like column in the middle.
    Flickable {
        id: flick
        objectName: "menuFlick"
        // Sized from the page itself rather than filling its content item, which the page sizes
        // only after making its children: the menu's texts are laid out once, at their width.
        width: page.width
        height: page.height
        contentHeight: menuColumn.implicitHeight + 16
        clip: true
        FocusFollower {
            flickable: flick
        }

        // The cue that more lies below, in the greys of the other screens' scroll bars.
        Rectangle {
            parent: flick
            visible: flick.visibleArea.heightRatio < 1
            x: flick.width - width - 2
            y: 2 + flick.visibleArea.yPosition * (flick.height - 4)
            width: 6
            height: Math.max(width, flick.visibleArea.heightRatio * (flick.height - 4))
            radius: 3
            color: "#bdbdbd"
            opacity: 0.75
            z: 1
        }

        // Placed by hand rather than by layouts: the menu is the first frame, and a layout's
        // polish (and loading the layouts module) costs more than a column and fixed margins.
        Column {
            id: menuColumn
            width: Theme.contentWidth(flick.width)
            x: (flick.width - width) / 2
            y: 8

            // Top bar: the cog, then empty space.
            Item {
                width: parent.width
                height: Theme.tapSize

                MenuButton {
                    id: cog
                    objectName: "settingsButton"
                    x: 16
                    width: Theme.tapSize
                    height: Theme.tapSize
                    Accessible.name: qsTr("Settings")
                    SymbolIcon {
                        anchors.fill: parent
                        symbol: "gearshape.fill"
                        size: 28
                        color: Theme.secondaryText
                    }
                    FocusRing {
                        shown: cog.visualFocus
                    }
                    onClicked: page.openScreen("settings", null)
                }
            }

            // Title row.
            Item {
                width: parent.width
                height: Theme.gap + 44 + Theme.wideMargin

                FlagIcon {
                    x: Theme.wideMargin
                    y: Theme.gap + 2
                    width: 60
                    height: 40
                }
                Text {
                    objectName: "menuTitle"
                    text: page.menu.title
                    x: Theme.wideMargin + 60 + Theme.radius
                    y: Theme.gap
                    width: parent.width - x - Theme.wideMargin
                    height: 44
                    font.family: Symbols.roundedFamily
                    font.pixelSize: Theme.title1 + 4
                    font.weight: Font.Black
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Theme.body
                    verticalAlignment: Text.AlignVCenter
                    color: Theme.title
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
            }

            // The random-verb card.
            Rectangle {
                id: card
                x: Theme.wideMargin
                width: parent.width - 2 * Theme.wideMargin
                height: cardColumn.implicitHeight + 28
                radius: Theme.cardRadius
                color: Theme.surface

                SoftShadow {}

                Column {
                    id: cardColumn
                    anchors.centerIn: parent
                    width: parent.width - 32
                    spacing: 4

                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: "random verb"
                        color: Theme.secondaryText
                        font.pixelSize: Theme.subhead
                    }
                    MenuButton {
                        id: randomVerbLink
                        objectName: "randomVerbLink"
                        width: parent.width
                        height: Math.max(Theme.tapSize, randomVerb.implicitHeight)
                        Accessible.name: page.menu.randomVerb ? page.menu.randomVerb.displayInfinitive : ""
                        Accessible.role: Accessible.Link
                        Text {
                            id: randomVerb
                            // Sized from the start, so that fitting the verb is done once.
                            width: randomVerbLink.width
                            height: randomVerbLink.height
                            text: page.menu.randomVerb ? page.menu.randomVerb.displayInfinitive : ""
                            color: Theme.link
                            font.pixelSize: Theme.title1
                            font.weight: Font.Bold
                            fontSizeMode: Text.HorizontalFit
                            minimumPixelSize: Theme.subhead
                            horizontalAlignment: Text.AlignHCenter
                        }
                        FocusRing {
                            shown: randomVerbLink.visualFocus
                        }
                        onClicked: page.openScreen("table", page.menu.randomVerb)
                    }
                    Text {
                        objectName: "randomVerbEnglish"
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: page.menu.randomVerb ? page.menu.randomVerb.englishDisplay : ""
                        color: Theme.text
                        font.pixelSize: Theme.body
                        wrapMode: Text.WordWrap
                    }
                }
            }
            Item {
                width: 1
                height: Theme.margin
            }

            // The daily goal: today's answers against it, the last seven days and the streak of
            // weeks. A day's mark tells by its shape as well as its colour: a filled disc with a
            // tick where the goal was met, a ring round a dot where it was partly met, and an
            // empty ring where nothing was answered.
            Rectangle {
                id: goalCard
                objectName: "goalCard"
                readonly property color fill: Theme.readableFill(Theme.green, "white")
                x: Theme.wideMargin
                width: parent.width - 2 * Theme.wideMargin
                height: goalColumn.implicitHeight + 28
                radius: Theme.cardRadius
                color: Theme.surface

                SoftShadow {}

                Column {
                    id: goalColumn
                    anchors.centerIn: parent
                    width: parent.width - 32
                    spacing: 8

                    Text {
                        objectName: "goalText"
                        width: parent.width
                        text: page.menu.goalText
                        color: Theme.text
                        font.pixelSize: Theme.body
                        font.weight: Font.DemiBold
                        wrapMode: Text.WordWrap
                    }
                    Rectangle {
                        objectName: "goalBar"
                        width: parent.width
                        height: 8
                        radius: 4
                        color: Theme.track
                        Accessible.role: Accessible.ProgressBar
                        Accessible.name: page.menu.goalText
                        Rectangle {
                            width: parent.width * page.menu.goalFraction
                            height: parent.height
                            radius: parent.radius
                            color: goalCard.fill
                        }
                    }
                    Row {
                        width: parent.width
                        topPadding: 2
                        Repeater {
                            model: page.menu.goalDays
                            Column {
                                id: day
                                required property var modelData
                                required property int index
                                readonly property color fill: Theme.readableFill(Theme.green, "white")
                                objectName: "goalDay" + day.index
                                // The last seven days share the row.
                                width: (day.parent as Item)?.width / 7
                                spacing: 2
                                Accessible.role: Accessible.StaticText
                                Accessible.name: day.modelData.name

                                // One glyph per mark, in the size of the entries' symbols.
                                SymbolIcon {
                                    width: parent.width
                                    height: 30
                                    symbol: day.modelData.symbol
                                    size: 36
                                    color: day.modelData.mark === "none" ? Theme.secondaryText : day.fill
                                }
                                Text {
                                    width: parent.width
                                    horizontalAlignment: Text.AlignHCenter
                                    text: day.modelData.initial
                                    font.pixelSize: Theme.subhead
                                    // Today is underlined and darker rather than bold: a bold
                                    // letter would be the one text of its kind on the menu.
                                    font.underline: day.modelData.today
                                    color: day.modelData.today ? Theme.text : Theme.secondaryText
                                    Accessible.ignored: true
                                }
                            }
                        }
                    }
                    Text {
                        objectName: "streakText"
                        width: parent.width
                        text: page.menu.streakText
                        color: Theme.secondaryText
                        font.pixelSize: Theme.subhead
                        wrapMode: Text.WordWrap
                    }
                }
            }

            Item {
                id: entriesGap
                width: 1
                height: Theme.margin
            }

            ScreenList {
                id: entryList
                objectName: "menuEntries"
                width: parent.width
                height: contentHeight
                // Until everything is made, the list fills only down to the fold.
                displayMarginEnd: page.everythingMade ? 0 : Math.min(0, flick.contentY + flick.height - menuColumn.y
                                                                   - entriesGap.y - entriesGap.height - height)
                interactive: false
                // The whole list shows, and the last entry's shadow falls below it.
                clip: false
                activeFocusOnTab: false
                spacing: 10
                model: page.laidOut ? page.menu.entries : null
                onChosen: name => page.openScreen(name, null)

                delegate: MenuButton {
                    id: entry
                    required property var modelData
                    required property int index
                    objectName: "menuEntry" + index
                    // Text on the entry's own colour, darkened where it would not read.
                    readonly property color fill: Theme.readableFill(modelData.colour, modelData.textColour)
                    readonly property bool pale: Theme.contrast(fill, Theme.background) < 1.5
                    width: ListView.view.width - 2 * Theme.wideMargin
                    x: Theme.wideMargin
                    Accessible.name: modelData.title
                    Accessible.description: modelData.description
                    onClicked: (entry.ListView.view as ScreenList).chosen(entry.modelData.page)

                    // The review entry is quiet (faded) while no form is due.
                    opacity: entry.modelData.quiet ? 0.55 : 1
                    Rectangle {
                        anchors.fill: parent
                        radius: Theme.radius + 2
                        color: entry.down ? Qt.darker(entry.fill, 1.12) : entry.fill
                        // A pale entry on the pale page keeps an edge, so it does not look disabled.
                        border.width: entry.pale ? 1 : 0
                        border.color: Theme.separator
                        SoftShadow {
                            radius: Theme.radius + 2
                        }
                        FocusRing {
                            shown: entry.visualFocus
                            radius: Theme.radius + 4
                        }
                        SymbolIcon {
                            x: 10
                            width: 40
                            height: 40
                            anchors.verticalCenter: parent.verticalCenter
                            symbol: entry.modelData.symbol
                            size: 36
                            color: entry.modelData.textColour
                        }
                        Column {
                            id: entryText
                            x: 64
                            y: 12
                            width: entry.width - 64 - 12
                            spacing: 2
                            Text {
                                width: parent.width
                                text: entry.modelData.title
                                color: entry.modelData.textColour
                                font.pixelSize: Theme.title2
                                font.weight: Font.DemiBold
                                wrapMode: Text.WordWrap
                            }
                            Text {
                                width: parent.width
                                text: entry.modelData.description
                                color: entry.modelData.textColour
                                font.pixelSize: Theme.subhead
                                wrapMode: Text.WordWrap
                            }
                        }
                    }
                    // Placed by hand rather than by layouts: the visible ones make the menu's
                    // first frame, and a layout's polish costs more than fixed margins.
                    implicitHeight: Math.max(60, entryText.implicitHeight + 24)
                }
            }

            // The credits link under the list.
            Item {
                width: parent.width
                height: 6 + Theme.tapSize + 10

                MenuButton {
                    id: infoButton
                    objectName: "infoButton"
                    x: (parent.width - width) / 2
                    y: 6
                    width: Theme.tapSize
                    height: Theme.tapSize
                    Accessible.name: qsTr("Credits and Attribution")
                    SymbolIcon {
                        anchors.fill: parent
                        symbol: "info.circle.fill"
                        size: 28
                        color: Theme.secondaryText
                    }
                    FocusRing {
                        shown: infoButton.visualFocus
                        radius: Theme.tapSize / 2
                    }
                    onClicked: page.openScreen("info", null)
                }
            }
        }
    }
}
