#pragma once

#include "verbs/Conjugation.h"
#include "verbs/RegularParadigm.h"

#include <QList>
#include <QString>
#include <QStringList>

class Verb;

// Where a verb's forms depart from the regular paradigm of its group: every row of its tables is
// compared with the regular form (for a compound form, its participle), and the letters that
// differ are its irregular stretch.
class Irregularity
{
public:
    using Stretches = QList<std::pair<qsizetype, qsizetype>>;

    explicit Irregularity(Verb &verb);

    // Fills each row's irregular stretches.
    void mark(QList<Conjugation> &tables) const;
    [[nodiscard]] Stretches of(const Conjugation &table, const ConjugationPart &row) const;

    // "[vad]o": each stretch in square brackets.
    [[nodiscard]] static QString bracketed(const QString &text, const Stretches &stretches);
    // The titles of the marked tables that hold an irregular form.
    [[nodiscard]] static QStringList irregularTables(const QList<Conjugation> &tables);
    // Up to count other verbs conjugated on the same irregular pattern: the verbs made of a prefix
    // and the same base verb (venire: avvenire, convenire, ...), whose every form is the prefix
    // and the base's form.
    [[nodiscard]] static QStringList alike(Verb &verb, const QList<Verb *> &verbs, qsizetype count);

private:
    // The letters of word, at offset in the row's text, that none of the regular forms shares.
    [[nodiscard]] static Stretches differing(
        const QString &word, qsizetype offset, const QStringList &regular, const QString &stem);

    Verb &verb_;
    RegularParadigm paradigm_;
};
