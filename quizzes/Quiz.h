#pragma once

#include "quizzes/QuizQuestion.h"

#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// One grammar quiz of the quiz data file, with the score of its last completed run.
class Quiz : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Quizzes come from the quiz reader")
    Q_PROPERTY(QString identifier MEMBER identifier CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString description MEMBER description CONSTANT)
    Q_PROPERTY(QString level MEMBER level CONSTANT)
    Q_PROPERTY(QString quizID MEMBER quizID CONSTANT)
    Q_PROPERTY(int order MEMBER order CONSTANT)
    Q_PROPERTY(QList<QuizQuestion *> questions MEMBER questions CONSTANT)
    Q_PROPERTY(qint64 lastScore READ lastScore NOTIFY lastScoreChanged)

public:
    explicit Quiz(QObject *parent = nullptr)
        : QObject(parent)
    {}

    QString identifier;
    QString title;
    QString description;
    // The learner's level the quiz is for: "A1", "A2", "B1" or "B2".
    QString level;
    QList<QuizQuestion *> questions;
    QString quizID;
    int order = 0;

    [[nodiscard]] qint64 lastScore() const { return lastScore_; }
    void setLastScore(qint64 score);

signals:
    void lastScoreChanged();

private:
    qint64 lastScore_ = 0;
};
