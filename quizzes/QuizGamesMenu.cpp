#include "quizzes/QuizGamesMenu.h"

#include "quizzes/QuizGamesParser.h"

#include <QStringList>

#include <algorithm>

namespace {

const QStringList levels{"A1", "A2", "B1", "B2"};
const QStringList levelNames{"Beginner", "Elementary", "Intermediate", "Upper intermediate"};

qsizetype rankOf(const Quiz *quiz)
{
    const qsizetype rank = levels.indexOf(quiz->level);
    return rank < 0 ? levels.size() : rank;
}

QList<Quiz *> byLevel(QList<Quiz *> quizzes)
{
    std::stable_sort(
        quizzes.begin(), quizzes.end(), [](const Quiz *a, const Quiz *b) { return rankOf(a) < rankOf(b); });
    return quizzes;
}

}

QuizGamesMenu::QuizGamesMenu(const QuizGamesParser &parser, QObject *parent)
    : QObject(parent)
    , quizzes_(byLevel(parser.quizzes()))
{}

QString QuizGamesMenu::levelHeading(const QString &level)
{
    const qsizetype rank = levels.indexOf(level);
    return rank < 0 ? QStringLiteral("Other quizzes") : level + u" \u00b7 " + levelNames.at(rank);
}
