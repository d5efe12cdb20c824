#pragma once

#include "quizzes/Quiz.h"

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class QuizGamesParser;

// The quiz menu's model: the quizzes of the quiz reader as they were when the menu was made,
// grouped by level (A1 to B2, quizzes of an unknown level last), in file order within a level.
class QuizGamesMenu : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the quiz menu from ScreenModels")
    Q_PROPERTY(QList<Quiz *> quizzes READ quizzes CONSTANT)

public:
    explicit QuizGamesMenu(const QuizGamesParser &parser, QObject *parent = nullptr);

    [[nodiscard]] const QList<Quiz *> &quizzes() const { return quizzes_; }
    // The heading of a level's group of quizzes: "A1 \u00b7 Beginner".
    [[nodiscard]] static QString levelHeading(const QString &level);

private:
    QList<Quiz *> quizzes_;
};
