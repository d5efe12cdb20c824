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
const QStringList avereHistoric{"ebbi", "avesti", "ebbe", "avemmo", "aveste", "ebbero"};
const QStringList avereSubjunctive{"abbia", "abbia", "abbia", "abbiamo", "abbiate", "abbiano"};
const QStringList avereSubjunctivePast{"avessi", "avessi", "avesse", "avessimo", "aveste", "avessero"};
const QStringList esserePresent{"sono", "sei", "è", "siamo", "siete", "sono"};
const QStringList esserePast{"ero", "eri", "era", "eravamo", "eravate", "erano"};
const QStringList essereFuture{"sarò", "sarai", "sarà", "saremo", "sarete", "saranno"};
const QStringList essereConditional{"sarei", "saresti", "sarebbe", "saremmo", "sareste", "sarebbero"};
const QStringList essereHistoric{"fui", "fosti", "fu", "fummo", "foste", "furono"};
const QStringList essereSubjunctive{"sia", "sia", "sia", "siamo", "siate", "siano"};
const QStringList essereSubjunctivePast{"fossi", "fossi", "fosse", "fossimo", "foste", "fossero"};
// The forms without a person take one auxiliary form.
const QStringList avereGerund{"avendo"};
const QStringList essereGerund{"essendo"};
const QStringList avereInfinitive{"avere"};
const QStringList essereInfinitive{"essere"};

QStringList pluperfectRenderings(const QString &participle, const QStringList &pronouns)
{
    QStringList renderings;
    renderings.reserve(pronouns.size());
    for (const QString &pronoun : pronouns)
        renderings.append(pronoun + u" had " + participle);
    return renderings;
}

// The subjunctive's English says "(that) I ...".
QStringList withThat(const QStringList &pronouns)
{
    QStringList result;
    for (const QString &pronoun : pronouns)
        result.append(pronoun.isEmpty() ? QStringLiteral("(that)") : u"(that) " + pronoun);
    return result;
}

// "speaking", "being late", "being able to".
QString gerundRendering(const QString &infinitive)
{
    const QStringList parts = English::splitInfinitive(infinitive);
    if (parts.first() == u"be")
        return QString(u"being" + parts.value(1)).remove(u'|');
    const QString ing = English::ingForm(infinitive).remove(u'|');
    return ing.startsWith(u"able to") || ing.startsWith(u"obliged to") ? u"being " + ing : ing;
}

Tense simple(QString name, QString italianName, QString englishName, QString code, int drillRank,
    QStringList (*forms)(const Verb &), QStringList (*english)(Verb &, const QStringList &))
{
    Tense tense;
    tense.name = std::move(name);
    tense.italianName = std::move(italianName);
    tense.englishName = std::move(englishName);
    tense.code = std::move(code);
    tense.drillRank = drillRank;
    tense.ownForms = forms;
    tense.english = english;
    return tense;
}

Tense compound(QString name, QString italianName, QString englishName, QString code, int drillRank,
    const QStringList &avere, const QStringList &essere, QStringList (*english)(Verb &, const QStringList &))
{
    Tense tense;
    tense.name = std::move(name);
    tense.italianName = std::move(italianName);
    tense.englishName = std::move(englishName);
    tense.code = std::move(code);
    tense.drillRank = drillRank;
    tense.avere = &avere;
    tense.essere = &essere;
    tense.english = english;
    return tense;
}

Tense withoutPersons(Tense tense)
{
    tense.personal = false;
    return tense;
}

QList<Tense> makeTenses()
{
    using V = Verb;
    QList<Tense> tenses{
        simple(
            "Present", "Presente", "Present", "PRES", 0, [](const V &v) { return v.presentForms(); },
            [](V &v, const QStringList &p) { return English::presentRenderings(v.englishInfinitive, p); }),
        simple(
            "Imperfect", "Imperfetto", "Imperfect", "IMP", 1, [](const V &v) { return v.imperfectForms(); },
            [](V &v, const QStringList &p) { return v.englishImperfect(p); }),
        simple(
            "Past Historic", "Passato remoto", "Past Historic", "PASTHIST", 2,
            [](const V &v) { return v.pastHistoricForms(); },
            [](V &v, const QStringList &p) { return v.englishPastHistoric(p); }),
        compound("Perfect", "Passato prossimo", "Perfect", "PERF", 5, averePresent, esserePresent,
            [](V &v, const QStringList &p) { return v.englishPerfect(p); }),
        compound("Pluperfect", "Trapassato prossimo", "Pluperfect", "PLUP", 8, averePast, esserePast,
            [](V &v, const QStringList &p) { return pluperfectRenderings(v.englishPastParticipleOrDerived(), p); }),
        compound("Past Anterior", "Trapassato remoto", "Past Anterior", "PASTHIST|PERF", 11, avereHistoric,
            essereHistoric,
            [](V &v, const QStringList &p) { return pluperfectRenderings(v.englishPastParticipleOrDerived(), p); }),
        simple(
            "Future", "Futuro semplice", "Future", "FUT", 3, [](const V &v) { return v.futureForms(); },
            [](V &v, const QStringList &p) { return English::futureRenderings(v.englishInfinitive, p); }),
        compound("Future Perfect", "Futuro anteriore", "Future Perfect", "FUT|PERF", 6, avereFuture, essereFuture,
            [](V &v, const QStringList &p) {
                return English::futurePerfectRenderings(v.englishPastParticipleOrDerived(), p);
            }),
        simple(
            "Conditional", "Condizionale presente", "Conditional", "COND", 4,
            [](const V &v) { return v.conditionalForms(); },
            [](V &v, const QStringList &p) { return English::conditionalRenderings(v.englishInfinitive, p); }),
        compound("Conditional Perfect", "Condizionale passato", "Conditional Perfect", "COND|PERF", 7, avereConditional,
            essereConditional,
            [](V &v, const QStringList &p) {
                return English::conditionalPerfectRenderings(
                    v.englishInfinitive, v.englishPastParticipleOrDerived(), p);
            }),
        simple(
            "Present Subjunctive", "Congiuntivo presente", "Present Subjunctive", "SUBJ|PRES", 9,
            [](const V &v) { return v.presentSubjunctiveForms(); },
            [](V &v, const QStringList &p) { return English::presentSubjunctiveRenderings(v.englishInfinitive, p); }),
        simple(
            "Past Subjunctive", "Congiuntivo imperfetto", "Imperfect Subjunctive", "SUBJ|IMP", 10,
            [](const V &v) { return v.pastSubjunctiveForms(); },
            [](V &v, const QStringList &p) {
                return English::pastSubjunctiveRenderings(v.englishSimplePastOrDerived(), p);
            }),
        compound("Perfect Subjunctive", "Congiuntivo passato", "Perfect Subjunctive", "SUBJ|PERF", 12, avereSubjunctive,
            essereSubjunctive,
            [](V &v, const QStringList &p) {
                return English::perfectRenderings(v.englishPastParticipleOrDerived(), withThat(p));
            }),
        compound("Pluperfect Subjunctive", "Congiuntivo trapassato", "Pluperfect Subjunctive", "SUBJ|PLUP", 13,
            avereSubjunctivePast, essereSubjunctivePast,
            [](V &v, const QStringList &p) {
                return pluperfectRenderings(v.englishPastParticipleOrDerived(), withThat(p));
            }),
        withoutPersons(simple(
            "Present Gerund", "Gerundio presente", "Present Gerund", "GER", 14,
            [](const V &v) { return v.gerundForms(); },
            [](V &v, const QStringList &) { return QStringList{gerundRendering(v.englishInfinitive)}; })),
        withoutPersons(compound("Past Gerund", "Gerundio passato", "Past Gerund", "GER|PAST", 15, avereGerund,
            essereGerund,
            [](V &v, const QStringList &) { return QStringList{u"having " + v.englishPastParticipleOrDerived()}; })),
        withoutPersons(compound("Past Infinitive", "Infinito passato", "Past Infinitive", "INF|PAST", 16,
            avereInfinitive, essereInfinitive,
            [](V &v, const QStringList &) { return QStringList{u"to have " + v.englishPastParticipleOrDerived()}; })),
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
        {QStringLiteral("SUBJ|PERF"),
            QStringLiteral("after che for what has happened, when the main verb is present: credo che sia "
                           "partito, I think he has left")},
        {QStringLiteral("SUBJ|PLUP"),
            QStringLiteral("after che for what had happened, when the main verb is past, and after se: "
                           "se avessi saputo, if I had known")},
        {QStringLiteral("PASTHIST|PERF"),
            QStringLiteral("in written narrative, after appena, dopo che or quando with a passato remoto: "
                           "dopo che ebbe mangiato, uscì, after he had eaten, he went out")},
    };
    // The simple tenses of the indicative and the conditional.
    for (Tense &tense : tenses) {
        tense.drilledWhenImpersonal = tense.isSimple() && tense.personal && !tense.code.startsWith(u"SUBJ|");
        tense.usage = usages.value(tense.code);
    }
    return tenses;
}

} // namespace

QStringList Tense::formsOf(Verb &verb) const
{
    return isSimple() ? ownForms(verb) : verb.compoundForms(*avere, *essere);
}

QString Tense::label(bool englishFirst) const
{
    return label(italianName, englishName, englishFirst);
}

QString Tense::label(const QString &italian, const QString &english, bool englishFirst)
{
    return englishFirst ? english + u" (" + italian + u')' : italian + u" (" + english + u')';
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
