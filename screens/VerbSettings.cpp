#include "screens/VerbSettings.h"

#include "verbs/Tense.h"
#include "verbs/VerbDictionary.h"

#include <algorithm>

VerbSettings::VerbSettings(const VerbDictionary &verbs, QObject *parent)
    : QObject(parent)
    , tenseSettings_(verbs.tenseSettings())
{}

void VerbSettings::toggleTense(TenseSetting *setting)
{
    // The last tense switched on stays on: the games have nothing to deal without one.
    const auto isTense = [](const TenseSetting *s) { return Tense::named(s->tenseName()) != nullptr; };
    const auto on = std::count_if(tenseSettings_.begin(), tenseSettings_.end(),
        [&isTense](const TenseSetting *s) { return s->status() && isTense(s); });
    if (setting && !(setting->status() && isTense(setting) && on <= 1))
        setting->setStatus(!setting->status());
}
