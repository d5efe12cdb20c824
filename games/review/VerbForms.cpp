#include "games/review/VerbForms.h"

#include "verbs/FormIndex.h"
#include "verbs/Persons.h"
#include "verbs/Tense.h"
#include "verbs/Verb.h"

VerbForms::VerbForms(Verb &verb)
    : verb_(verb)
{}

QStringList VerbForms::forms(const QString &tense) const
{
    if (tense == DrilledForm::infinitive)
        return {verb_.displayInfinitive()};
    const Tense *known = Tense::withCode(tense);
    return known ? known->formsOf(verb_) : QStringList();
}

QString VerbForms::form(const DrilledForm &form) const
{
    return forms(form.tense).value(std::max(0, form.person));
}

QString VerbForms::otherAuxiliaryForm(const DrilledForm &form) const
{
    const Tense *tense = Tense::withCode(form.tense);
    if (!tense || tense->isSimple())
        return {};
    return verb_.otherAuxiliaryForms(*tense->avere, *tense->essere).value(std::max(0, form.person));
}

QString VerbForms::english(const DrilledForm &form) const
{
    if (form.tense == DrilledForm::infinitive)
        return u"to " + verb_.englishDisplay();
    const Tense *tense = Tense::withCode(form.tense);
    const QString title = tense ? tense->italianName : QString();
    for (const Conjugation &table : verb_.conjugationTables()) {
        if (table.title != title)
            continue;
        // Impersonal verbs keep only the third person singular row.
        const qsizetype row = table.parts.size() == 1 ? 0 : form.person;
        return table.parts.value(row).translation;
    }
    return {};
}

QStringList VerbForms::otherForms() const
{
    verb_.fillPastParticipleIfMissing();
    QStringList result{verb_.pastParticiple, verb_.gerund};
    result += verb_.imperativeForms();
    result.removeAll(QString());
    return result;
}

QString VerbForms::normalised(const QString &answer)
{
    QString text = answer.toLower().simplified();
    text.replace(u'\u2019', u'\'');
    const qsizetype space = text.indexOf(u' ');
    if (space > 0 && Persons::subjects().contains(text.left(space)))
        text = text.mid(space + 1);
    return text;
}

QStringList VerbForms::variants(const QString &form)
{
    return FormIndex::variants(form);
}

bool VerbForms::accepts(const QString &form, const QString &answer)
{
    const QString typed = normalised(answer);
    return !typed.isEmpty() && variants(form).contains(typed);
}

QString VerbForms::withoutAccents(const QString &text)
{
    return FormIndex::withoutAccents(text);
}
