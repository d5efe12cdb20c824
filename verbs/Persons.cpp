#include "verbs/Persons.h"

namespace {

const QStringList personCodes{"1PS", "2PS", "3PS"};
const QStringList numberCodes{"SING", "PLUR"};

} // namespace

const QStringList &Persons::italian()
{
    static const QStringList list{"io", "tu", "lui/lei", "noi", "voi", "loro"};
    return list;
}

const QStringList &Persons::english()
{
    static const QStringList list{"I", "you (sng.)", "he/she", "we", "you (pl.)", "they"};
    return list;
}

const QStringList &Persons::reflexive()
{
    static const QStringList list{"mi", "ti", "si", "ci", "vi", "si"};
    return list;
}

const QStringList &Persons::subjects()
{
    static const QStringList list = [] {
        QStringList words;
        for (const QString &pronoun : italian())
            words += pronoun.split(u'/');
        return words;
    }();
    return list;
}

QString Persons::drillCode(int slot)
{
    return personCodes.value(slot % 3) + u'|' + numberCodes.value(slot / 3);
}

int Persons::fromDrillCode(const QString &person, const QString &number)
{
    const qsizetype p = personCodes.indexOf(person);
    const qsizetype n = numberCodes.indexOf(number);
    return p < 0 || n < 0 ? -1 : int(n * 3 + p);
}
