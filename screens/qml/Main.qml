import QtQuick
import QtQuick.Templates as T
import Flexio

// The one window: a navigation stack with the main menu at its root.
T.ApplicationWindow {
    id: window
    width: 390
    height: 844
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: menuPage.menu.title
    color: Theme.background


    T.StackView {
        id: stack
        objectName: "navigationStack"
        anchors.fill: parent
        initialItem: MainMenuPage {
            id: menuPage
            // Sized by the window, which knows its size, rather than by the stack, which sizes
            // its first page only once it is made and would have every text laid out again;
            // and the stack then does not resize it on the way out, either.
            width: window.width
            height: window.height
        }
        focus: true

        // A page slides in from the side it is read from, and back out the same way.
        pushEnter: Transition {
            XAnimator { from: (stack.mirrored ? -1 : 1) * stack.width; to: 0; duration: 400; easing.type: Easing.OutCubic }
        }
        pushExit: Transition {
            XAnimator { from: 0; to: (stack.mirrored ? -1 : 1) * -stack.width; duration: 400; easing.type: Easing.OutCubic }
        }
        popEnter: Transition {
            XAnimator { from: (stack.mirrored ? -1 : 1) * -stack.width; to: 0; duration: 400; easing.type: Easing.OutCubic }
        }
        popExit: Transition {
            XAnimator { from: 0; to: (stack.mirrored ? -1 : 1) * stack.width; duration: 400; easing.type: Easing.OutCubic }
        }
        replaceEnter: Transition {
            XAnimator { from: (stack.mirrored ? -1 : 1) * stack.width; to: 0; duration: 400; easing.type: Easing.OutCubic }
        }
        replaceExit: Transition {
            XAnimator { from: 0; to: (stack.mirrored ? -1 : 1) * -stack.width; duration: 400; easing.type: Easing.OutCubic }
        }
    }

    // A deep link shows the quiz it names (or the first quiz) where the model places it.
    function openQuiz(quizID: string) {
        const quiz = DeepLinkModel.destination(quizID);
        switch (DeepLinkModel.placementName(quiz)) {
        case "push":
            stack.push(Qt.resolvedUrl("QuizGamePage.qml"), {
                    "quiz": quiz
                });
            break;
        case "replace":
            stack.replace(Qt.resolvedUrl("QuizGamePage.qml"), {
                    "quiz": quiz
                });
            break;
        }
    }
    Component.onCompleted: DeepLinkModel.quizIDPushed.connect(window.openQuiz)
    Component.onDestruction: DeepLinkModel.quizIDPushed.disconnect(window.openQuiz)

    Shortcut {
        sequences: ["Esc", "Back"]
        enabled: stack.depth > 1
        onActivated: stack.pop()
    }
}
