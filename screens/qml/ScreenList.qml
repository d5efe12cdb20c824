import QtQuick
import QtQuick.Controls

// A screen's scrolling list. Its rows report taps and swipes through the list's signals, which
// the screen that owns the list handles.
ListView {
    signal chosen(var value)
    signal swiped(int row)

    clip: true
    ScrollIndicator.vertical: ScrollIndicator {}
}
