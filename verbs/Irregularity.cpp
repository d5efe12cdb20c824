#include "verbs/Irregularity.h"

#include "verbs/FormIndex.h"
#include "verbs/Tense.h"
#include "verbs/Verb.h"

#include <algorithm>

namespace {

// Whether every present and past historic form and the participle of verb are prefix + base's.
bool conjugatedLike(Verb &verb, Verb &base, const QString &prefix)
{
    if (verb.reflexive != base.reflexive)
        return false;
    verb.fillPastParticipleIfMissing();
    base.fillPastParticipleIfMissing();
    if (FormIndex::folded(verb.pastParticiple) != FormIndex::folded(prefix + base.pastParticiple))
        return false;
    const QStringList ownTenses[]{verb.presentForms(), verb.pastHistoricForms()};
    const QStringList baseTenses[]{base.presentForms(), base.pastHistoricForms()};
    for (int t = 0; t < 2; ++t) {
        for (qsizetype p = 0; p < ownTenses[t].size(); ++p) {
            QString expected = baseTenses[t].value(p);
            const qsizetype word = verb.reflexive ? expected.indexOf(u' ') + 1 : 0;
            expected.insert(word, prefix);
            if (FormIndex::folded(ownTenses[t].at(p)) != FormIndex::folded(expected))
                return false;
        }
    }
    return true;
}

} // namespace

Irregularity::Irregularity(Verb &verb)
    : verb_(verb)
    , paradigm_(verb)
{}

Irregularity::Stretches Irregularity::differing(
    const QString &word, qsizetype offset, const QStringList &regular, const QString &stem)
{
    Stretches best;
    qsizetype bestLength = -1;
    if (word.isEmpty())
        return best;
    for (const QString &candidate : regular) {
        if (candidate == word)
            return {};
        qsizetype prefix = 0;
        while (prefix < word.size() && prefix < candidate.size() && word.at(prefix) == candidate.at(prefix))
            ++prefix;
        // A form with the regular ending has its whole changed stem marked ([vad]o for ando).
        const QString ending = candidate.startsWith(stem) ? candidate.mid(stem.size()) : QString();
        const qsizetype keptEnding = !ending.isEmpty() && word.endsWith(ending) ? ending.size() : -1;
        qsizetype suffix = 0;
        while (keptEnding < 0 && suffix < word.size() - prefix && suffix < candidate.size() - prefix
            && word.at(word.size() - 1 - suffix) == candidate.at(candidate.size() - 1 - suffix))
            ++suffix;
        if (keptEnding >= 0)
            suffix = std::min(keptEnding, word.size() - prefix);
        qsizetype start = prefix;
        qsizetype length = word.size() - prefix - suffix;
        // Letters dropped from the regular form (andrò for anderò): the letter after the gap.
        if (length == 0) {
            length = 1;
            start = std::min(prefix, word.size() - 1);
        }
        if (bestLength < 0 || length < bestLength) {
            bestLength = length;
            best = {{offset + start, length}};
        }
    }
    return best;
}

Irregularity::Stretches Irregularity::of(const Conjugation &table, const ConjugationPart &row) const
{
    if (paradigm_.stem().isEmpty() || row.text.isEmpty())
        return {};
    verb_.fillPastParticipleIfMissing();
    const QString &participle = verb_.pastParticiple;
    const Tense *tense = Tense::withCode(table.code);
    if (table.code == u"PART" || (tense && !tense->isSimple())) {
        // A compound form is as regular as its participle, whatever its agreement.
        if (participle.size() < 2)
            return {};
        const qsizetype space = table.code == u"PART" ? -1 : row.text.indexOf(u' ' + participle.chopped(1));
        if (table.code != u"PART" && space < 0)
            return {};
        return differing(participle, space + 1, {paradigm_.participle()}, paradigm_.stem());
    }
    if (table.code == u"GER")
        return differing(verb_.gerund, 0, paradigm_.forms(table.code, 0), paradigm_.stem());
    QString word = row.text;
    if (!verb_.preposition.isEmpty() && word.endsWith(u' ' + verb_.preposition))
        word.chop(verb_.preposition.size() + 1);
    const qsizetype at = verb_.reflexive && table.code != u"IMPER" ? word.indexOf(u' ') + 1 : 0;
    return differing(word.mid(at), at, paradigm_.forms(table.code, row.person), paradigm_.stem());
}

void Irregularity::mark(QList<Conjugation> &tables) const
{
    for (Conjugation &table : tables) {
        for (ConjugationPart &row : table.parts)
            row.irregular = of(table, row);
    }
}

QString Irregularity::bracketed(const QString &text, const Stretches &stretches)
{
    QString result = text;
    for (auto it = stretches.crbegin(); it != stretches.crend(); ++it) {
        result.insert(it->first + it->second, u']');
        result.insert(it->first, u'[');
    }
    return result;
}

QStringList Irregularity::irregularTables(const QList<Conjugation> &tables)
{
    QStringList titles;
    for (const Conjugation &table : tables) {
        if (std::any_of(table.parts.begin(), table.parts.end(),
                [](const ConjugationPart &row) { return !row.irregular.isEmpty(); }))
            titles.append(table.title);
    }
    return titles;
}

QStringList Irregularity::alike(Verb &verb, const QList<Verb *> &verbs, qsizetype count)
{
    Verb *base = &verb;
    for (Verb *other : verbs) {
        const QString &inf = other->infinitive;
        if (other != &verb && inf.size() >= 4 && inf.size() < base->infinitive.size() && verb.infinitive.endsWith(inf)
            && conjugatedLike(verb, *other, verb.infinitive.chopped(inf.size())))
            base = other;
    }
    QStringList names;
    if (base != &verb)
        names.append(base->displayInfinitive());
    for (Verb *other : verbs) {
        if (names.size() >= count)
            break;
        const QString &inf = other->infinitive;
        if (other != &verb && other != base && inf.size() > base->infinitive.size() && inf.endsWith(base->infinitive)
            && conjugatedLike(*other, *base, inf.chopped(base->infinitive.size())))
            names.append(other->displayInfinitive());
    }
    return names;
}
