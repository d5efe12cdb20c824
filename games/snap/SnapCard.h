#pragma once

#include "games/AnswerStatus.h"

#include <QObject>
#include <QString>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// One card of a snap pair: the Italian prompt or the English answer card.
class SnapCard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Cards are dealt by the snap game")
    Q_PROPERTY(QUuid id READ id CONSTANT)
    Q_PROPERTY(QString text READ text CONSTANT)
    Q_PROPERTY(bool isCorrect READ isCorrect CONSTANT)
    Q_PROPERTY(QString correctAnswer READ correctAnswer WRITE setCorrectAnswer NOTIFY correctAnswerChanged)
    Q_PROPERTY(AnswerStatuses::AnswerStatus status READ status WRITE setStatus NOTIFY statusChanged)

public:
    SnapCard(QString text, QString correctAnswer, QObject *parent = nullptr);

    [[nodiscard]] const QUuid &id() const { return id_; }
    [[nodiscard]] const QString &text() const { return text_; }
    [[nodiscard]] bool isCorrect() const { return isCorrect_; }
    void setIsCorrect(bool correct) { isCorrect_ = correct; }
    [[nodiscard]] const QString &correctAnswer() const { return correctAnswer_; }
    void setCorrectAnswer(const QString &answer);
    [[nodiscard]] AnswerStatus status() const { return status_; }
    void setStatus(AnswerStatus status);

signals:
    void correctAnswerChanged();
    void statusChanged();

private:
    const QUuid id_ = QUuid::createUuid();
    const QString text_;
    bool isCorrect_ = false;
    QString correctAnswer_;
    AnswerStatus status_ = AnswerStatus::undefined;
};
