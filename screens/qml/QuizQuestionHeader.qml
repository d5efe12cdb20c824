import QtQuick
import QtQuick.Layouts
import Flexio

// The quiz in play: which question of how many, the quiz's title, and the running score.
RowLayout {
    id: header

    property string counter
    property string title
    property string percentage

    spacing: 8

    Text {
        objectName: "questionCounter"
        text: header.counter
        font.pixelSize: 15
        color: Colours.secondary
    }
    Text {
        objectName: "headerTitle"
        Layout.fillWidth: true
        text: header.title
        font.family: Symbols.roundedFamily
        font.pixelSize: 16
        font.weight: Font.Black
        color: Colours.dark
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
    }
    Text {
        objectName: "runningPercentage"
        text: header.percentage
        font.pixelSize: 15
        color: Colours.secondary
    }
}
