import QtQuick
import Flexio

// A symbol of the icon font, named as the screens name it ("book.fill", "checkmark", ...).
Text {
    property string symbol
    property real size: 24

    text: Symbols.glyph(symbol)
    font.family: Symbols.fontFamily
    font.pixelSize: size
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    Accessible.ignored: true
}
