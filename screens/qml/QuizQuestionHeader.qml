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
        font.pixelSize: Theme.subhead
        color: Theme.secondaryText
    }
    Text {
        objectName: "headerTitle"
        Layout.fillWidth: true
        text: header.title
        font.family: Symbols.roundedFamily
        font.pixelSize: Theme.body
        font.weight: Font.Black
        color: Theme.title
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
    }
    Text {
        objectName: "runningPercentage"
        text: header.percentage
        font.pixelSize: Theme.subhead
        color: Theme.secondaryText
    }
}
