import QtQuick
import QtQuick.Controls
import Flexio

ApplicationWindow {
    id: window
    width: 390
    height: 844
    visible: true
    title: menu.title
    color: "#ecf0f1"

    MainMenuModel {
        id: menu
    }

    Column {
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 20
        spacing: 20

        Text {
            width: parent.width
            text: menu.title
            font.family: "Arial Rounded MT Bold"
            font.pixelSize: 32
            font.weight: Font.Black
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 16
            color: "#2c3e50"
        }

        Rectangle {
            width: parent.width
            height: cardColumn.implicitHeight + 32
            radius: 20
            color: "white"

            Column {
                id: cardColumn
                anchors.centerIn: parent
                spacing: 6

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "random verb"
                    color: "#7f8c8d"
                    font.pixelSize: 14
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: menu.randomVerb ? menu.randomVerb.displayInfinitive : ""
                    color: "#2980b9"
                    font.pixelSize: 28
                    font.bold: true
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: menu.randomVerb ? menu.randomVerb.englishDisplay : ""
                    color: "#2c3e50"
                    font.pixelSize: 18
                }
            }
        }
    }
}
