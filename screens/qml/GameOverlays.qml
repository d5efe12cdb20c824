import QtQuick
import Flexio

// What every game screen shows over its board: the right form after a miss, and the result at the
// end of a game, whose "Practise these now" opens the review on the forms missed.
Item {
    id: overlays
    objectName: "gameOverlays"

    required property LearningGame game
    // The screen on the navigation stack that the review is pushed over.
    required property Item screen

    anchors.fill: parent
    z: 20

    MissReveal {
        game: overlays.game
    }

    ResultPanel {
        result: overlays.game.result
        title: overlays.game.gameName
        onPractise: ids => overlays.screen.StackView.view.push(Qt.resolvedUrl("ReviewPage.qml"), {
                "practiseIds": ids
            })
    }
}
