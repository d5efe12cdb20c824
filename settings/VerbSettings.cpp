#include "settings/VerbSettings.h"

#include "verbs/VerbDictionary.h"

VerbSettings::VerbSettings(QObject *parent)
    : QObject(parent),
      tenseSettings_(VerbDictionary::shared().tenseSettings()),
      languageSettings_(VerbDictionary::shared().languageSettings())
{
}

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
