#include "games/conjugation/ConjugationQuizAnswer.h"

ConjugationQuizAnswer::ConjugationQuizAnswer(QString text, bool correct, QObject *parent)
    : QObject(parent)
    , text_(std::move(text))
    , correct_(correct)
    , speakText_(text_)
{}

void ConjugationQuizAnswer::setStatus(AnswerStatus status)
{
    if (status_ == status)
        return;
    status_ = status;
    emit statusChanged();
}
