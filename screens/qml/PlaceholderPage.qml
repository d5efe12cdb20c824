import QtQuick
import QtQuick.Controls
import Flexio

// Stands in for an activity whose screen is not in the app yet.
ScreenPage {
    id: page
    property string symbol

    Column {
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 400)
        spacing: 16

        SymbolIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: page.symbol
            size: 64
            color: Colours.secondary
        }
        Label {
            width: parent.width
            text: page.screenTitle
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: 22
            font.weight: Font.DemiBold
            wrapMode: Text.WordWrap
        }
        Label {
            width: parent.width
            text: qsTr("Coming soon")
            horizontalAlignment: Text.AlignHCenter
            color: Colours.secondary
            wrapMode: Text.WordWrap
        }
    }
}
