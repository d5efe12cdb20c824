import QtQuick
import QtQuick.Templates as T

// A scroll bar that stays in view whenever part of its content lies out of view, so that
// nothing below the fold goes unnoticed. Drawn here rather than by a style, so that the menu,
// the first screen, loads no style.
T.ScrollBar {
    id: cue

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: 2
    policy: size < 1 ? T.ScrollBar.AlwaysOn : T.ScrollBar.AlwaysOff
    visible: policy !== T.ScrollBar.AlwaysOff
    minimumSize: orientation === Qt.Horizontal ? height / width : width / height

    contentItem: Rectangle {
        implicitWidth: cue.interactive ? 6 : 2
        implicitHeight: cue.interactive ? 6 : 2
        radius: width / 2
        // The greys of the platform's scroll bars.
        color: cue.pressed ? "#353637" : "#bdbdbd"
        opacity: 0.75
    }
}
