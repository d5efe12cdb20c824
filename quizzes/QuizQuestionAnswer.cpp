#include "quizzes/QuizQuestionAnswer.h"

void QuizQuestionAnswer::setState(QuizQuestionAnswerState state)
{
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged();
}

QString QuizQuestionAnswer::nameOf(QuizQuestionAnswerState state)
{
    switch (state) {
    case QuizQuestionAnswerState::undefined:
        return QStringLiteral("undefined");
    case QuizQuestionAnswerState::correct:
        return QStringLiteral("correct");
    case QuizQuestionAnswerState::incorrect:
        return QStringLiteral("incorrect");
    case QuizQuestionAnswerState::discarded:
        return QStringLiteral("discarded");
    }
    return QStringLiteral("undefined");
}
