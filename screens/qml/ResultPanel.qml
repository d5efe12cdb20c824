import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Flexio

// The end of a game, quiz or review: score, time and accuracy in one row, the forms missed (each
// with its English and kind of mistake) in a list that scrolls within the panel, and the buttons,
// which stay in view at every size.
Rectangle {
    id: panel
    objectName: "resultPanel"

    required property SessionResult result
    property string title
    property string closeText: "Play again"
    // A grammar quiz misses questions rather than forms.
    property string missedTitle: "Forms missed"
    property string nothingMissed: "No form missed."
    signal practise(var ids)
    signal closed

    visible: result.shown
    anchors.fill: parent
    z: 20
    color: Theme.background
    // Taps never reach the screen underneath.
    MouseArea {
        anchors.fill: parent
    }

    ColumnLayout {
        width: Theme.contentWidth(parent.width) - 2 * Theme.margin
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.margins: Theme.margin
        spacing: Theme.spacing

        Label {
            objectName: "resultTitle"
            Layout.fillWidth: true
            text: panel.title
            font.pixelSize: Theme.title2
            font.weight: Font.Bold
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
            elide: Text.ElideRight
            Accessible.role: Accessible.Heading
        }

        RowLayout {
            objectName: "resultFigures"
            Layout.fillWidth: true
            spacing: Theme.spacing
            Figure {
                objectName: "resultScore"
                label: "Score"
                value: panel.result.score
            }
            Figure {
                objectName: "resultTime"
                label: "Time"
                value: panel.result.time
            }
            Figure {
                objectName: "resultAccuracy"
                label: "Accuracy"
                value: panel.result.accuracy + "%"
            }
        }

        Label {
            Layout.fillWidth: true
            text: missedList.count > 0 ? panel.missedTitle : panel.nothingMissed
            font.pixelSize: Theme.subhead
            font.weight: Font.DemiBold
            color: Theme.secondaryText
        }

        ListView {
            id: missedList
            objectName: "resultMissed"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: panel.result.missed
            activeFocusOnTab: count > 0
            Accessible.name: panel.missedTitle
            Accessible.role: Accessible.List
            ScrollBar.vertical: ScrollBar {
                policy: missedList.contentHeight > missedList.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }
            delegate: Column {
                required property var modelData
                width: ListView.view.width
                bottomPadding: Theme.spacing
                Accessible.role: Accessible.ListItem
                Accessible.name: modelData.italian + ", " + modelData.english + ". " + modelData.kind
                Label {
                    width: parent.width
                    text: parent.modelData.italian + " \u2014 " + parent.modelData.english
                    font.pixelSize: Theme.body
                    font.weight: Font.DemiBold
                    color: Theme.text
                    wrapMode: Text.WordWrap
                }
                Label {
                    width: parent.width
                    visible: text.length > 0
                    text: parent.modelData.kind
                    font.pixelSize: Theme.caption
                    color: Theme.secondaryText
                    wrapMode: Text.WordWrap
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing
            ResultButton {
                objectName: "practiseMissed"
                visible: panel.result.missedIds.length > 0
                text: "Practise these now"
                fill: Theme.blue
                onClicked: {
                    const ids = panel.result.missedIds;
                    panel.result.dismiss();
                    panel.practise(ids);
                }
            }
            ResultButton {
                objectName: "resultClose"
                text: panel.closeText
                fill: Theme.green
                onClicked: {
                    panel.result.dismiss();
                    panel.closed();
                }
            }
        }
    }

    component Figure: Column {
        property string label
        property string value
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        Accessible.role: Accessible.StaticText
        Accessible.name: label + " " + value
        Label {
            width: parent.width
            text: parent.value
            font.pixelSize: Theme.title2
            font.weight: Font.DemiBold
            color: Theme.text
            horizontalAlignment: Text.AlignHCenter
        }
        Label {
            width: parent.width
            text: parent.label
            font.pixelSize: Theme.caption
            color: Theme.secondaryText
            horizontalAlignment: Text.AlignHCenter
        }
    }

    component ResultButton: Button {
        id: button
        property color fill
        Layout.fillWidth: true
        Layout.preferredWidth: 1
        Layout.preferredHeight: Theme.buttonHeight
        Accessible.name: text
        background: Rectangle {
            radius: Theme.radius
            color: Theme.readableFill(button.fill, Theme.onColour)
            opacity: button.down ? 0.8 : 1
            FocusRingOnFill {
                shown: button.visualFocus
                radius: Theme.radius + 2
            }
        }
        contentItem: Text {
            text: button.text
            color: Theme.onColour
            font.pixelSize: Theme.body
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
        }
    }
}
