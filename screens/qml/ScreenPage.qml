import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Flexio

// A screen on the navigation stack: a bar with the back button and the screen's title, and an
// optional trailing control.
Page {
    id: page

    property string screenTitle
    property alias trailing: trailingSlot.data
    property bool showsBack: true

    background: Rectangle {
        color: Colours.background
    }

    header: ToolBar {
        id: bar
        objectName: "screenBar"
        height: 48
        background: Rectangle {
            color: Colours.background
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: "#d1d1d6"
            }
        }

        RowLayout {
            anchors.fill: parent
            anchors.leftMargin: 4
            anchors.rightMargin: 8
            spacing: 4

            ToolButton {
                id: backButton
                objectName: "backButton"
                visible: page.showsBack
                Layout.preferredWidth: 44
                Layout.preferredHeight: 44
                contentItem: SvgIcon {
                    source: "images/BackButton.svg"
                }
                Accessible.name: qsTr("Back")
                onClicked: page.StackView.view.pop()
            }

            Label {
                objectName: "screenTitle"
                text: page.screenTitle
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                font.pixelSize: 17
                font.weight: Font.DemiBold
                color: "black"
                Accessible.role: Accessible.Heading
            }

            Item {
                id: trailingSlot
                Layout.preferredWidth: 44
                Layout.preferredHeight: 44
            }
        }
    }
}
