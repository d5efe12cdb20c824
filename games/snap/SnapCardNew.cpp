#include "games/snap/SnapCardNew.h"

SnapCardNew::SnapCardNew(QString text, QString correctAnswer, QObject *parent)
    : QObject(parent), text_(std::move(text)), correctAnswer_(std::move(correctAnswer))
{
}

void SnapCardNew::setCorrectAnswer(const QString &answer)
{
    if (correctAnswer_ == answer)
        return;
    correctAnswer_ = answer;
    emit correctAnswerChanged();
}

void SnapCardNew::setStatus(SnapCardStatusNew status)
{
    if (status_ == status)
        return;
    status_ = status;
    emit statusChanged();
}
