#pragma once

#include "quizzes/Quiz.h"

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The quiz menu's model: the quizzes of the quiz reader, as they were when the menu was made.
class QuizGamesParser;

class QuizGamesMenu : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Screens get the quiz menu from ScreenModels")
    Q_PROPERTY(QList<Quiz *> quizzes READ quizzes CONSTANT)

public:
    explicit QuizGamesMenu(const QuizGamesParser &parser, QObject *parent = nullptr);

    [[nodiscard]] const QList<Quiz *> &quizzes() const { return quizzes_; }

private:
    QList<Quiz *> quizzes_;
};
