#include "screens/VerbSettings.h"

#include "verbs/VerbDictionary.h"

#include <algorithm>

VerbSettings::VerbSettings(const VerbDictionary &verbs, QObject *parent)
    : QObject(parent)
    , tenseSettings_(verbs.tenseSettings())
    , languageSettings_(verbs.languageSettings())
{}

void VerbSettings::toggleTense(TenseSetting *setting)
{
    // The last tense switched on stays on: the games have nothing to deal without one.
    const auto on = std::count_if(
        tenseSettings_.begin(), tenseSettings_.end(), [](const TenseSetting *tense) { return tense->status(); });
    if (setting && !(setting->status() && on <= 1))
        setting->setStatus(!setting->status());
}

void VerbSettings::toggleLanguageSetting(LanguageSetting *setting)
{
    if (setting)
        setting->setStatus(!setting->status());
}
