#pragma once

#include "progress/DrilledForm.h"

#include <QString>
#include <QStringList>

class Verb;

// A verb's own forms looked up by tense code and person, whatever the tense
// switches say, with the rules for what counts as typing one: agreement pairs
// such as "andato/a" accept either ending, and a leading subject pronoun is
// ignored.
class VerbForms
{
public:
    explicit VerbForms(Verb &verb);

    // The six forms of a drilled tense, or the infinitive alone for "INF".
    [[nodiscard]] QStringList forms(const QString &tense) const;
    [[nodiscard]] QString form(const DrilledForm &form) const;
    [[nodiscard]] QString english(const DrilledForm &form) const;
    // The form with the other auxiliary, for a verb that takes either ("sono vissuto/a" beside
    // "ho vissuto"); empty for any other verb or tense.
    [[nodiscard]] QString otherAuxiliaryForm(const DrilledForm &form) const;
    // Every other form of the verb: the participle, the gerund and the
    // imperative.
    [[nodiscard]] QStringList otherForms() const;

    // Lower case, single spaces, typographic apostrophes made plain, no leading
    // subject pronoun.
    static QString normalised(const QString &answer);
    // The texts that type a form: "sono andato/a" gives itself, "sono andato" and
    // "sono andata".
    static QStringList variants(const QString &form);
    static bool accepts(const QString &form, const QString &answer);
    static QString withoutAccents(const QString &text);

    [[nodiscard]] Verb &verb() const { return verb_; }

private:
    Verb &verb_;
};
