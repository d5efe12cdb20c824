#include "progress/DrilledForm.h"

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

QString DrilledForm::tenseName(const QString &tense)
{
    if (tense == infinitive)
        return QStringLiteral("Infinitive");
    const Tense *known = Tense::withCode(tense);
    return known ? known->name : tense;
}

QString DrilledForm::personName(int person)
{
    static const QStringList persons{"io", "tu", "lui/lei", "noi", "voi", "loro"};
    return persons.value(person);
}

QString DrilledForm::label() const
{
    return person < 0 ? tenseName(tense) : tenseName(tense) + u", " + personName(person);
}

std::optional<DrilledForm> DrilledForm::fromCode(const QString &verbKey, const QString &code)
{
    QStringList parts = code.split(u'|');
    if (verbKey.isEmpty() || parts.size() < 3)
        return std::nullopt;
    const QString number = parts.takeLast();
    const QString person = parts.takeLast();
    static const QStringList personCodes{"1PS", "2PS", "3PS"};
    const qsizetype slot = personCodes.indexOf(person);
    if (slot < 0 || (number != u"SING" && number != u"PLUR"))
        return std::nullopt;
    const QString tense = parts.join(u'|');
    if (!tenseCodes().contains(tense))
        return std::nullopt;
    return DrilledForm{verbKey, tense, int(slot) + (number == u"PLUR" ? 3 : 0)};
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
    if ((tense == infinitive) != (person < 0))
        return std::nullopt;
    return DrilledForm{id.left(middle), tense, person};
}
