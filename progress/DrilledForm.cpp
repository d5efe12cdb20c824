#include "progress/DrilledForm.h"

#include "verbs/DrillCode.h"
#include "verbs/Persons.h"
#include "verbs/Tense.h"

namespace {

const QChar separator = u'#';

} // namespace

const QStringList &DrilledForm::tenseCodes()
{
    static const QStringList codes = [] {
        QStringList list;
        for (const Tense *tense : Tense::inDrillOrder())
            list.append(tense->code);
        list.append(infinitive);
        return list;
    }();
    return codes;
}

QString DrilledForm::tenseName(const QString &tense, bool englishFirst)
{
    if (tense == infinitive)
        return Tense::label(QStringLiteral("Infinito"), QStringLiteral("Infinitive"), englishFirst);
    const Tense *known = Tense::withCode(tense);
    return known ? known->label(englishFirst) : tense;
}

QString DrilledForm::personName(int person)
{
    return Persons::italian().value(person);
}

QString DrilledForm::label(bool englishFirst) const
{
    const QString name = tenseName(tense, englishFirst);
    return person < 0 ? name : name + u", " + personName(person);
}

std::optional<DrilledForm> DrilledForm::fromCode(const QString &verbKey, const QString &code)
{
    const std::optional<DrillCode> parsed = DrillCode::parse(code);
    if (verbKey.isEmpty() || !parsed)
        return std::nullopt;
    return DrilledForm{verbKey, parsed->tense, parsed->person};
}

bool DrilledForm::hasPersons(const QString &tense)
{
    const Tense *known = Tense::withCode(tense);
    return known && known->personal;
}

QString DrilledForm::id() const
{
    return verbKey + separator + tense + separator + QString::number(person);
}

std::optional<DrilledForm> DrilledForm::fromId(const QString &id)
{
    const qsizetype last = id.lastIndexOf(separator);
    const qsizetype middle = last > 0 ? id.lastIndexOf(separator, last - 1) : -1;
    if (middle <= 0)
        return std::nullopt;
    bool ok = false;
    const int person = id.mid(last + 1).toInt(&ok);
    const QString tense = id.mid(middle + 1, last - middle - 1);
    if (!ok || person < -1 || person > 5 || !tenseCodes().contains(tense))
        return std::nullopt;
    if (hasPersons(tense) != (person >= 0))
        return std::nullopt;
    return DrilledForm{id.left(middle), tense, person};
}
