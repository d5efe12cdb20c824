#pragma once

#include "verbs/ConjugationPart.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

// One titled table of a verb's conjugation: normally six rows in person order, five for the
// imperative (no io row), one for the past participle and for each tense of an impersonal verb,
// with an English gloss shown beside the title; a form without a person (a gerund) is one row.
struct Conjugation
{
    Q_GADGET
    Q_PROPERTY(QUuid id MEMBER id CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString englishTitle MEMBER englishTitle CONSTANT)
    Q_PROPERTY(QList<ConjugationPart> parts MEMBER parts CONSTANT)
    Q_PROPERTY(QString gloss MEMBER gloss CONSTANT)

public:
    QUuid id = QUuid::createUuid();
    // The Italian name ("Passato remoto") and the English one ("Past Historic").
    QString title;
    QString englishTitle;
    // The tense code of the table ("PRES", "FUT|PERF"), "IMPER" or "PART" for the participle.
    QString code;
    QList<ConjugationPart> parts;
    QString gloss;
};

Q_DECLARE_METATYPE(Conjugation)
