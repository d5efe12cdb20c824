#include "settings/DisplaySwitches.h"

#include "settings/TenseSetting.h"

#include <algorithm>

const QList<DisplaySwitches::Switch> &DisplaySwitches::all()
{
    static const QList<Switch> switches{
        {englishNamesFirst, QStringLiteral("English names first"), false},
        {stressMarks, QStringLiteral("Stress marks"), true},
    };
    return switches;
}

bool DisplaySwitches::isDisplaySwitch(const QString &name)
{
    return std::any_of(all().begin(), all().end(), [&name](const Switch &s) { return s.name == name; });
}

bool DisplaySwitches::isOn(const QList<TenseSetting *> &settings, const QString &name)
{
    for (const TenseSetting *setting : settings) {
        if (setting->tenseName() == name)
            return setting->status();
    }
    for (const Switch &s : all()) {
        if (s.name == name)
            return s.onByDefault;
    }
    return false;
}
