#include "progress/ProgressManager.h"

#include "app/Services.h"
#include "platform/Console.h"
#include "platform/UserDefaults.h"
#include "progress/StoredMaps.h"
#include "settings/LanguageSetting.h"
#include "settings/TenseSetting.h"
#include "verbs/VerbDictionary.h"

#include <QJSEngine>
#include <QStringList>

namespace {
const QString flagLog = QStringLiteral("ProgressManager >> getFlagDictionary >> ");
}

ProgressManager::ProgressManager(Services &services) : services_(services)
{
    buildProgressEntries();
}

ProgressManager::~ProgressManager() = default;

ProgressManager &ProgressManager::shared()
{
    return Services::current().progressManager();
}

ProgressManager *ProgressManager::create(QQmlEngine *, QJSEngine *)
{
    ProgressManager *manager = &shared();
    QJSEngine::setObjectOwnership(manager, QJSEngine::CppOwnership);
    return manager;
}

void ProgressManager::store(const QString &key, const QVariantMap &value)
{
    services_.userDefaults().set(key, value);
}

// One entry changes; the other entries stay as they are on disk, whoever wrote them.
void ProgressManager::storeEntry(const QString &key, const QString &entry, const QVariant &value)
{
    services_.userDefaults().updateEntry(key, entry, [&value](const QVariant &) { return value; });
}

QVariantMap ProgressManager::readDictionary(const QString &key)
{
    if (const auto stored = services_.userDefaults().dictionary(key))
        return *stored;
    // Only where the file on disk holds no dictionary either: another process may have just
    // stored one.
    services_.userDefaults().update(key, [](const QVariant &stored) {
        return stored.typeId() == QMetaType::QVariantMap ? stored : QVariant(QVariantMap());
    });
    return services_.userDefaults().dictionary(key).value_or(QVariantMap());
}

QMap<QString, qint64> ProgressManager::progressScores()
{
    return StoredMaps::integerMap(readDictionary(progressDictionary));
}

QMap<QString, bool> ProgressManager::learntFlags()
{
    return StoredMaps::boolMap(readDictionary(learntDictionary));
}

QMap<QString, qint64> ProgressManager::quizScores()
{
    return StoredMaps::integerMap(readDictionary(quizScoresDictionary));
}

void ProgressManager::addPoints(const QString &verbKey, qint64 points)
{
    if (verbKey.isEmpty())
        return;
    // Added to the score on disk, so that points another process saved meanwhile are kept.
    services_.userDefaults().updateEntry(progressDictionary, verbKey, [points](const QVariant &stored) {
        return QVariant(StoredMaps::integer(stored).value_or(0) + points);
    });
    const qint64 score = progressScores().value(verbKey, 0);
    Console::write(u"points for " + verbKey + u" now set at " + QString::number(score));
    buildProgressEntries();
}

void ProgressManager::setLearnt(const QString &verbKey, bool learnt)
{
    storeEntry(learntDictionary, verbKey, learnt);
}

void ProgressManager::toggleLearnt(Verb *verb)
{
    if (!verb)
        return;
    const bool learnt = !learntFlags().value(verb->key, false);
    setLearnt(verb->key, learnt);
    verb->setLearnt(learnt);
}

void ProgressManager::setQuizScore(const QString &quizKey, qint64 score)
{
    storeEntry(quizScoresDictionary, quizKey, score);
    Console::write(u"score for " + quizKey + u" now set at " + QString::number(score));
}

QList<ProgressDictionaryEntry *> ProgressManager::buildProgressEntries()
{
    const QMap<QString, qint64> scores = progressScores();
    const VerbDictionary &dictionary = services_.verbDictionary();
    QList<ProgressDictionaryEntry *> entries;
    entries.reserve(scores.size());
    for (auto it = scores.begin(); it != scores.end(); ++it)
        entries.append(new ProgressDictionaryEntry(dictionary.verbForKey(it.key()), it.value(), this));

    std::sort(entries.begin(), entries.end(), [](const auto *a, const auto *b) {
        return QString::compare(a->verb()->displayInfinitive(), b->verb()->displayInfinitive()) < 0;
    });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto *a, const auto *b) { return a->score() > b->score(); });
    publish(entries);
    return entries;
}

void ProgressManager::publish(QList<ProgressDictionaryEntry *> entries)
{
    // Screens may still hold the old rows until they rebind, so they go on the next event loop turn.
    for (ProgressDictionaryEntry *old : std::as_const(entries_))
        old->deleteLater();
    entries_ = std::move(entries);
    emit progressDictionaryEntriesChanged();

    QStringList rows;
    rows.reserve(entries_.size());
    for (const ProgressDictionaryEntry *entry : std::as_const(entries_))
        rows.append(entry->verb()->displayInfinitive() + u": " + QString::number(entry->score()));
    Console::write(u"ProgressManager >> progress entries [" + rows.join(QStringLiteral(", ")) + u']');
}

QMap<QString, bool> ProgressManager::getFlagDictionary()
{
    const auto stored = services_.userDefaults().dictionary(flagDictionary);
    if (!stored)
        return createFlagDictionary();

    const QMap<QString, bool> flags = StoredMaps::boolMap(*stored);
    Console::write(flagLog + u"a verb tense flag dictionary was found! " + StoredMaps::render(flags));
    if (stored->size() == services_.tenseSettings().size())
        return flags;
    return rebuildFlagDictionary(flags);
}

// A stored map of another size (written by a version with another tense list) is rebuilt with
// exactly the current tense names. The learner's stored choices are kept; only names the stored
// map lacks take the switch's status in memory.
QMap<QString, bool> ProgressManager::rebuildFlagDictionary(const QMap<QString, bool> &stored)
{
    const auto &tenses = services_.tenseSettings();
    Console::write(flagLog + u"there is a discrepancy between the stored tense settings and the default ones");
    Console::write(flagLog + u"reconstituting the dictionary from default settings");
    Console::write(flagLog + u"fetching default vals " + StoredMaps::render(tenses));
    QMap<QString, bool> flags;
    for (const TenseSetting *setting : tenses) {
        const bool status = stored.value(setting->tenseName(), setting->status());
        Console::write(flagLog + setting->tenseName() + u" : " + Console::boolText(status));
        flags.insert(setting->tenseName(), status);
    }
    services_.userDefaults().remove(flagDictionary);
    store(flagDictionary, StoredMaps::toVariantMap(flags));
    Console::write(flagLog + u"new verb tense dictionary set! " + StoredMaps::render(flags));
    if (const auto check = services_.userDefaults().dictionary(flagDictionary))
        Console::write(flagLog + u"to check: " + StoredMaps::render(StoredMaps::boolMap(*check)));
    return flags;
}

QMap<QString, bool> ProgressManager::createFlagDictionary()
{
    const auto &tenses = services_.tenseSettings();
    Console::write(QStringLiteral("creating a new verb flag dictionary"));
    Console::write(u"default values are " + StoredMaps::render(tenses));
    QMap<QString, bool> flags;
    for (const TenseSetting *setting : tenses)
        flags.insert(setting->tenseName(), setting->status());
    Console::write(u"new dictionary is now " + StoredMaps::render(flags));
    store(flagDictionary, StoredMaps::toVariantMap(flags));
    return flags;
}

void ProgressManager::setTenseFlag(const QString &tenseName, bool status)
{
    getFlagDictionary();
    storeEntry(flagDictionary, tenseName, status);
}

QMap<QString, bool> ProgressManager::getMiscSettingsDictionary()
{
    const auto &settings = services_.languageSettings();
    const auto stored = services_.userDefaults().dictionary(miscSettingsDictionary);
    if (stored && stored->size() == settings.size())
        return StoredMaps::boolMap(*stored);

    if (stored) {
        Console::write(QStringLiteral("there is a discrepancy between the stored misc settings and the default ones"));
        Console::write(QStringLiteral("reconstituting the dictionary from default settings"));
    } else {
        Console::write(QStringLiteral("creating a new misc settings dictionary"));
        Console::write(u"default values are " + StoredMaps::render(settings));
    }
    QMap<QString, bool> flags;
    for (const LanguageSetting *setting : settings)
        flags.insert(setting->settingName(), setting->status());
    if (!stored)
        Console::write(u"new dictionary is now " + StoredMaps::render(flags));
    store(miscSettingsDictionary, StoredMaps::toVariantMap(flags));
    return flags;
}

void ProgressManager::setMiscSetting(const QString &name, bool status)
{
    getMiscSettingsDictionary();
    storeEntry(miscSettingsDictionary, name, status);
    Console::write(u"ProgressManager >> setting for " + name + u" now set as " + Console::boolText(status));
}
