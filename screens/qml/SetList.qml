import QtQuick

// The set-up sheet's list of verb sets, which carries the sheet's message for its header.
ListView {
    id: list
    property string message

    // Brings the chosen set into view, with the header above it when it is the first set.
    function revealCurrent() {
        if (list.currentIndex <= 0)
            list.positionViewAtBeginning();
        else
            list.positionViewAtIndex(list.currentIndex, ListView.Contain);
    }
}
