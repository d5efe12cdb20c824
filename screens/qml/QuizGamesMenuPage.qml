import QtQuick
import QtQuick.Controls.Basic
import Flexio

// The quiz menu: a heading, what the quizzes are for, and one entry per quiz with the seal of
// its last score, grouped under the learner's levels; a tap opens the quiz.
ScreenPage {
    id: page
    objectName: "quizMenu"
    screenTitle: QuizScreens.menuHeading

    readonly property QuizGamesMenu menu: ScreenModels.quizMenu(page)

    // Opens the quiz screen of the quiz; returns the pushed page.
    function openQuiz(quiz: Quiz): Item {
        return page.StackView.view.push(quizPage, {"quiz": quiz})
    }

    Component {
        id: quizPage
        QuizGamePage {}
    }

    ScrollingList {
        id: list
        objectName: "quizEntries"
        anchors.fill: parent
        spacing: 10
        model: QuizScreens.quizList(page.menu)
        onChosen: quiz => page.openQuiz(quiz)
        section.property: "level"
        section.delegate: Text {
            required property string section
            objectName: "levelHeading" + section
            x: Theme.wideMargin
            topPadding: 14
            bottomPadding: 6
            text: QuizScreens.levelHeading(section)
            font.pixelSize: Theme.title3
            font.weight: Font.DemiBold
            color: Theme.title
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }

        header: Column {
            width: ListView.view.width
            topPadding: 16
            bottomPadding: 12
            spacing: 8

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 8
                SymbolIcon {
                    symbol: "list.bullet.clipboard.fill"
                    size: 30
                    color: Theme.title
                    height: heading.height
                }
                Text {
                    id: heading
                    objectName: "quizMenuHeading"
                    text: QuizScreens.menuHeading
                    font.family: Symbols.roundedFamily
                    font.pixelSize: Theme.title1
                    font.weight: Font.Black
                    color: Theme.title
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                }
            }
            Text {
                objectName: "quizMenuText"
                x: 20
                width: parent.width - 40
                text: QuizScreens.menuText
                font.pixelSize: Theme.subhead
                color: Theme.title
                wrapMode: Text.WordWrap
                horizontalAlignment: Text.AlignHCenter
            }
        }

        delegate: QuizGamesMenuEntry {
            id: entry
            required property int index
            objectName: "quizEntry" + index
            width: Theme.contentWidth(ListView.view.width) - 2 * Theme.wideMargin
            x: (ListView.view.width - width) / 2
            focus: ListView.isCurrentItem
            onClicked: (entry.ListView.view as ScreenList).chosen(entry.quiz)
        }

        footer: Item {
            width: 1
            height: 20
        }
    }
}
