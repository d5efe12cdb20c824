#include "screens/VerbSettings.h"

#include "verbs/VerbDictionary.h"

VerbSettings::VerbSettings(const VerbDictionary &verbs, QObject *parent)
    : QObject(parent)
    , tenseSettings_(verbs.tenseSettings())
    , languageSettings_(verbs.languageSettings())
{}

void VerbSettings::toggleTense(TenseSetting *setting)
{
    if (setting)
        setting->setStatus(!setting->status());
}

void VerbSettings::toggleLanguageSetting(LanguageSetting *setting)
{
    if (setting)
        setting->setStatus(!setting->status());
}
