#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

// One row of a conjugation table: the Italian form with its pronoun, what is spoken for it and
// its English rendering. The four flags tell the table screen how to lay the row out.
struct ConjugationPart
{
    Q_GADGET
    Q_PROPERTY(QUuid id MEMBER id CONSTANT)
    Q_PROPERTY(QString pronoun MEMBER pronoun CONSTANT)
    Q_PROPERTY(QString text MEMBER text CONSTANT)
    Q_PROPERTY(QString ttsPhrase MEMBER ttsPhrase CONSTANT)
    Q_PROPERTY(QString translation MEMBER translation CONSTANT)
    Q_PROPERTY(QString locale MEMBER locale CONSTANT)
    Q_PROPERTY(bool isVerbFirst MEMBER isVerbFirst)
    Q_PROPERTY(bool pronounNeeded MEMBER pronounNeeded)
    Q_PROPERTY(bool pronounIncorporated MEMBER pronounIncorporated)
    Q_PROPERTY(bool ttsEnabled MEMBER ttsEnabled)

public:
    QUuid id = QUuid::createUuid();
    QString pronoun;
    QString text;
    QString ttsPhrase;
    QString translation;
    QString locale;
    bool isVerbFirst = false;
    bool pronounNeeded = true;
    bool pronounIncorporated = false;
    bool ttsEnabled = true;
    // The person of the row (0..5), or -1 for a form without one.
    int person = -1;
    // Where the form departs from the regular paradigm: (start, length) stretches of text, filled
    // by Irregularity::mark.
    QList<std::pair<qsizetype, qsizetype>> irregular;
};

Q_DECLARE_METATYPE(ConjugationPart)
