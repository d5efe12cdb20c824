#include "settings/SettingsManager.h"

#include "platform/LearnerDatabase.h"
#include "platform/Logging.h"
#include "settings/TenseSetting.h"

SettingsManager::SettingsManager(LearnerDatabase &store, const QList<TenseSetting *> &tenses)
    : store_(store)
    , tenses_(tenses)
{}

QMap<QString, bool> SettingsManager::getFlagDictionary() const
{
    // Switches of tenses another version had stay stored but are not shown.
    const QMap<QString, bool> stored = store_.tenseSwitches();
    QMap<QString, bool> flags;
    for (const TenseSetting *setting : tenses_)
        flags.insert(setting->tenseName(), stored.value(setting->tenseName(), setting->status()));
    return flags;
}

bool SettingsManager::getFlag(const QString &tenseName) const
{
    return getFlagDictionary().value(tenseName, false);
}

void SettingsManager::setFlag(const QString &tenseName, bool status)
{
    store_.setTenseSwitch(tenseName, status);
    qCDebug(lcSettings).noquote() << u"tense " + tenseName + u" switched " + (status ? u"on" : u"off");
}
