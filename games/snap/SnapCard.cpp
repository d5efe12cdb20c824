#include "games/snap/SnapCard.h"

SnapCard::SnapCard(QString text, QString correctAnswer, QObject *parent)
    : QObject(parent)
    , text_(std::move(text))
    , correctAnswer_(std::move(correctAnswer))
{}

void SnapCard::setCorrectAnswer(const QString &answer)
{
    if (correctAnswer_ == answer)
        return;
    correctAnswer_ = answer;
    emit correctAnswerChanged();
}

void SnapCard::setStatus(AnswerStatus status)
{
    if (status_ == status)
        return;
    status_ = status;
    emit statusChanged();
}
