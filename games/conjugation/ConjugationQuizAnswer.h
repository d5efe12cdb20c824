#pragma once

#include "games/AnswerStatus.h"

#include <QObject>
#include <QString>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// One answer button of the conjugation quiz. Two answers are equal when their texts are.
class ConjugationQuizAnswer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Answers are made by the conjugation quiz")
    Q_PROPERTY(QUuid id READ id CONSTANT)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(bool correct READ correct NOTIFY correctChanged)
    Q_PROPERTY(AnswerStatuses::AnswerStatus status READ status NOTIFY statusChanged)
    Q_PROPERTY(QString speakText READ speakText CONSTANT)

public:
    ConjugationQuizAnswer(QString text, bool correct, QObject *parent = nullptr);

    [[nodiscard]] const QUuid &id() const { return id_; }
    [[nodiscard]] const QString &text() const { return text_; }
    [[nodiscard]] bool correct() const { return correct_; }
    [[nodiscard]] AnswerStatus status() const { return status_; }
    void setStatus(AnswerStatus status);
    // What is said for the answer: its text, or for the right answer the pronoun and the form.
    [[nodiscard]] const QString &speakText() const { return speakText_; }
    void setSpeakText(const QString &text) { speakText_ = text; }

    [[nodiscard]] bool sameAnswer(const ConjugationQuizAnswer &other) const { return text_ == other.text_; }

signals:
    void textChanged();
    void correctChanged();
    void statusChanged();

private:
    const QUuid id_ = QUuid::createUuid();
    QString text_;
    bool correct_;
    AnswerStatus status_ = AnswerStatus::undefined;
    QString speakText_;
};
