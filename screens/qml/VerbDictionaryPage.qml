import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// Every verb with its English meaning: searchable, sortable by either language, and marked
// learnt with a swipe to the left (or the L key). On a wide window the chosen verb's table
// stands beside the list.
ScreenPage {
    id: page
    objectName: "verbDictionary"
    screenTitle: "Verb Dictionary"

    readonly property VerbDictionaryModel dictionary: ScreenModels.dictionary(page)
    readonly property bool twoPane: Theme.isWide(width)

    StackView.onActivating: page.dictionary.sortFilteredVerbs()

    // A chosen verb opens its table as a screen of its own; on a wide window it shows beside the
    // list already.
    function open(verb: Verb) {
        if (!page.twoPane)
            page.StackView.view.push(tablePage, {verb: verb});
    }

    Component {
        id: tablePage
        VerbTablePage {}
    }

    trailing: ToolButton {
        id: sortButton
        objectName: "sortButton"
        width: Theme.tapSize
        height: Theme.tapSize
        Accessible.name: qsTr("Sort")
        contentItem: SymbolIcon {
            symbol: "arrow.up.arrow.down"
            color: Theme.link
        }
        background: FocusRing {
            shown: sortButton.visualFocus
        }
        onClicked: sortMenu.open()

        Menu {
            id: sortMenu
            objectName: "sortMenu"
            y: sortButton.height
            x: sortButton.width - width
            background: Rectangle {
                implicitWidth: 220
                radius: Theme.radius
                color: Theme.surface
                border.color: Theme.separator
            }
            SortItem {
                objectName: "sortByItalian"
                text: "Sort by " + page.dictionary.language
                current: page.dictionary.targetLanguageFirst
                onTriggered: page.dictionary.setSortOrder(true)
            }
            SortItem {
                objectName: "sortByEnglish"
                text: "Sort by English"
                current: !page.dictionary.targetLanguageFirst
                onTriggered: page.dictionary.setSortOrder(false)
            }
        }
    }

    // One order of the sort menu, marked while it is the current one.
    component SortItem: MenuItem {
        id: sortItem
        property bool current
        implicitHeight: Theme.rowHeight
        Accessible.name: text
        Accessible.checkable: true
        Accessible.checked: current
        contentItem: RowLayout {
            spacing: Theme.spacing
            SymbolIcon {
                Layout.preferredWidth: 22
                symbol: "checkmark"
                size: 20
                color: Theme.link
                opacity: sortItem.current ? 1 : 0
            }
            Text {
                Layout.fillWidth: true
                text: sortItem.text
                font.pixelSize: Theme.body
                color: Theme.text
            }
        }
        background: Rectangle {
            radius: Theme.smallRadius
            color: sortItem.highlighted || sortItem.down ? Theme.pressed : "transparent"
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        ColumnLayout {
            Layout.fillHeight: true
            Layout.fillWidth: !page.twoPane
            Layout.preferredWidth: page.twoPane ? Theme.listPaneWidth : -1
            Layout.maximumWidth: page.twoPane ? Theme.listPaneWidth : Theme.maxContentWidth
            spacing: 0

            Label {
                Layout.fillWidth: true
                Layout.topMargin: 6
                Layout.leftMargin: Theme.margin
                Layout.rightMargin: Theme.margin
                text: "Tap the tick (or swipe left) to mark a verb as learnt for the activities"
                color: Theme.secondaryText
                font.pixelSize: Theme.caption
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }

            TextField {
                id: search
                objectName: "searchField"
                Layout.fillWidth: true
                Layout.margins: Theme.radius
                Layout.topMargin: Theme.spacing
                implicitHeight: Theme.fieldHeight
                placeholderText: qsTr("Search")
                placeholderTextColor: Theme.secondaryText
                color: Theme.text
                font.pixelSize: Theme.body
                Accessible.name: qsTr("Search verbs")
                leftPadding: 36
                rightPadding: clearButton.visible ? 40 : 12
                verticalAlignment: TextInput.AlignVCenter
                text: page.dictionary.searchText
                onTextEdited: page.dictionary.searchText = text
                // Down moves from the field into the list.
                Keys.onDownPressed: list.forceActiveFocus()
                background: Rectangle {
                    radius: Theme.radius
                    color: Theme.field
                    border.color: Theme.focus
                    border.width: search.activeFocus ? 2 : 0
                }
                SymbolIcon {
                    symbol: "magnifyingglass"
                    size: 20
                    color: Theme.secondaryText
                    anchors.verticalCenter: parent.verticalCenter
                    x: 10
                }
                AbstractButton {
                    id: clearButton
                    objectName: "clearSearch"
                    visible: search.text.length > 0
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    width: Theme.fieldHeight
                    height: Theme.fieldHeight
                    activeFocusOnTab: false
                    Accessible.name: qsTr("Clear search")
                    contentItem: SymbolIcon {
                        symbol: "xmark.circle.fill"
                        size: 18
                        color: Theme.secondaryText
                    }
                    onClicked: page.dictionary.searchText = ""
                }
                // Escape clears a search before it goes back: the field claims the key from the
                // window's back shortcut while it holds text.
                Keys.onShortcutOverride: event => event.accepted = event.key === Qt.Key_Escape && search.text.length > 0
                Keys.onEscapePressed: event => {
                    event.accepted = search.text.length > 0;
                    page.dictionary.searchText = "";
                }
            }

            Label {
                objectName: "noMatch"
                visible: list.count === 0 && search.text.length > 0
                Layout.fillWidth: true
                Layout.margins: Theme.wideMargin
                text: qsTr("No verbs match \u201c%1\u201d").arg(search.text)
                color: Theme.secondaryText
                font.pixelSize: Theme.body
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }

            Label {
                objectName: "closest"
                visible: list.count === 0 && page.dictionary.closest.length > 0
                Layout.fillWidth: true
                Layout.leftMargin: Theme.wideMargin
                Layout.rightMargin: Theme.wideMargin
                text: page.dictionary.closest
                color: Theme.secondaryText
                font.pixelSize: Theme.body
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
            }

            ScrollingList {
                id: list
                objectName: "verbList"
                Layout.fillWidth: true
                Layout.fillHeight: true
                model: page.dictionary.rows
                Accessible.name: qsTr("Verbs")
                Accessible.description: qsTr("Arrow keys move, Enter opens, L marks learnt")
                onChosen: verb => page.open(verb as Verb)
                onSwiped: row => page.dictionary.toggleLearnt(row)
                // The swipe action on the keyboard.
                Keys.onPressed: event => {
                    if (event.key === Qt.Key_L && currentIndex >= 0) {
                        swiped(currentIndex);
                        event.accepted = true;
                    }
                }
                marksCurrent: page.twoPane

                delegate: FocusScope {
                    id: row
                    required property int index
                    required property Verb verb
                    required property string displayInfinitive
                    required property string englishRendering
                    required property string firstLine
                    required property string secondLine
                    required property bool learnt
                    required property string where
                    // How far the row is swiped to the left, in pixels (0 or less).
                    readonly property real swipeOffset: content.x
                    // Set once a swipe takes over a press, which then must not show as pressed.
                    property bool swiped: false
                    readonly property bool shown: (row.ListView.view as ScreenList).marksCurrent && row.ListView.isCurrentItem

                    width: ListView.view.width
                    height: content.implicitHeight
                    clip: true
                    focus: ListView.isCurrentItem

                    // The swipe action, uncovered as the row slides left. Dragging the row past
                    // most of its width runs it.
                    Rectangle {
                        anchors.fill: parent
                        color: Theme.readableFill(Theme.green, Theme.onColour)
                        visible: content.x < 0
                        Label {
                            anchors.right: parent.right
                            anchors.rightMargin: Theme.wideMargin
                            anchors.verticalCenter: parent.verticalCenter
                            text: "Mark Learnt"
                            color: Theme.onColour
                            font.pixelSize: Theme.body
                            font.weight: Font.DemiBold
                        }
                    }

                    ItemDelegate {
                        id: content
                        objectName: "verbRow"
                        width: row.width
                        focus: true
                        padding: 10
                        leftPadding: Theme.margin
                        rightPadding: Theme.margin
                        Accessible.name: row.displayInfinitive + ", " + row.englishRendering + (row.learnt ? ", learnt" : "")
                        Accessible.role: Accessible.Link
                        // A screen reader marks the verb learnt with the row's toggle action.
                        Accessible.checkable: true
                        Accessible.checked: row.learnt
                        Accessible.onToggleAction: (row.ListView.view as ScreenList).swiped(row.index)
                        onPressed: row.swiped = false
                        onClicked: {
                            row.ListView.view.currentIndex = row.index;
                            (row.ListView.view as ScreenList).chosen(row.verb);
                        }

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
                                    content.x = Math.min(0, translation.x);
                            }
                            onActiveChanged: {
                                row.swiped = true;
                                if (active)
                                    return;
                                if (content.x < -row.width * 0.6)
                                    (row.ListView.view as ScreenList).swiped(row.index);
                                content.x = 0;
                            }
                        }

                        background: Rectangle {
                            // A press taken over by the swipe leaves no grey behind.
                            color: content.pressed && !row.swiped ? Theme.pressed
                                 : row.shown ? Theme.field : Theme.surface
                            Rectangle {
                                anchors.bottom: parent.bottom
                                anchors.left: parent.left
                                anchors.leftMargin: Theme.margin
                                anchors.right: parent.right
                                height: 1
                                color: Theme.separator
                            }
                            FocusRing {
                                shown: content.activeFocus && row.ListView.view.activeFocus
                                inset: 2
                                radius: Theme.smallRadius
                            }
                        }

                        contentItem: RowLayout {
                            spacing: Theme.spacing
                            ColumnLayout {
                                Layout.fillWidth: true
                                spacing: 2
                                Text {
                                    Layout.fillWidth: true
                                    text: row.firstLine
                                    font.pixelSize: Theme.title2
                                    font.weight: Font.DemiBold
                                    color: Theme.text
                                    wrapMode: Text.WordWrap
                                }
                                Text {
                                    Layout.fillWidth: true
                                    text: row.secondLine
                                    font.pixelSize: Theme.body
                                    color: Theme.secondaryText
                                    wrapMode: Text.WordWrap
                                }
                                Text {
                                    objectName: "where"
                                    Layout.fillWidth: true
                                    visible: row.where.length > 0
                                    text: row.where
                                    font.pixelSize: Theme.caption
                                    font.italic: true
                                    color: Theme.secondaryText
                                    wrapMode: Text.WordWrap
                                }
                            }
                            // The swipe's action as a button: a finger or a pointer that cannot swipe taps it.
                            AbstractButton {
                                objectName: "learntButton"
                                Layout.preferredWidth: Theme.tapSize
                                Layout.preferredHeight: Theme.tapSize
                                focusPolicy: Qt.NoFocus // qmllint disable
                                Accessible.name: row.learnt ? qsTr("Mark not learnt") : qsTr("Mark learnt")
                                onClicked: (row.ListView.view as ScreenList).swiped(row.index)
                                contentItem: Item {
                                    SymbolIcon {
                                        objectName: "learntMark"
                                        anchors.centerIn: parent
                                        visible: row.learnt
                                        symbol: "checkmark"
                                        size: 22
                                        color: Theme.readableFill(Theme.green, Theme.surface, 3)
                                    }
                                    SymbolIcon {
                                        anchors.centerIn: parent
                                        visible: !row.learnt
                                        symbol: "checkmark"
                                        size: 22
                                        color: Theme.secondaryText
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }

        Rectangle {
            visible: page.twoPane
            Layout.fillHeight: true
            Layout.preferredWidth: 1
            color: Theme.separator
        }

        VerbTableView {
            id: detail
            objectName: "verbDetail"
            visible: page.twoPane
            Layout.fillWidth: true
            Layout.fillHeight: true
            // The current row's verb: a click or the arrow keys choose it.
            verb: page.twoPane && list.currentIndex >= 0 ? page.dictionary.verbAt(list.currentIndex) : null
        }
    }
}
