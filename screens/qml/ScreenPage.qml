import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Templates as T
import Flexio

// A screen on the navigation stack: a bar with the back button and the screen's title, and an
// optional trailing control. Enter and Return press the control that holds the keyboard focus.
Page {
    id: page

    property string screenTitle
    property alias trailing: trailingSlot.data
    property bool showsBack: true

    Keys.onReturnPressed: event => event.accepted = page.activateFocused()
    Keys.onEnterPressed: event => event.accepted = page.activateFocused()
    Keys.onEscapePressed: event => {
        event.accepted = page.StackView.view !== null && page.StackView.view.depth > 1;
        if (event.accepted)
            page.StackView.view.pop();
    }

    // Presses the button that holds the keyboard focus; false when none does.
    function activateFocused(): bool {
        const button = page.Window.activeFocusItem as T.AbstractButton;
        if (!button || !button.enabled)
            return false;
        button.clicked();
        return true;
    }

    background: Rectangle {
        color: Theme.background
    }

    header: ToolBar {
        id: bar
        objectName: "screenBar"
        height: Theme.barHeight
        background: Rectangle {
            color: Theme.background
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: Theme.separator
            }
        }

        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: Theme.gap
            anchors.rightMargin: Theme.spacing
            spacing: Theme.gap

            ToolButton {
                id: backButton
                objectName: "backButton"
                visible: page.showsBack
                Layout.preferredWidth: Theme.tapSize
                Layout.preferredHeight: Theme.tapSize
                contentItem: SymbolIcon {
                    symbol: "chevron.left"
                    size: 28
                    color: Theme.link
                }
                background: FocusRing {
                    shown: backButton.visualFocus
                }
                Accessible.name: qsTr("Back")
                onClicked: page.StackView.view.pop()
            }

            Label {
                objectName: "screenTitle"
                text: page.screenTitle
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Theme.caption
                elide: Text.ElideRight
                font.pixelSize: Theme.body
                font.weight: Font.DemiBold
                color: Theme.text
                Accessible.role: Accessible.Heading
            }

            Item {
                id: trailingSlot
                Layout.preferredWidth: Theme.tapSize
                Layout.preferredHeight: Theme.tapSize
            }
        }
    }
}
