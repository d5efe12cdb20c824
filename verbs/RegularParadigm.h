#pragma once

#include <QString>
#include <QStringList>

class Verb;

// The forms a verb would have if it were regular, made by rule from its infinitive for each
// conjugation group: -are, -ere, -ire, and -ire with -isc- (finire: finisco), which a verb joins
// when its own present says so. Spelling changes of regular verbs are regular here: cercare gives
// cerchi, mangiare mangi, pagare paghi.
class RegularParadigm
{
public:
    explicit RegularParadigm(const Verb &verb);

    // The infinitive without its -are, -ere or -ire; empty for a verb of no group (porre, trarre).
    [[nodiscard]] const QString &stem() const { return stem_; }
    // The regular spellings of the bare form (no pronoun, no preposition) of a simple tense, the
    // imperative ("IMPER") or the gerund ("GER"), by tense code and person.
    [[nodiscard]] QStringList forms(const QString &tense, int person) const;
    [[nodiscard]] QString participle() const;

    // The regular endings of a conjugation ("are", "ere", "ire") in a tense and person; choice
    // picks among the endings a regular verb may take there (-ire: o or isco), empty past the last.
    [[nodiscard]] static QString ending(const QString &conjugation, const QString &tense, int person, int choice);
    [[nodiscard]] static QString participleEnding(const QString &conjugation);
    // The stem and ending joined as spelling wants: cerc+erò gives cercherò, mangi+erò mangerò and
    // studi+i studi. The plain join is kept too, so no spelling of a regular form is missed.
    [[nodiscard]] static QStringList joined(const QString &stem, const QString &ending);

private:
    QString conjugation_;
    QString stem_;
    bool withIsc_ = false;
};
