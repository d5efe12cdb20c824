import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// Every verb with its English meaning: searchable, sortable by either language, and marked
// learnt with a swipe to the left.
ScreenPage {
    id: page
    objectName: "verbDictionary"
    screenTitle: "Verb Dictionary"

    readonly property VerbDictionaryModel dictionary: VerbDictionaryModel {}

    StackView.onActivating: page.dictionary.sortFilteredVerbs()

    Component {
        id: tablePage
        VerbTablePage {}
    }

    trailing: ToolButton {
        id: sortButton
        objectName: "sortButton"
        width: 44
        height: 44
        Accessible.name: qsTr("Sort")
        contentItem: SymbolIcon {
            symbol: "ellipsis.circle"
            color: "#0a84ff"
        }
        onClicked: sortMenu.open()

        Menu {
            id: sortMenu
            objectName: "sortMenu"
            y: sortButton.height
            MenuItem {
                objectName: "sortByItalian"
                text: "Sort by " + page.dictionary.language
                Accessible.name: text
                onTriggered: page.dictionary.setSortOrder(true)
            }
            MenuItem {
                objectName: "sortByEnglish"
                text: "Sort by English"
                Accessible.name: text
                onTriggered: page.dictionary.setSortOrder(false)
            }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Label {
            Layout.fillWidth: true
            Layout.topMargin: 6
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            text: "Left-swipe to mark a verb as learnt for the activities"
            color: Colours.secondary
            font.pixelSize: 11
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
        }

        TextField {
            id: search
            objectName: "searchField"
            Layout.fillWidth: true
            Layout.margins: 12
            Layout.topMargin: 8
            placeholderText: qsTr("Search")
            Accessible.name: qsTr("Search verbs")
            inputMethodHints: Qt.ImhNoPredictiveText
            leftPadding: 34
            text: page.dictionary.searchText
            onTextEdited: page.dictionary.searchText = text
            background: Rectangle {
                radius: 10
                color: "#e3e3e8"
            }
            SymbolIcon {
                symbol: "magnifyingglass"
                size: 18
                color: Colours.secondary
                anchors.verticalCenter: parent.verticalCenter
                x: 10
            }
        }

        ListView {
            id: list
            objectName: "verbList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: page.dictionary
            reuseItems: true
            ScrollIndicator.vertical: ScrollIndicator {}

            delegate: SwipeDelegate {
                id: row
                required property int index
                required property Verb verb
                required property string displayInfinitive
                required property string englishRendering
                required property bool learnt

                width: ListView.view.width
                padding: 10
                leftPadding: 16
                rightPadding: 16
                Accessible.name: displayInfinitive + ", " + englishRendering + (learnt ? ", learnt" : "")
                Accessible.role: Accessible.Link

                onClicked: page.StackView.view.push(tablePage, {verb: row.verb})
                ListView.onPooled: swipe.close()

                background: Rectangle {
                    color: row.down ? "#e5e5ea" : "white"
                    Rectangle {
                        anchors.bottom: parent.bottom
                        anchors.left: parent.left
                        anchors.leftMargin: 16
                        anchors.right: parent.right
                        height: 1
                        color: "#e5e5ea"
                    }
                }

                contentItem: RowLayout {
                    spacing: 8
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2
                        Text {
                            Layout.fillWidth: true
                            text: page.dictionary.targetLanguageFirst ? row.displayInfinitive : row.englishRendering
                            font.pixelSize: 22
                            font.weight: Font.DemiBold
                            color: "black"
                            elide: Text.ElideRight
                        }
                        Text {
                            Layout.fillWidth: true
                            text: page.dictionary.targetLanguageFirst ? row.englishRendering : row.displayInfinitive
                            font.pixelSize: 17
                            color: Colours.secondary
                            elide: Text.ElideRight
                        }
                    }
                    SymbolIcon {
                        objectName: "learntMark"
                        visible: row.learnt
                        symbol: "checkmark"
                        size: 22
                        color: Colours.green
                    }
                }

                // The action spans the row, so the swipe completes only when dragged across it.
                swipe.right: Rectangle {
                    width: row.width
                    height: row.height
                    anchors.right: parent.right
                    color: Colours.green
                    Label {
                        anchors.right: parent.right
                        anchors.rightMargin: 20
                        anchors.verticalCenter: parent.verticalCenter
                        text: "Mark Learnt"
                        color: "white"
                        font.weight: Font.DemiBold
                    }
                    Accessible.name: "Mark Learnt"
                    Accessible.role: Accessible.Button
                }
                swipe.onCompleted: {
                    page.dictionary.toggleLearnt(row.index)
                    swipe.close()
                }
            }
        }
    }
}
