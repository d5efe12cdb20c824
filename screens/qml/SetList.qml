import QtQuick

// The set-up sheet's list of verb sets, which carries the sheet's message for its header.
ListView {
    property string message
}
