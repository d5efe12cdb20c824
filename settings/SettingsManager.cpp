#include "settings/SettingsManager.h"

#include "platform/LearnerStore.h"
#include "platform/Logging.h"
#include "settings/StoredMaps.h"
#include "settings/TenseSetting.h"

SettingsManager::SettingsManager(LearnerStore &store, const QList<TenseSetting *> &tenses)
    : store_(store)
    , tenses_(tenses)
{}

QMap<QString, bool> SettingsManager::getFlagDictionary()
{
    LearnerStore &store = store_;
    if (const auto stored = store.dictionary(flagDictionary))
        return StoredMaps::boolMap(*stored);

    const auto &tenses = tenses_;
    qCDebug(lcSettings).noquote() << QStringLiteral("SettingsManager >> creating a new verb flag dictionary");
    qCDebug(lcSettings).noquote() << u"SettingsManager >> default values are " + StoredMaps::render(tenses);
    QMap<QString, bool> flags;
    for (const TenseSetting *setting : tenses)
        flags.insert(setting->tenseName(), setting->status());
    qCDebug(lcSettings).noquote() << u"SettingsManager >> new dictionary is now " + StoredMaps::render(flags);
    store.set(flagDictionary, StoredMaps::toVariantMap(flags));
    return flags;
}

bool SettingsManager::getFlag(const QString &tenseName)
{
    const QMap<QString, bool> flags = getFlagDictionary();
    const auto found = flags.constFind(tenseName);
    if (found == flags.constEnd()) {
        qCDebug(lcSettings).noquote() << QStringLiteral("record is not found, so returning false");
        return false;
    }
    qCDebug(lcSettings).noquote() << u"SettingsManager >> result for " + tenseName + u" retrieved: "
            + Logging::boolText(*found);
    return *found;
}
