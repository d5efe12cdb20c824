#include "games/review/MistakeClassifier.h"

#include "verbs/RegularParadigm.h"
#include "verbs/Verb.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QStringList avereForms{"ho", "hai", "ha", "abbiamo", "avete", "hanno", "avevo", "avevi", "aveva", "avevamo",
    "avevate", "avevano", "avrò", "avrai", "avrà", "avremo", "avrete", "avranno", "avrei", "avresti", "avrebbe",
    "avremmo", "avreste", "avrebbero"};
const QStringList essereForms{"sono", "sei", "è", "siamo", "siete", "ero", "eri", "era", "eravamo", "eravate", "erano",
    "sarò", "sarai", "sarà", "saremo", "sarete", "saranno", "sarei", "saresti", "sarebbe", "saremmo", "sareste",
    "sarebbero"};

bool anyAccepts(const QStringList &forms, const QString &typed)
{
    return std::any_of(forms.begin(), forms.end(), [&typed](const QString &f) { return VerbForms::accepts(f, typed); });
}

} // namespace

MistakeClassifier::MistakeClassifier(Verb &verb)
    : forms_(verb)
{}

QString MistakeClassifier::describe(MistakeKind kind)
{
    switch (kind) {
    case MistakeKind::none:
        return QStringLiteral("Right.");
    case MistakeKind::auxiliary:
        return QStringLiteral("Wrong auxiliary.");
    case MistakeKind::agreement:
        return QStringLiteral("The past participle's ending does not agree: check "
                              "which auxiliary it follows.");
    case MistakeKind::person:
        return QStringLiteral("Right tense, wrong person.");
    case MistakeKind::tense:
        return QStringLiteral("That is a form of this verb, but in another tense or mood.");
    case MistakeKind::stem:
        return QStringLiteral("Wrong stem: this form is irregular here, or regular "
                              "where you made it irregular.");
    case MistakeKind::accent:
        return QStringLiteral("Missing or wrong accent.");
    case MistakeKind::spelling:
        return QStringLiteral("A spelling slip: one letter off.");
    case MistakeKind::other:
        break;
    }
    return QStringLiteral("Not a form of this verb.");
}

QString MistakeClassifier::note(const DrilledForm &form, const QString &answer) const
{
    const MistakeKind kind = classify(form, answer);
    const QString expected = VerbForms::variants(forms_.form(form)).value(0);
    if (kind == MistakeKind::auxiliary) {
        const QStringList words = expected.toLower().split(u' ', Qt::SkipEmptyParts);
        const bool essere =
            std::any_of(words.begin(), words.end(), [](const QString &w) { return essereForms.contains(w); });
        return essere ? QStringLiteral("Wrong auxiliary: this verb takes essere.")
                      : QStringLiteral("Wrong auxiliary: this verb takes avere.");
    }
    if (kind == MistakeKind::accent) {
        return expected + u", not " + VerbForms::normalised(answer) + u": the accent marks the "
            + DrilledForm::tenseName(form.tense).toLower() + u'.';
    }
    return kind == MistakeKind::other || kind == MistakeKind::none ? QString() : describe(kind);
}

int MistakeClassifier::editDistance(const QString &a, const QString &b)
{
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    std::vector<std::vector<int>> d(size_t(n + 1), std::vector<int>(size_t(m + 1)));
    for (qsizetype i = 0; i <= n; ++i)
        d[size_t(i)][0] = int(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][size_t(j)] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const size_t x = size_t(i);
            const size_t y = size_t(j);
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            d[x][y] = std::min({d[x - 1][y] + 1, d[x][y - 1] + 1, d[x - 1][y - 1] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                d[x][y] = std::min(d[x][y], d[x - 2][y - 2] + 1);
        }
    }
    return d[size_t(n)][size_t(m)];
}

QString MistakeClassifier::regularStem() const
{
    const QString infinitive = forms_.verb().infinitive.toLower().remove(u'|');
    return RegularParadigm::participleEnding(infinitive.right(3)).isEmpty() ? QString() : infinitive.chopped(3);
}

QString MistakeClassifier::simpleEnding(const QString &tense, int person, int choice) const
{
    const QString conjugation = forms_.verb().infinitive.toLower().remove(u'|').right(3);
    return RegularParadigm::ending(conjugation, tense, person, choice);
}

QStringList MistakeClassifier::regularForms(const QString &tense, int person) const
{
    Verb &verb = forms_.verb();
    const QString stem = regularStem();
    if (stem.isEmpty() || person < 0)
        return {};
    const QString prefix = verb.reflexive ? verb.reflexivePronouns.value(person) + u' ' : QString();
    const QString suffix = verb.preposition.isEmpty() ? QString() : u' ' + verb.preposition;
    QStringList result;
    for (int choice = 0; !simpleEnding(tense, person, choice).isEmpty(); ++choice) {
        for (const QString &form : RegularParadigm::joined(stem, simpleEnding(tense, person, choice)))
            result.append(prefix + form + suffix);
    }
    if (!result.isEmpty())
        return result;

    // A compound tense is regular when its participle is.
    const QString expected = forms_.forms(tense).value(person);
    verb.fillPastParticipleIfMissing();
    const QString participle = verb.pastParticiple;
    const QString regular = stem + RegularParadigm::participleEnding(verb.infinitive.toLower().remove(u'|').right(3));
    if (expected.isEmpty() || participle.size() < 2 || !expected.contains(participle.chopped(1)))
        return {};
    return {QString(expected).replace(participle.chopped(1), regular.chopped(1))};
}

MistakeKind MistakeClassifier::classify(const DrilledForm &form, const QString &answer) const
{
    const QString expected = forms_.form(form);
    const QString typed = VerbForms::normalised(answer);
    if (VerbForms::accepts(expected, answer) || VerbForms::accepts(forms_.otherAuxiliaryForm(form), answer))
        return MistakeKind::none;
    const QStringList variants = VerbForms::variants(expected);
    const QString bareTyped = VerbForms::withoutAccents(typed);
    if (std::any_of(variants.begin(), variants.end(),
            [&bareTyped](const QString &v) { return VerbForms::withoutAccents(v) == bareTyped; }))
        return MistakeKind::accent;
    if (const MistakeKind compound = compoundMistake(expected, typed); compound != MistakeKind::none)
        return compound;
    if (isOtherPerson(form, typed))
        return MistakeKind::person;
    if (isOtherTense(form, typed))
        return MistakeKind::tense;
    // A letter left out is a slip even where it happens to make the regular form ("è dispiacuto");
    // a letter too many that makes it ("anderò") is taken for a regular stem.
    const auto oneOff = [&typed, &variants](bool leftOut) {
        return std::any_of(variants.begin(), variants.end(), [&typed, leftOut](const QString &v) {
            return (!leftOut || typed.size() + 1 == v.size()) && editDistance(v, typed) == 1;
        });
    };
    if (oneOff(true))
        return MistakeKind::spelling;
    if (isStemMistake(form, expected, typed))
        return MistakeKind::stem;
    if (oneOff(false))
        return MistakeKind::spelling;
    return MistakeKind::other;
}

// A compound form typed with the other auxiliary, or with the right one and a
// participle whose last letter does not agree.
MistakeKind MistakeClassifier::compoundMistake(const QString &expected, const QString &typed) const
{
    const QStringList want = expected.toLower().split(u' ', Qt::SkipEmptyParts);
    const QStringList got = typed.split(u' ', Qt::SkipEmptyParts);
    qsizetype aux = -1;
    for (qsizetype i = 0; i + 1 < want.size() && aux < 0; ++i) {
        if (avereForms.contains(want.at(i)) || essereForms.contains(want.at(i)))
            aux = i;
    }
    if (aux < 0 || got.size() != want.size())
        return MistakeKind::none;
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (i != aux && i != aux + 1 && want.at(i) != got.at(i))
            return MistakeKind::none;
    }
    const QStringList participles = VerbForms::variants(want.at(aux + 1));
    const QString participle = got.at(aux + 1);
    const QString participleStem = participles.last().chopped(1);
    const bool sameStem = participle.size() == participleStem.size() + 1 && participle.startsWith(participleStem)
        && QStringLiteral("oaie").contains(participle.back());
    const bool withEssere = essereForms.contains(want.at(aux));
    const QStringList &other = withEssere ? avereForms : essereForms;
    if (other.contains(got.at(aux)) && sameStem)
        return MistakeKind::auxiliary;
    if (got.at(aux) == want.at(aux) && sameStem && !participles.contains(participle))
        return MistakeKind::agreement;
    return MistakeKind::none;
}

bool MistakeClassifier::isOtherPerson(const DrilledForm &form, const QString &typed) const
{
    const QStringList sameTense = forms_.forms(form.tense);
    for (qsizetype person = 0; person < sameTense.size(); ++person) {
        if (person != form.person && VerbForms::accepts(sameTense.at(person), typed))
            return true;
    }
    return false;
}

bool MistakeClassifier::isOtherTense(const DrilledForm &form, const QString &typed) const
{
    for (const QString &tense : DrilledForm::tenseCodes()) {
        if (tense != form.tense && anyAccepts(forms_.forms(tense), typed))
            return true;
    }
    return anyAccepts(forms_.otherForms(), typed);
}

// Either the regular form where the verb's own is irregular, or, where the
// verb's own form is regular, the regular ending on a stem the verb only uses
// in its irregular forms.
bool MistakeClassifier::isStemMistake(const DrilledForm &form, const QString &expected, const QString &typed) const
{
    const QStringList regular = regularForms(form.tense, form.person);
    if (regular.isEmpty())
        return false;
    const bool typedRegular = anyAccepts(regular, typed);
    const bool expectedRegular = std::any_of(regular.begin(), regular.end(),
        [&expected](const QString &r) { return VerbForms::variants(expected).contains(r); });
    if (typedRegular)
        return !expectedRegular;
    if (!expectedRegular)
        return false;

    const QString stem = regularStem();
    const QString word = typed.split(u' ').value(forms_.verb().reflexive ? 1 : 0);
    // Every tense's forms are conjugated regularly to find the irregular ones: only for a typed
    // stem worth the check, since most misses have none.
    std::optional<QStringList> irregular;
    for (int choice = 0; !simpleEnding(form.tense, form.person, choice).isEmpty(); ++choice) {
        const QString ending = simpleEnding(form.tense, form.person, choice);
        if (!word.endsWith(ending))
            continue;
        const QString typedStem = word.chopped(ending.size());
        if (typedStem.size() < 2 || stem.startsWith(typedStem))
            continue;
        if (!irregular)
            irregular = irregularForms();
        const bool stemOfIrregular = std::any_of(irregular->begin(), irregular->end(), [&typedStem](const QString &f) {
            const QStringList words = f.split(u' ');
            return std::any_of(
                words.begin(), words.end(), [&typedStem](const QString &w) { return w.startsWith(typedStem); });
        });
        if (stemOfIrregular)
            return true;
    }
    return false;
}

QStringList MistakeClassifier::irregularForms() const
{
    QStringList irregular;
    for (const QString &tense : DrilledForm::tenseCodes()) {
        const QStringList own = forms_.forms(tense);
        for (qsizetype person = 0; person < own.size(); ++person) {
            if (!anyAccepts(regularForms(tense, int(person)), own.at(person)))
                irregular.append(own.at(person).toLower());
        }
    }
    return irregular;
}
