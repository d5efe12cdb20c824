#include "verbs/Tense.h"

#include "verbs/English.h"
#include "verbs/Verb.h"

#include <QHash>

#include <algorithm>

namespace {

const QStringList averePresent{"ho", "hai", "ha", "abbiamo", "avete", "hanno"};
const QStringList averePast{"avevo", "avevi", "aveva", "avevamo", "avevate", "avevano"};
const QStringList avereFuture{"avrò", "avrai", "avrà", "avremo", "avrete", "avranno"};
const QStringList avereConditional{"avrei", "avresti", "avrebbe", "avremmo", "avreste", "avrebbero"};
const QStringList esserePresent{"sono", "sei", "è", "siamo", "siete", "sono"};
const QStringList esserePast{"ero", "eri", "era", "eravamo", "eravate", "erano"};
const QStringList essereFuture{"sarò", "sarai", "sarà", "saremo", "sarete", "saranno"};
const QStringList essereConditional{"sarei", "saresti", "sarebbe", "saremmo", "sareste", "sarebbero"};

QStringList pluperfectRenderings(const QString &participle, const QStringList &pronouns)
{
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (const QString &pronoun : pronouns)
        renderings.append(pronoun + u" had " + participle);
    return renderings;
}

Tense simple(QString name, QString title, QString code, int drillRank, QStringList (*forms)(const Verb &),
    QStringList (*english)(Verb &, const QStringList &))
{
    Tense tense;
    tense.name = std::move(name);
    tense.title = std::move(title);
    tense.code = std::move(code);
    tense.drillRank = drillRank;
    tense.ownForms = forms;
    tense.english = english;
    return tense;
}

Tense compound(QString name, QString title, QString code, int drillRank, const QStringList &avere,
    const QStringList &essere, QStringList (*english)(Verb &, const QStringList &))
{
    Tense tense;
    tense.name = std::move(name);
    tense.title = std::move(title);
    tense.code = std::move(code);
    tense.drillRank = drillRank;
    tense.avere = &avere;
    tense.essere = &essere;
    tense.english = english;
    return tense;
}

QList<Tense> makeTenses()
{
    using V = Verb;
    QList<Tense> tenses{
        simple(
            "Present", "Present Tense", "PRES", 0, [](const V &v) { return v.presentForms(); },
            [](V &v, const QStringList &p) { return English::presentRenderings(v.englishInfinitive, p); }),
        simple(
            "Imperfect", "Imperfect", "IMP", 1, [](const V &v) { return v.imperfectForms(); },
            [](V &v, const QStringList &p) { return v.englishImperfect(p); }),
        simple(
            "Past Historic", "Past Historic", "PASTHIST", 2, [](const V &v) { return v.pastHistoricForms(); },
            [](V &v, const QStringList &p) { return v.englishPastHistoric(p); }),
        compound("Perfect", "Perfect Tense", "PERF", 5, averePresent, esserePresent,
            [](V &v, const QStringList &p) { return v.englishPerfect(p); }),
        compound("Pluperfect", "Pluperfect Tense", "PLUP", 8, averePast, esserePast,
            [](V &v, const QStringList &p) { return pluperfectRenderings(v.englishPastParticipleOrDerived(), p); }),
        simple(
            "Future", "Future Tense", "FUT", 3, [](const V &v) { return v.futureForms(); },
            [](V &v, const QStringList &p) { return English::futureRenderings(v.englishInfinitive, p); }),
        compound("Future Perfect", "Future Perfect Tense", "FUT|PERF", 6, avereFuture, essereFuture,
            [](V &v, const QStringList &p) {
                return English::futurePerfectRenderings(v.englishPastParticipleOrDerived(), p);
            }),
        simple(
            "Conditional", "Conditional Mood", "COND", 4, [](const V &v) { return v.conditionalForms(); },
            [](V &v, const QStringList &p) { return English::conditionalRenderings(v.englishInfinitive, p); }),
        compound("Conditional Perfect", "Conditional Perfect Tense", "COND|PERF", 7, avereConditional,
            essereConditional,
            [](V &v, const QStringList &p) {
                return English::conditionalPerfectRenderings(
                    v.englishInfinitive, v.englishPastParticipleOrDerived(), p);
            }),
        simple(
            "Present Subjunctive", "Present Subjunctive", "SUBJ|PRES", 9,
            [](const V &v) { return v.presentSubjunctiveForms(); },
            [](V &v, const QStringList &p) { return English::presentSubjunctiveRenderings(v.englishInfinitive, p); }),
        simple(
            "Past Subjunctive", "Past Subjunctive", "SUBJ|IMP", 10, [](const V &v) { return v.pastSubjunctiveForms(); },
            [](V &v, const QStringList &p) {
                return English::pastSubjunctiveRenderings(v.englishSimplePastOrDerived(), p);
            }),
    };
    tenses.first().onByDefault = true;
    tenses.first().drilledWhenNoneOn = true;
    const QHash<QString, QString> usages{
        {QStringLiteral("SUBJ|PRES"),
            QStringLiteral("after che when the main verb wants, thinks, hopes, doubts or feels: voglio che tu "
                           "venga, I want you to come")},
        {QStringLiteral("SUBJ|IMP"),
            QStringLiteral("after che when the main verb is past or conditional, and after se and come se: "
                           "pensavo che fosse tardi, I thought it was late")},
    };
    // The simple tenses of the indicative and the conditional.
    for (Tense &tense : tenses) {
        tense.drilledWhenImpersonal = tense.isSimple() && !tense.code.startsWith(u"SUBJ|");
        tense.usage = usages.value(tense.code);
    }
    return tenses;
}

} // namespace

QStringList Tense::formsOf(Verb &verb) const
{
    return isSimple() ? ownForms(verb) : verb.compoundForms(*avere, *essere);
}

const QList<Tense> &Tense::all()
{
    static const QList<Tense> tenses = makeTenses();
    return tenses;
}

const QList<const Tense *> &Tense::inDrillOrder()
{
    static const QList<const Tense *> ordered = [] {
        QList<const Tense *> list;
        for (const Tense &tense : all())
            list.append(&tense);
        std::sort(list.begin(), list.end(), [](const Tense *a, const Tense *b) { return a->drillRank < b->drillRank; });
        return list;
    }();
    return ordered;
}

const Tense *Tense::withCode(const QString &code)
{
    for (const Tense &tense : all()) {
        if (tense.code == code)
            return &tense;
    }
    return nullptr;
}

const Tense *Tense::named(const QString &name)
{
    for (const Tense &tense : all()) {
        if (tense.name == name)
            return &tense;
    }
    return nullptr;
}
