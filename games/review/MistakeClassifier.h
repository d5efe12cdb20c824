#pragma once

#include "games/review/MistakeKind.h"
#include "games/review/VerbForms.h"

// Names the kind of a wrong answer by comparing it with the verb's own forms:
// the checks run from the most specific (an accent, the auxiliary, the
// participle's ending) to the most general (one letter off), and the first that
// holds names the mistake.
class MistakeClassifier
{
public:
    explicit MistakeClassifier(Verb &verb);

    [[nodiscard]] MistakeKind classify(const DrilledForm &form, const QString &answer) const;
    // The kind in plain words for the learner.
    static QString describe(MistakeKind kind);
    // What the learner got wrong in answer, in plain words: the kind, with the auxiliary the
    // verb takes or the accent that was missed where that is the mistake; empty where no kind
    // could be named.
    [[nodiscard]] QString note(const DrilledForm &form, const QString &answer) const;

    // The regular forms the slot would have if the verb were regular
    // (orthographic variants included); empty where no regular pattern applies.
    [[nodiscard]] QStringList regularForms(const QString &tense, int person) const;
    // Optimal string alignment distance: insertions, deletions, substitutions and
    // swaps of two neighbouring letters each count one.
    static int editDistance(const QString &a, const QString &b);

private:
    [[nodiscard]] MistakeKind compoundMistake(const QString &expected, const QString &typed) const;
    [[nodiscard]] bool isOtherPerson(const DrilledForm &form, const QString &typed) const;
    [[nodiscard]] bool isOtherTense(const DrilledForm &form, const QString &typed) const;
    [[nodiscard]] bool isStemMistake(const DrilledForm &form, const QString &expected, const QString &typed) const;
    // The verb's own forms, lower-cased, that are not its regular ones.
    [[nodiscard]] QStringList irregularForms() const;
    [[nodiscard]] QString simpleEnding(const QString &tense, int person, int choice) const;
    [[nodiscard]] QString regularStem() const;

    VerbForms forms_;
};
