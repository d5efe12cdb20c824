#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "verbs/Verb.h"

// One row of the ranked progress list: a verb and its score.
class ProgressDictionaryEntry : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Entries come from the progress store")
    Q_PROPERTY(Verb *verb READ verb CONSTANT)
    Q_PROPERTY(qint64 score READ score CONSTANT)

public:
    // A null verb (a score whose verb the data no longer has) becomes a blank verb of the entry's own.
    ProgressDictionaryEntry(Verb *verb, qint64 score, QObject *parent = nullptr)
        : QObject(parent)
        , verb_(verb ? verb : new Verb(this))
        , score_(score)
    {}

    [[nodiscard]] Verb *verb() const { return verb_; }
    [[nodiscard]] qint64 score() const { return score_; }

private:
    Verb *verb_;
    qint64 score_;
};
