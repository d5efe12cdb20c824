import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// The hub: settings cog, title, the random-verb card, the seven activities and the credits link.
Page {
    id: page
    objectName: "mainMenu"

    readonly property MainMenuModel menu: MainMenuModel {
    }

    background: Rectangle {
        color: Colours.background
    }

    // Opens a screen by name: one of the entries' pages, "settings", "info", or "table" with a
    // verb. Returns the pushed page.
    function openScreen(name: string, verb: Verb): Item {
        const view = page.StackView.view;
        switch (name) {
        case "dictionary":
            return view.push(dictionaryPage);
        case "progress":
            return view.push(progressPage);
        case "settings":
            return view.push(settingsPage);
        case "info":
            return view.push(infoPage);
        case "quizzes":
            return view.push(quizMenuPage);
        case "table":
            return view.push(tablePage, {
                    "verb": verb
                });
        case "match":
            return view.push(matchPage);
        case "conjugation":
            return view.push(conjugationPage);
        case "snap":
            return view.push(snapPage);
        case "gapfill":
            return view.push(gapFillPage);
        case "review":
            return view.push(reviewPage);
        }
        return null;
    }

    StackView.onActivating: {
        page.menu.pickRandomVerb();
        page.menu.refreshReview();
    }

    Component {
        id: dictionaryPage
        VerbDictionaryPage {
        }
    }
    Component {
        id: progressPage
        ProgressPage {
        }
    }
    Component {
        id: settingsPage
        SettingsPage {
        }
    }
    Component {
        id: infoPage
        InfoPage {
        }
    }
    Component {
        id: tablePage
        VerbTablePage {
        }
    }
    Component {
        id: matchPage
        VerbMatchView {
        }
    }
    Component {
        id: conjugationPage
        ConjQuizView {
        }
    }
    Component {
        id: snapPage
        SnapGameView {
        }
    }
    Component {
        id: gapFillPage
        GapFillView {
        }
    }
    Component {
        id: reviewPage
        ReviewPage {
        }
    }
    Component {
        id: quizMenuPage
        QuizGamesMenuPage {
        }
    }

    // The whole menu scrolls, so that nothing is cut off on a small or turned screen; on a
    // tablet it keeps a phone-like column in the middle.
    Flickable {
        id: flick
        objectName: "menuFlick"
        anchors.fill: parent
        contentHeight: menuColumn.implicitHeight + 16
        clip: true
        ScrollIndicator.vertical: ScrollIndicator {
        }

        ColumnLayout {
            id: menuColumn
            width: Math.min(flick.width, 720)
            x: (flick.width - width) / 2
            y: 8
            spacing: 0

            // Top bar: the cog, then empty space.
            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 16
                Layout.rightMargin: 16
                Layout.preferredHeight: 44

                AbstractButton {
                    id: cog
                    objectName: "settingsButton"
                    Layout.preferredWidth: 44
                    Layout.preferredHeight: 44
                    Accessible.name: qsTr("Settings")
                    Accessible.role: Accessible.Button
                    // The 25-point cog in a 44-point tap area.
                    padding: 9.5
                    contentItem: SvgIcon {
                        source: "images/Cog.svg"
                    }
                    onClicked: page.openScreen("settings", null)
                }
                Item {
                    Layout.fillWidth: true
                }
            }

            // Title row.
            RowLayout {
                Layout.fillWidth: true
                Layout.margins: 20
                Layout.topMargin: 4
                spacing: 12

                SvgIcon {
                    source: "images/flag_icon.svg"
                    Layout.preferredHeight: 40
                    Layout.preferredWidth: 60
                    Accessible.ignored: true
                }
                Text {
                    objectName: "menuTitle"
                    text: page.menu.title
                    Layout.fillWidth: true
                    Layout.preferredHeight: 44
                    font.family: Symbols.roundedFamily
                    font.pixelSize: 32
                    font.weight: Font.Black
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 16
                    verticalAlignment: Text.AlignVCenter
                    color: Colours.dark
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
            }

            // The random-verb card.
            Rectangle {
                id: card
                Layout.fillWidth: true
                Layout.leftMargin: 20
                Layout.rightMargin: 20
                Layout.bottomMargin: 16
                implicitHeight: cardColumn.implicitHeight + 28
                radius: 20
                color: "white"

                Rectangle {
                    // The card's shadow.
                    z: -1
                    anchors.fill: parent
                    anchors.topMargin: 2
                    anchors.bottomMargin: -4
                    anchors.leftMargin: -1
                    anchors.rightMargin: -1
                    radius: 22
                    color: Qt.rgba(0, 0, 0, 0.12)
                }

                ColumnLayout {
                    id: cardColumn
                    anchors.centerIn: parent
                    width: parent.width - 32
                    spacing: 4

                    Label {
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: "random verb"
                        color: Colours.secondary
                        font.pixelSize: 13
                    }
                    AbstractButton {
                        id: randomVerbLink
                        objectName: "randomVerbLink"
                        Layout.fillWidth: true
                        Accessible.name: page.menu.randomVerb ? page.menu.randomVerb.displayInfinitive : ""
                        Accessible.role: Accessible.Link
                        contentItem: Text {
                            text: page.menu.randomVerb ? page.menu.randomVerb.displayInfinitive : ""
                            color: "#0a84ff"
                            font.pixelSize: 28
                            font.weight: Font.Bold
                            fontSizeMode: Text.HorizontalFit
                            minimumPixelSize: 14
                            horizontalAlignment: Text.AlignHCenter
                        }
                        onClicked: page.openScreen("table", page.menu.randomVerb)
                    }
                    Label {
                        objectName: "randomVerbEnglish"
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        text: page.menu.randomVerb ? page.menu.randomVerb.englishDisplay : ""
                        color: Colours.dark
                        font.pixelSize: 17
                        wrapMode: Text.WordWrap
                    }
                }
            }

            ScreenList {
                id: entryList
                objectName: "menuEntries"
                Layout.fillWidth: true
                Layout.preferredHeight: contentHeight
                interactive: false
                spacing: 10
                model: page.menu.entries
                onChosen: name => page.openScreen(name, null)

                delegate: AbstractButton {
                    id: entry
                    required property var modelData
                    required property int index
                    objectName: "menuEntry" + index
                    width: ListView.view.width - 40
                    x: 20
                    Accessible.name: modelData.title
                    Accessible.description: modelData.description
                    Accessible.role: Accessible.Button
                    onClicked: (entry.ListView.view as ScreenList).chosen(entry.modelData.page)

                    // The review entry is quiet (faded) while no form is due.
                    opacity: entry.modelData.quiet ? 0.55 : 1
                    background: Rectangle {
                        radius: 14
                        color: entry.modelData.colour
                        opacity: entry.down ? 0.8 : 1
                    }
                    contentItem: RowLayout {
                        spacing: 0
                        SymbolIcon {
                            symbol: entry.modelData.symbol
                            size: 36
                            color: entry.modelData.textColour
                            Layout.preferredWidth: 40
                            Layout.preferredHeight: 40
                            Layout.margins: 10
                        }
                        ColumnLayout {
                            Layout.fillWidth: true
                            Layout.margins: 12
                            Layout.leftMargin: 4
                            spacing: 2
                            Text {
                                text: entry.modelData.title
                                color: entry.modelData.textColour
                                font.pixelSize: 22
                                font.weight: Font.DemiBold
                                Layout.fillWidth: true
                                wrapMode: Text.WordWrap
                            }
                            Text {
                                text: entry.modelData.description
                                color: entry.modelData.textColour
                                font.pixelSize: 14
                                wrapMode: Text.WordWrap
                                Layout.fillWidth: true
                            }
                        }
                    }
                }
            }

            // The credits link under the list.
            AbstractButton {
                objectName: "infoButton"
                Layout.leftMargin: (menuColumn.width - 44) / 2
                Layout.preferredWidth: 44
                Layout.preferredHeight: 44
                Layout.topMargin: 6
                Layout.bottomMargin: 10
                Accessible.name: qsTr("Credits and Attribution")
                Accessible.role: Accessible.Button
                contentItem: SymbolIcon {
                    symbol: "info.circle.fill"
                    size: 30
                    color: Colours.secondary
                }
                onClicked: page.openScreen("info", null)
            }
        }
    }
}
