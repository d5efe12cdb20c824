#include "screens/QuizScreens.h"

#include "quizzes/QuizGame.h"
#include "quizzes/QuizGamesMenu.h"
#include "quizzes/QuizQuestionAnswer.h"
#include "screens/Theme.h"

QString QuizScreens::menuText()
{
    return QStringLiteral(
        "Quizzes offer short, targeted practice sessions with a focus on specific grammar points. Each quiz is "
        "graded with red, amber or green according to the score of your most recent attempt. Try to get a green "
        "light on each one!");
}

QColor QuizScreens::playColour()
{
    return Theme::hex(QStringLiteral("27ae60"));
}

QColor QuizScreens::returnColour()
{
    return Theme::hex(QStringLiteral("9b59b6"));
}

QColor QuizScreens::entryText()
{
    return Theme::hex(QStringLiteral("2c3e50"));
}

QColor QuizScreens::entryBackground()
{
    return Theme::hex(QStringLiteral("ecf0f1"));
}

bool QuizScreens::showsSeal(qint64 lastScore)
{
    return QuizGame::grade(lastScore) != QuizGame::Grade::none;
}

QColor QuizScreens::gradeColour(qint64 lastScore)
{
    switch (QuizGame::grade(lastScore)) {
    case QuizGame::Grade::red:
        return Theme::red();
    case QuizGame::Grade::amber:
        return Theme::yellow();
    case QuizGame::Grade::green:
        return Theme::green();
    case QuizGame::Grade::none:
        break;
    }
    return QColor(Qt::transparent);
}

QColor QuizScreens::answerFill(const QString &stateName)
{
    if (stateName == QuizQuestionAnswer::nameOf(QuizQuestionAnswerState::correct))
        return Theme::hex(QStringLiteral("05c46b"));
    if (stateName == QuizQuestionAnswer::nameOf(QuizQuestionAnswerState::incorrect))
        return Theme::hex(QStringLiteral("ff3f34"));
    if (stateName == QuizQuestionAnswer::nameOf(QuizQuestionAnswerState::discarded))
        return QColor(Qt::transparent);
    return Theme::hex(QStringLiteral("0984e3"));
}

QString QuizScreens::explanationText(const QString &explanation)
{
    return explanation.isEmpty() ? QString() : QString(u"Yes! " + explanation);
}

QVariantList QuizScreens::quizList(QuizGamesMenu *menu)
{
    QVariantList list;
    if (menu) {
        for (Quiz *quiz : menu->quizzes())
            list.append(QVariant::fromValue(quiz));
    }
    return list;
}

QString QuizScreens::levelHeading(const QString &level)
{
    return QuizGamesMenu::levelHeading(level);
}
