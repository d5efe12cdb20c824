#pragma once

#include "games/conjugation/ConjugationQuizAnswer.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// The question on screen in the conjugation quiz: the English prompt, the pronoun hint, the
// right Italian form and the shuffled answer buttons.
class ConjugationQuestion
{
    Q_GADGET
    QML_VALUE_TYPE(conjugationQuestion)
    Q_PROPERTY(QUuid id MEMBER id CONSTANT)
    Q_PROPERTY(QString question MEMBER question CONSTANT)
    Q_PROPERTY(QString questionHint MEMBER questionHint CONSTANT)
    Q_PROPERTY(QString correctAnswer MEMBER correctAnswer CONSTANT)
    Q_PROPERTY(QList<ConjugationQuizAnswer *> alts MEMBER alts CONSTANT)
    Q_PROPERTY(QStringList tags MEMBER tags CONSTANT)

public:
    QUuid id = QUuid::createUuid();
    QString question;
    QString questionHint;
    QString correctAnswer;
    QList<ConjugationQuizAnswer *> alts;
    QStringList tags;
};

Q_DECLARE_METATYPE(ConjugationQuestion)
