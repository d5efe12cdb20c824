import QtQuick

// A screen's list. Its rows report taps and swipes through the list's signals, which the screen
// that owns the list handles. Tab stops once on the list; the arrow keys move between its rows,
// and the current row holds the keyboard focus. A list that scrolls by itself is a ScrollingList.
ListView {
    signal chosen(var value)
    signal swiped(int row)
    // Whether the current row is drawn as chosen, as where its details show beside the list.
    property bool marksCurrent: false

    clip: true
    activeFocusOnTab: count > 0
    keyNavigationEnabled: true
    highlightMoveDuration: 0
    currentIndex: count > 0 ? 0 : -1
}
