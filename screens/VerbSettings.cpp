#include "screens/VerbSettings.h"

#include "verbs/VerbDictionary.h"

VerbSettings::VerbSettings(const VerbDictionary &verbs, QObject *parent)
    : QObject(parent)
    , tenseSettings_(verbs.tenseSettings())
{}

void VerbSettings::toggleTense(TenseSetting *setting)
{
    if (setting)
        setting->setStatus(!setting->status());
}
