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

        ScreenList {
            id: list
            objectName: "verbList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            model: page.dictionary.rows
            onChosen: verb => page.StackView.view.push(tablePage, {verb: verb})
            onSwiped: row => page.dictionary.toggleLearnt(row)

            delegate: Item {
                id: row
                required property int index
                required property Verb verb
                required property string displayInfinitive
                required property string englishRendering
                required property string firstLine
                required property string secondLine
                required property bool learnt
                // How far the row is swiped to the left, in pixels (0 or less).
                readonly property real swipeOffset: content.x

                width: ListView.view.width
                height: content.implicitHeight
                clip: true

                // The swipe action, uncovered as the row slides left. Dragging the row past
                // most of its width runs it.
                Rectangle {
                    anchors.fill: parent
                    color: Colours.green
                    visible: content.x < 0
                    Label {
                        anchors.right: parent.right
                        anchors.rightMargin: 20
                        anchors.verticalCenter: parent.verticalCenter
                        text: "Mark Learnt"
                        color: "white"
                        font.weight: Font.DemiBold
                    }
                }

                ItemDelegate {
                    id: content
                    objectName: "verbRow"
                    width: row.width
                    padding: 10
                    leftPadding: 16
                    rightPadding: 16
                    Accessible.name: row.displayInfinitive + ", " + row.englishRendering + (row.learnt ? ", learnt" : "")
                    Accessible.role: Accessible.Link
                    // A screen reader marks the verb learnt with the row's toggle action.
                    Accessible.checkable: true
                    Accessible.checked: row.learnt
                    Accessible.onToggleAction: (row.ListView.view as ScreenList).swiped(row.index)
                    onClicked: (row.ListView.view as ScreenList).chosen(row.verb)

                    Behavior on x {
                        enabled: !swipe.active
                        NumberAnimation {
                            duration: 180
                        }
                    }

                    DragHandler {
                        id: swipe
                        target: null
                        xAxis.enabled: true
                        yAxis.enabled: false
                        onTranslationChanged: {
                            if (active)
                                content.x = Math.min(0, translation.x)
                        }
                        onActiveChanged: {
                            if (active)
                                return
                            if (content.x < -row.width * 0.6)
                                (row.ListView.view as ScreenList).swiped(row.index)
                            content.x = 0
                        }
                    }

                    background: Rectangle {
                        color: content.down ? "#e5e5ea" : "white"
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
                                text: row.firstLine
                                font.pixelSize: 22
                                font.weight: Font.DemiBold
                                color: "black"
                                elide: Text.ElideRight
                            }
                            Text {
                                Layout.fillWidth: true
                                text: row.secondLine
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
                }
            }
        }
    }
}
