#include "verbs/Verb.h"

#include "settings/TenseSetting.h"
#include "verbs/DrillCode.h"
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

constexpr qsizetype thirdPersonSingular = Persons::thirdSingular;

// A pronoun joined to the end of a form without a person: "alzando" + "si", "essere" + "si"
// gives "essersi".
QString withEnclitic(QString form, const QString &pronoun)
{
    if (form.endsWith(u"re"))
        form.chop(1);
    return form + pronoun;
}

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
    return compoundFormsWith(avere, essere, perfectWithEssere || reflexive);
}

QStringList Verb::otherAuxiliaryForms(const QStringList &avere, const QStringList &essere)
{
    return eitherAuxiliary && !reflexive ? compoundFormsWith(avere, essere, !perfectWithEssere) : QStringList();
}

QStringList Verb::compoundFormsWith(const QStringList &avere, const QStringList &essere, bool withEssere)
{
    const QStringList &auxiliaries = withEssere ? essere : avere;
    const bool personal = auxiliaries.size() > 1;
    fillPastParticipleIfMissing();
    QStringList forms;
    forms.reserve(auxiliaries.size());
    for (qsizetype i = 0; i < auxiliaries.size(); ++i) {
        const QString auxiliary = !personal && reflexive
            ? withEnclitic(auxiliaries[i], reflexivePronouns.value(thirdPersonSingular))
            : auxiliaries[i];
        QString form = auxiliary + u' ' + pastParticiple;
        // An impersonal verb's subject is no person, so its participle takes no agreement.
        if (withEssere && !isImpersonalLike()) {
            if (i >= 3) {
                form.chop(1);
                form += QStringLiteral("i/e");
            } else {
                form += QStringLiteral("/a");
            }
        }
        if (withEssere && reflexive && personal)
            form = reflexivePronouns.value(i) + u' ' + form;
        forms.append(withPreposition(form));
    }
    return forms;
}

QStringList Verb::gerundForms() const
{
    QString form = gerund;
    if (form.isEmpty() && infinitive.size() > 3) {
        // The data gives every verb its gerund; a verb made elsewhere gets the regular one.
        const QString stem = withoutBars(infinitive).chopped(3);
        form = stem + (infinitive.endsWith(u"are") ? u"ando" : u"endo");
    }
    if (reflexive)
        form = withEnclitic(form, reflexivePronouns.value(thirdPersonSingular));
    return {withPreposition(form)};
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
    const bool noTenseOn = std::none_of(settings.begin(), settings.end(),
        [](const TenseSetting *s) { return s->status() && Tense::named(s->tenseName()); });
    const QStringList &englishPronouns = pronounsEnglish;
    // Only the third person singular of each tense, said of "it", for an impersonal verb.
    const QString italianPronoun = pronouns.value(thirdPersonSingular);
    const QString englishPronoun = englishPronouns.value(thirdPersonSingular);

    QStringList texts;
    QStringList codes;
    QStringList tenseNames;
    for (const Tense *tense : Tense::inDrillOrder()) {
        const bool drilled = tenseSwitchedOn(settings, tense->name) || (impersonalLike && tense->drilledWhenImpersonal)
            || (noTenseOn && tense->drilledWhenNoneOn);
        if (!drilled)
            continue;
        const QStringList tenseTexts = english ? tense->english(*this, englishPronouns) : tense->formsOf(*this);
        const int persons = tense->personal ? Persons::count : 1;
        for (int slot = 0; slot < persons; ++slot) {
            const int person = tense->personal ? slot : -1;
            if (impersonalLike && person >= 0 && person != thirdPersonSingular)
                continue;
            QString text = tenseTexts.value(slot);
            if (impersonalLike && person >= 0) {
                if (english && !englishPronoun.isEmpty())
                    text.replace(englishPronoun, QStringLiteral("it"));
                else if (!english && !italianPronoun.isEmpty())
                    text.remove(italianPronoun);
            }
            texts.append(text);
            codes.append(DrillCode{tense->code, person}.text());
            tenseNames.append(tense->name);
        }
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
    auto table = [this](const QString &code, const QString &title, const QString &englishTitle, const QString &gloss,
                     const QStringList &forms, const QStringList &translations, RowKind kind) {
        Conjugation conjugation;
        conjugation.code = code;
        conjugation.title = title;
        conjugation.englishTitle = englishTitle;
        conjugation.gloss = gloss;
        const bool personal = forms.size() > 1;
        // Italian has no first-person singular imperative, so that row is left out.
        for (qsizetype slot = kind == RowKind::imperative ? 1 : 0; slot < forms.size(); ++slot) {
            ConjugationPart part;
            part.locale = locale;
            part.text = forms.value(slot);
            part.translation = translations.value(slot);
            part.person = personal ? int(slot) : -1;
            switch (kind) {
            case RowKind::simple:
                part.pronoun = personal ? pronouns.value(slot) : QString();
                part.ttsPhrase = part.text;
                break;
            case RowKind::compound:
                part.pronoun = personal ? pronouns.value(slot) : QString();
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
    auto glossOf = [](const QStringList &blankRenderings) {
        return blankRenderings.size() == 1 ? blankRenderings.first() : blankRenderings.value(thirdPersonSingular);
    };

    Conjugation participleTable;
    participleTable.code = QStringLiteral("PART");
    participleTable.title = Tense::participleItalian;
    participleTable.englishTitle = Tense::participleEnglish;
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
        tables.append(table(tense.code, tense.italianName, tense.englishName, gloss, tense.formsOf(*this),
            tense.english(*this, english), tense.isSimple() ? RowKind::simple : RowKind::compound));
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
        tables.append(table(QStringLiteral("IMPER"), Tense::imperativeItalian, Tense::imperativeEnglish,
            English::imperativeGloss(englishInfinitive), imperativeForms(),
            English::imperativeRenderings(englishInfinitive), RowKind::imperative));
    }
    return tables;
}
