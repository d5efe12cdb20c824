import QtQuick.Controls.Basic

// A scroll bar that stays in view whenever part of its content lies out of view, so that
// nothing below the fold goes unnoticed.
ScrollBar {
    policy: size < 1 ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
}
