import QtQuick

// The set-up sheet's list of verb sets, which carries the sheet's message for its header.
ListView {
    id: list
    property string message

    // Brings the chosen set into view from the top, so that the header (the game's rules) stays
    // in view whenever the chosen set fits below it.
    function revealCurrent() {
        list.positionViewAtBeginning();
        if (list.currentIndex > 0)
            list.positionViewAtIndex(list.currentIndex, ListView.Contain);
    }
}
