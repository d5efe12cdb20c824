#pragma once

#include "verbs/Verb.h"

#include <QObject>
#include <QString>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// One card of the match grid: the Italian or the English infinitive of one verb of the deal.
// The two cards of a pair share a tag; every card of a deal has its own index. A tap is signalled
// to the game that dealt the card.
class VerbMatchButton : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Cards are dealt by the match game")
    Q_PROPERTY(QUuid id READ id CONSTANT)
    Q_PROPERTY(Verb *verb READ verb CONSTANT)
    Q_PROPERTY(QString word READ word CONSTANT)
    Q_PROPERTY(QString locale READ locale CONSTANT)
    Q_PROPERTY(int index READ index CONSTANT)
    Q_PROPERTY(int tag READ tag CONSTANT)
    Q_PROPERTY(bool targetLanguage READ targetLanguage CONSTANT)
    Q_PROPERTY(bool isHighlighted READ isHighlighted WRITE setHighlighted NOTIFY isHighlightedChanged)
    Q_PROPERTY(bool isCorrect READ isCorrect WRITE setCorrect NOTIFY isCorrectChanged)
    Q_PROPERTY(bool isWrong READ isWrong WRITE setWrong NOTIFY isWrongChanged)

public:
    VerbMatchButton(
        Verb *verb, QString word, QString locale, int index, int tag, bool targetLanguage, QObject *parent = nullptr);

    [[nodiscard]] const QUuid &id() const { return id_; }
    [[nodiscard]] Verb *verb() const { return verb_; }
    [[nodiscard]] const QString &word() const { return word_; }
    [[nodiscard]] const QString &locale() const { return locale_; }
    [[nodiscard]] int index() const { return index_; }
    [[nodiscard]] int tag() const { return tag_; }
    [[nodiscard]] bool targetLanguage() const { return targetLanguage_; }
    [[nodiscard]] bool isHighlighted() const { return isHighlighted_; }
    void setHighlighted(bool highlighted);
    [[nodiscard]] bool isCorrect() const { return isCorrect_; }
    void setCorrect(bool correct);
    [[nodiscard]] bool isWrong() const { return isWrong_; }
    void setWrong(bool wrong);

    // Two cards are the same card when their numbers are equal.
    [[nodiscard]] bool sameCard(const VerbMatchButton &other) const { return index_ == other.index_; }

    Q_INVOKABLE void tap() { emit tapped(this); }

signals:
    void isHighlightedChanged();
    void isCorrectChanged();
    void isWrongChanged();
    void tapped(VerbMatchButton *card);

private:
    const QUuid id_ = QUuid::createUuid();
    Verb *verb_;
    const QString word_;
    const QString locale_;
    const int index_;
    const int tag_;
    const bool targetLanguage_;
    bool isHighlighted_ = false;
    bool isCorrect_ = false;
    bool isWrong_ = false;
};
