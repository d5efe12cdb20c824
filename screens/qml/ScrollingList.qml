import QtQuick.Controls.Basic

// A screen's list that scrolls by itself, with a cue at its edge while part of it is out of view.
ScreenList {
    // Rows swipe from the right edge, so the cue there only shows and never takes a press.
    ScrollBar.vertical: ScrollCue {
        interactive: false
    }
}
