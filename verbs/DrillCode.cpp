#include "verbs/DrillCode.h"

#include "verbs/Persons.h"
#include "verbs/Tense.h"

QString DrillCode::text() const
{
    return person < 0 ? tense : tense + u'|' + Persons::drillCode(person);
}

std::optional<DrillCode> DrillCode::parse(const QString &code)
{
    if (const Tense *whole = Tense::withCode(code); whole && !whole->personal)
        return DrillCode{code, -1};
    const qsizetype numberAt = code.lastIndexOf(u'|');
    const qsizetype personAt = numberAt > 0 ? code.lastIndexOf(u'|', numberAt - 1) : -1;
    if (personAt <= 0)
        return std::nullopt;
    const QString tense = code.left(personAt);
    const Tense *known = Tense::withCode(tense);
    const int slot = Persons::fromDrillCode(code.mid(personAt + 1, numberAt - personAt - 1), code.mid(numberAt + 1));
    if (!known || !known->personal || slot < 0)
        return std::nullopt;
    return DrillCode{tense, slot};
}
