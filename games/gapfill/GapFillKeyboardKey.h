#pragma once

#include "games/AnswerStatus.h"

#include <QObject>
#include <QString>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// One key of the spelling keyboard: a lower-case letter.
class GapFillKeyboardKey : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Keys are made by the gap-fill game")
    Q_PROPERTY(QUuid id READ id CONSTANT)
    Q_PROPERTY(QString letter READ letter CONSTANT)
    Q_PROPERTY(AnswerStatuses::AnswerStatus status READ status WRITE setStatus NOTIFY statusChanged)

public:
    explicit GapFillKeyboardKey(QString letter, QObject *parent = nullptr)
        : QObject(parent)
        , letter_(std::move(letter))
    {}

    [[nodiscard]] const QUuid &id() const { return id_; }
    [[nodiscard]] const QString &letter() const { return letter_; }
    [[nodiscard]] AnswerStatus status() const { return status_; }
    void setStatus(AnswerStatus status)
    {
        if (status_ == status)
            return;
        status_ = status;
        emit statusChanged();
    }

signals:
    void statusChanged();

private:
    const QUuid id_ = QUuid::createUuid();
    const QString letter_;
    AnswerStatus status_ = AnswerStatus::undefined;
};
