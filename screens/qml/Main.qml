import QtQuick
import Flexio

// The one window: the main menu, and once it is on screen the navigation stack that takes it in.
Window {
    id: window
    width: 390
    height: 844
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: menuPage.menu.title
    color: Theme.background

    // Made with the rest of the menu once its first frame is on screen, or before when a screen
    // or a link asks for it.
    readonly property var stack: navigation.item

    MainMenuPage {
        id: menuPage
        // Sized by the window, which knows its size, rather than by the stack, which sizes
        // its first page only once it is made and would have every text laid out again;
        // and the stack then does not resize it on the way out, either.
        width: window.width
        height: window.height
        focus: true
        onNavigatorNeeded: window.makeNavigation()
        onEverythingMadeChanged: window.makeNavigation()
    }

    Loader {
        id: navigation
        anchors.fill: parent
        focus: true
    }

    function makeNavigation() {
        if (navigation.status === Loader.Null)
            navigation.setSource(Qt.resolvedUrl("Navigation.qml"), {
                    "menu": menuPage
                });
    }

    // A deep link shows the quiz it names (or the first quiz) where the model places it.
    function openQuiz(quizID: string) {
        window.makeNavigation();
        const quiz = DeepLinkModel.destination(quizID);
        switch (DeepLinkModel.placementName(quiz)) {
        case "push":
            window.stack.push(Qt.resolvedUrl("QuizGamePage.qml"), {
                    "quiz": quiz
                });
            break;
        case "replace":
            window.stack.replace(Qt.resolvedUrl("QuizGamePage.qml"), {
                    "quiz": quiz
                });
            break;
        }
    }
    Component.onCompleted: DeepLinkModel.quizIDPushed.connect(window.openQuiz)
    Component.onDestruction: DeepLinkModel.quizIDPushed.disconnect(window.openQuiz)
}
