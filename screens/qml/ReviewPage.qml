import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The review drill: each due form (or each missed form of one grid cell) asked once, typed on
// the keyboard or chosen from four; after a wrong answer, the right form, its English and the
// kind of mistake.
ScreenPage {
    id: page
    objectName: "reviewPage"
    screenTitle: "Review"

    // Set by the accuracy grid to review one tense and person instead of the due forms.
    property string cellTense
    property int cellPerson: -1
    readonly property ReviewDrill drill: ScreenModels.reviewDrill(page)

    // Set by a result screen to practise the forms it lists.
    property list<string> practiseIds

    Component.onCompleted: {
        if (page.practiseIds.length > 0)
            page.drill.startForms(page.practiseIds);
        else if (page.cellTense.length > 0)
            page.drill.startCell(page.cellTense, page.cellPerson);
        else
            page.drill.start();
    }

    ColumnLayout {
        objectName: "reviewQuiet"
        visible: page.drill.total === 0
        anchors.centerIn: parent
        width: parent.width - 48
        spacing: Theme.margin
        Label {
            Layout.fillWidth: true
            text: "Nothing due right now.\nForms you miss in the games come back here when they are due."
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: Theme.subhead
            color: Theme.secondaryText
        }
        Button {
            objectName: "practiseWeakest"
            Layout.alignment: Qt.AlignHCenter // qmllint disable
            Layout.preferredHeight: Theme.buttonHeight
            text: "Practise now"
            Accessible.name: "Practise now: the forms you miss most"
            highlighted: true
            onClicked: page.drill.practiseWeakest()
        }
    }

    ResultPanel {
        result: page.drill.result
        title: "Review"
        closeText: "Done"
        onPractise: ids => page.drill.startForms(ids)
        onClosed: page.StackView.view.pop()
    }

    ColumnLayout {
        id: board
        objectName: "reviewBoard"
        anchors.fill: parent
        anchors.margins: 16
        spacing: 10
        visible: !page.drill.finished
        focus: visible

        Keys.onPressed: event => {
            if (event.key === Qt.Key_Backspace) {
                page.drill.backspace();
            } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                page.drill.answered ? page.drill.next() : page.drill.submit();
            } else if (event.text.length === 1) {
                page.drill.typeKey(event.text);
            } else {
                return;
            }
            event.accepted = true;
        }

        Switch {
            objectName: "choiceSwitch"
            Layout.alignment: Qt.AlignHCenter // qmllint disable
            // Space toggles it; the letters it leaves reach the answer through the board.
            text: "Choose from four"
            Accessible.name: text
            checked: page.drill.choiceMode
            onToggled: page.drill.choiceMode = checked
        }
        Label {
            Layout.fillWidth: true
            text: (page.drill.position + 1) + " of " + page.drill.total
            horizontalAlignment: Text.AlignHCenter
            color: Theme.secondaryText
        }
        Label {
            objectName: "reviewVerb"
            Layout.fillWidth: true
            text: page.drill.verbName + " \u2014 " + page.drill.formLabel
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.body
            color: Theme.text
        }
        Label {
            objectName: "reviewPrompt"
            Layout.fillWidth: true
            text: page.drill.prompt
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.title1
            font.weight: Font.DemiBold
            color: Theme.text
        }

        // The typed answer, or the verdict once answered.
        Rectangle {
            id: verdictCard
            Layout.fillWidth: true
            Layout.preferredHeight: verdict.implicitHeight + 24
            radius: Theme.cardRadius
            // A pale wash of the verdict's colour over the card.
            color: !page.drill.answered ? Theme.surface
                 : Qt.tint(Theme.surface, Qt.rgba(verdictCard.verdictColour.r, verdictCard.verdictColour.g,
                                                 verdictCard.verdictColour.b, 0.2))
            readonly property color verdictColour: page.drill.answeredRight ? Theme.green : Theme.red
            ColumnLayout {
                id: verdict
                anchors.fill: parent
                anchors.margins: 12
                spacing: 4
                Label {
                    objectName: "reviewTyped"
                    visible: !page.drill.choiceMode || page.drill.answered
                    Layout.fillWidth: true
                    text: page.drill.answered ? page.drill.verdict : page.drill.typed + "\u2502"
                    font.pixelSize: Theme.title2
                    horizontalAlignment: Text.AlignHCenter
                }
                Label {
                    objectName: "reviewRightForm"
                    visible: page.drill.answered && !page.drill.answeredRight
                    Layout.fillWidth: true
                    text: page.drill.rightForm + "  (" + page.drill.english + ")"
                    font.pixelSize: Theme.body
                    font.weight: Font.DemiBold
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                }
                Label {
                    objectName: "reviewExplanation"
                    visible: text.length > 0
                    Layout.fillWidth: true
                    text: page.drill.explanation
                    font.pixelSize: Theme.subhead
                    wrapMode: Text.WordWrap
                    horizontalAlignment: Text.AlignHCenter
                    color: Theme.text
                }
            }
        }

        // A choice of four.
        Repeater {
            model: page.drill.choiceMode && !page.drill.answered ? page.drill.choices : []
            delegate: Button {
                required property string modelData
                required property int index
                objectName: "choice" + index
                Layout.fillWidth: true
                text: modelData
                Accessible.name: modelData
                font.pixelSize: Theme.body
                onClicked: page.drill.choose(modelData) // qmllint disable
            }
        }

        AnswerKeyboard {
            Layout.fillWidth: true
            typing: !page.drill.choiceMode && !page.drill.answered
            submitShown: !page.drill.choiceMode || page.drill.answered
            submitText: page.drill.answered ? "Next" : "Check"
            onKeyTapped: letter => page.drill.typeKey(letter)
            onDeleteTapped: page.drill.backspace()
            onSubmitTapped: page.drill.answered ? page.drill.next() : page.drill.submit()
        }
        Item {
            Layout.fillHeight: true
        }
    }
}
