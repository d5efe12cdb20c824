import QtQuick

// The gap-fill keyboard: a grid of 50 x 50 keys. Its keys report taps through keyTapped, which
// the game screen forwards to the game.
GridView {
    signal keyTapped(string letter)

    cellWidth: 58
    cellHeight: 58
    interactive: false
}
