#pragma once

#include "quizzes/QuizQuestionAnswerState.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

// One of the four answers of a quiz question.
class QuizQuestionAnswer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Answers come from their quiz question")
    Q_PROPERTY(QString text MEMBER text CONSTANT)
    Q_PROPERTY(bool correct MEMBER correct CONSTANT)
    Q_PROPERTY(QString stateName READ stateName NOTIFY stateChanged)

public:
    explicit QuizQuestionAnswer(QObject *parent = nullptr)
        : QObject(parent)
    {}
    QuizQuestionAnswer(QString text, bool correct, QObject *parent = nullptr)
        : QObject(parent)
        , text(std::move(text))
        , correct(correct)
    {}

    QString text;
    bool correct = false;

    [[nodiscard]] QuizQuestionAnswerState state() const { return state_; }
    void setState(QuizQuestionAnswerState state);
    // "undefined", "correct", "incorrect" or "discarded", for the screens.
    [[nodiscard]] QString stateName() const { return nameOf(state_); }
    static QString nameOf(QuizQuestionAnswerState state);

signals:
    void stateChanged();

private:
    QuizQuestionAnswerState state_ = QuizQuestionAnswerState::undefined;
};
