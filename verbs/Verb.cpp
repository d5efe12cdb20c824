#include "verbs/Verb.h"

#include "platform/Console.h"

namespace {

const QStringList averePresent{"ho", "hai", "ha", "abbiamo", "avete", "hanno"};
const QStringList averePast{"avevo", "avevi", "aveva", "avevamo", "avevate", "avevano"};
const QStringList avereFuture{"avrò", "avrai", "avrà", "avremo", "avrete", "avranno"};
const QStringList avereConditional{"avrei", "avresti", "avrebbe", "avremmo", "avreste", "avrebbero"};
const QStringList esserePresent{"sono", "sei", "è", "siamo", "siete", "sono"};
const QStringList esserePast{"ero", "eri", "era", "eravamo", "eravate", "erano"};
const QStringList essereFuture{"sarò", "sarai", "sarà", "saremo", "sarete", "saranno"};
const QStringList essereConditional{"sarei", "saresti", "sarebbe", "saremmo", "sareste", "sarebbero"};

QString withoutBars(QString text)
{
    return text.remove(u'|');
}

}

Verb::Verb(QObject *parent) : QObject(parent) {}

void Verb::setLearnt(bool learnt)
{
    if (learnt_ == learnt)
        return;
    learnt_ = learnt;
    emit learntChanged();
}

void Verb::computeKey()
{
    key = displayInfinitive().toLower();
    Console::write(u"the key for " + infinitive + u" is " + key);
}

QString Verb::displayInfinitive() const
{
    QString shown = infinitive;
    if (reflexive) {
        shown.chop(1);
        shown += QStringLiteral("si");
    }
    return withoutBars(shown);
}

QString Verb::englishDisplay() const
{
    return withoutBars(englishInfinitive);
}

QString Verb::withPreposition(const QString &form) const
{
    return preposition.isEmpty() ? form : form + u' ' + preposition;
}

QStringList Verb::simpleForms(const QStringList &tense) const
{
    const QString fallback = withoutBars(infinitive);
    QStringList forms;
    forms.reserve(6);
    for (int i = 0; i < 6; ++i) {
        QString form = tense.isEmpty() ? fallback : tense.value(i);
        if (reflexive)
            form = reflexivePronouns.value(i) + u' ' + form;
        forms.append(withPreposition(form));
    }
    return forms;
}

QStringList Verb::presentForms() const
{
    Console::write(u"present tense for " + infinitive + u" is " + Console::quotedList(presentTense));
    return simpleForms(presentTense);
}

void Verb::fillPastParticipleIfMissing()
{
    if (pastParticiple.isEmpty())
        pastParticiple = u"ge" + infinitive.left(std::max<qsizetype>(0, infinitive.size() - 2)) + u't';
}

QStringList Verb::compoundForms(const QStringList &avere, const QStringList &essere)
{
    const bool withEssere = perfectWithEssere || reflexive;
    const QStringList &auxiliaries = withEssere ? essere : avere;
    fillPastParticipleIfMissing();
    QStringList forms;
    forms.reserve(6);
    for (int i = 0; i < 6; ++i) {
        QString form = auxiliaries[i] + u' ' + pastParticiple;
        if (withEssere) {
            if (i >= 3) {
                form.chop(1);
                form += QStringLiteral("i/e");
            } else {
                form += QStringLiteral("/a");
            }
            if (reflexive)
                form = reflexivePronouns.value(i) + u' ' + form;
        }
        forms.append(withPreposition(form));
    }
    return forms;
}

QStringList Verb::perfectForms()
{
    return compoundForms(averePresent, esserePresent);
}

QStringList Verb::pluperfectForms()
{
    return compoundForms(averePast, esserePast);
}

QStringList Verb::futurePerfectForms()
{
    return compoundForms(avereFuture, essereFuture);
}

QStringList Verb::conditionalPerfectForms()
{
    return compoundForms(avereConditional, essereConditional);
}

QStringList Verb::imperativeForms() const
{
    QStringList forms;
    forms.reserve(6);
    for (int i = 0; i < 6; ++i)
        forms.append(withPreposition(imperativeTense.isEmpty() ? QString() : imperativeTense.value(i)));
    return forms;
}
