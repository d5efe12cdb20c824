#include "verbs/Verb.h"

#include "settings/TenseSetting.h"
#include "verbs/English.h"
#include "verbs/Tense.h"
#include "verbs/VerbPack.h"

#include <QHash>

#include <algorithm>
#include <functional>

namespace {

QString withoutBars(QString text)
{
    return text.remove(u'|');
}

const QStringList personCodes{"1PS", "2PS", "3PS", "1PS", "2PS", "3PS"};
const QStringList numberCodes{"SING", "SING", "SING", "PLUR", "PLUR", "PLUR"};
constexpr qsizetype thirdPersonSingular = 2;

// What is spoken for a compound form: the masculine of each agreement pair.
QString spokenWithMasculine(QString form)
{
    return form.replace(QStringLiteral("o/a"), QStringLiteral("o")).replace(QStringLiteral("i/e"), QStringLiteral("i"));
}

// English says some forms of different tenses alike ("seppi" and "ho saputo": "I found out";
// "potei" and "potrei": "I could"). Each such rendering names its tense, so that a game's
// prompt never has two right answers.
void nameSharedEnglish(QStringList &texts, const QStringList &tenseNames)
{
    QHash<QString, int> uses;
    for (const QString &text : std::as_const(texts))
        ++uses[text];
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (uses.value(texts.at(i)) > 1)
            texts[i] += u" (" + tenseNames.at(i).toLower() + u')';
    }
}

bool tenseSwitchedOn(const QList<TenseSetting *> &settings, const QString &name)
{
    for (const TenseSetting *setting : settings) {
        if (setting->tenseName() == name)
            return setting->status();
    }
    return false;
}

}

Verb::Verb(QObject *parent)
    : QObject(parent)
{}

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
    return gloss.isEmpty() ? withoutBars(englishInfinitive) : gloss;
}

QString Verb::withPreposition(const QString &form) const
{
    return preposition.isEmpty() || form.isEmpty() ? form : form + u' ' + preposition;
}

QStringList Verb::englishImperfect(const QStringList &englishPronouns)
{
    if (stative)
        return English::pastHistoricRenderings(englishSimplePastOrDerived(), englishPronouns);
    return English::imperfectRenderings(englishInfinitive, englishPronouns);
}

QStringList Verb::englishPastHistoric(const QStringList &englishPronouns)
{
    return English::pastHistoricRenderings(
        englishPastShift.isEmpty() ? englishSimplePastOrDerived() : englishPastShift, englishPronouns);
}

QStringList Verb::englishPerfect(const QStringList &englishPronouns)
{
    if (!englishPastShift.isEmpty())
        return English::pastHistoricRenderings(englishPastShift, englishPronouns);
    return English::perfectRenderings(englishPastParticipleOrDerived(), englishPronouns);
}

void Verb::readPackedTenses() const
{
    // Verbs are only ever made as non-const objects, so filling their lists from here is sound.
    if (packedTenses_)
        VerbPack::readTenses(*const_cast<Verb *>(this));
}

QStringList Verb::simpleForms(const QStringList &tense) const
{
    readPackedTenses();
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
    readPackedTenses();
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
        // An impersonal verb's subject is no person, so its participle takes no agreement.
        if (withEssere && !isImpersonalLike()) {
            if (i >= 3) {
                form.chop(1);
                form += QStringLiteral("i/e");
            } else {
                form += QStringLiteral("/a");
            }
        }
        if (withEssere && reflexive)
            form = reflexivePronouns.value(i) + u' ' + form;
        forms.append(withPreposition(form));
    }
    return forms;
}

bool Verb::hasImperative() const
{
    readPackedTenses();
    return std::any_of(
        imperativeTense.begin(), imperativeTense.end(), [](const QString &form) { return !form.isEmpty(); });
}

QStringList Verb::imperativeForms() const
{
    readPackedTenses();
    QStringList forms;
    forms.reserve(6);
    for (int i = 0; i < 6; ++i)
        forms.append(withPreposition(imperativeTense.isEmpty() ? QString() : imperativeTense.value(i)));
    return forms;
}

const QString &Verb::englishSimplePastOrDerived()
{
    if (englishSimplePast.isEmpty())
        englishSimplePast = English::simplePast(englishInfinitive);
    return englishSimplePast;
}

QString Verb::englishPastParticipleOrDerived()
{
    if (englishPastParticiple.isEmpty())
        englishPastParticiple = englishSimplePastOrDerived();
    return englishPastParticiple;
}

Verb::GameParts Verb::gameParts(const QList<TenseSetting *> &settings, bool english)
{
    const bool impersonalLike = isImpersonalLike();
    const bool noTenseOn =
        std::none_of(settings.begin(), settings.end(), [](const TenseSetting *s) { return s->status(); });
    const QStringList &englishPronouns = pronounsEnglish;

    QStringList texts;
    QStringList codes;
    QStringList tenseNames;
    for (const Tense *tense : Tense::inDrillOrder()) {
        const bool drilled = tenseSwitchedOn(settings, tense->name) || (impersonalLike && tense->drilledWhenImpersonal)
            || (noTenseOn && tense->drilledWhenNoneOn);
        if (!drilled)
            continue;
        const QStringList tenseTexts = english ? tense->english(*this, englishPronouns) : tense->formsOf(*this);
        for (qsizetype slot = 0; slot < 6; ++slot) {
            texts.append(tenseTexts.value(slot));
            codes.append(tense->code + u'|' + personCodes[slot] + u'|' + numberCodes[slot]);
            tenseNames.append(tense->name);
        }
    }

    if (impersonalLike) {
        // Only the third person singular of each tense, said of "it".
        const QString italianPronoun = pronouns.value(thirdPersonSingular);
        const QString englishPronoun = englishPronouns.value(thirdPersonSingular);
        QStringList keptTexts;
        QStringList keptCodes;
        QStringList keptNames;
        for (qsizetype i = thirdPersonSingular; i < codes.size(); i += 6) {
            QString text = texts.at(i);
            if (english && !englishPronoun.isEmpty())
                text.replace(englishPronoun, QStringLiteral("it"));
            else if (!english && !italianPronoun.isEmpty())
                text.remove(italianPronoun);
            keptTexts.append(text);
            keptCodes.append(codes.at(i));
            keptNames.append(tenseNames.at(i));
        }
        texts = keptTexts;
        codes = keptCodes;
        tenseNames = keptNames;
    }

    if (english)
        nameSharedEnglish(texts, tenseNames);
    return {texts, codes};
}

QList<Conjugation> Verb::conjugationTables()
{
    fillPastParticipleIfMissing();
    const QString participle = englishPastParticipleOrDerived();
    const QStringList blanks(6);
    const QStringList &english = pronounsEnglish;

    enum class RowKind { simple, compound, imperative };
    auto table = [this](const QString &title, const QString &gloss, const QStringList &forms,
                     const QStringList &translations, RowKind kind) {
        Conjugation conjugation;
        conjugation.title = title;
        conjugation.gloss = gloss;
        // Italian has no first-person singular imperative, so that row is left out.
        for (qsizetype slot = kind == RowKind::imperative ? 1 : 0; slot < 6; ++slot) {
            ConjugationPart part;
            part.locale = locale;
            part.text = forms.value(slot);
            part.translation = translations.value(slot);
            switch (kind) {
            case RowKind::simple:
                part.pronoun = pronouns.value(slot);
                part.ttsPhrase = part.text;
                break;
            case RowKind::compound:
                part.pronoun = pronouns.value(slot);
                part.ttsPhrase = spokenWithMasculine(part.text);
                break;
            case RowKind::imperative:
                part.ttsPhrase = part.text;
                part.isVerbFirst = true;
                part.pronounNeeded = false;
                part.pronounIncorporated = true;
                break;
            }
            conjugation.parts.append(part);
        }
        return conjugation;
    };
    auto glossOf = [](const QStringList &blankRenderings) { return blankRenderings.value(thirdPersonSingular); };

    Conjugation participleTable;
    participleTable.title = QStringLiteral("Past Participle");
    participleTable.gloss = participle;
    ConjugationPart participleRow;
    participleRow.locale = locale;
    participleRow.text = pastParticiple;
    participleRow.ttsPhrase = pastParticiple;
    participleRow.translation = participle;
    participleTable.parts.append(participleRow);

    QList<Conjugation> tables{participleTable};
    for (const Tense &tense : Tense::all()) {
        QString gloss = glossOf(tense.english(*this, blanks));
        if (!tense.usage.isEmpty())
            gloss += u" \u2014 " + tense.usage;
        tables.append(table(tense.title, gloss, tense.formsOf(*this), tense.english(*this, english),
            tense.isSimple() ? RowKind::simple : RowKind::compound));
    }

    if (isImpersonalLike()) {
        // One row, said of "it", with no pronoun beside the form; an impersonal verb gives no
        // commands.
        for (Conjugation &conjugation : tables) {
            if (conjugation.parts.size() != 6)
                continue;
            ConjugationPart row = conjugation.parts.at(thirdPersonSingular);
            row.pronoun.clear();
            // The pronoun need not lead the rendering: "(that) it rains".
            row.translation.replace(english.value(thirdPersonSingular), QStringLiteral("it"));
            conjugation.parts = {row};
        }
    } else if (hasImperative()) {
        tables.append(table(QStringLiteral("Imperative"), English::imperativeGloss(englishInfinitive),
            imperativeForms(), English::imperativeRenderings(englishInfinitive), RowKind::imperative));
    }
    return tables;
}
