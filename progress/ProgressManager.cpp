#include "progress/ProgressManager.h"

#include "platform/LearnerStore.h"
#include "platform/Logging.h"
#include "settings/LanguageSetting.h"
#include "settings/StoredMaps.h"
#include "settings/TenseSetting.h"
#include "verbs/VerbDictionary.h"

#include <QStringList>

namespace {
const QString flagLog = QStringLiteral("ProgressManager >> getFlagDictionary >> ");
}

ProgressManager::ProgressManager(LearnerStore &store, const VerbDictionary &verbs, const QList<TenseSetting *> &tenses,
    const QList<LanguageSetting *> &languages)
    : store_(store)
    , verbs_(verbs)
    , tenses_(tenses)
    , languages_(languages)
{}

ProgressManager::~ProgressManager() = default;

void ProgressManager::store(const QString &key, const QVariantMap &value)
{
    store_.set(key, value);
}

// One entry changes; the other entries stay as they are on disk, whoever wrote them.
void ProgressManager::storeEntry(const QString &key, const QString &entry, const QVariant &value)
{
    store_.updateEntry(key, entry, [value](const QVariant &) { return value; });
}

QVariantMap ProgressManager::readDictionary(const QString &key)
{
    if (const auto stored = store_.dictionary(key))
        return *stored;
    // Only where the file on disk holds no dictionary either: another process may have just
    // stored one.
    store_.update(key, [](const QVariant &stored) {
        return stored.typeId() == QMetaType::QVariantMap ? stored : QVariant(QVariantMap());
    });
    return store_.dictionary(key).value_or(QVariantMap());
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
    store_.updateEntry(progressDictionary, verbKey,
        [points](const QVariant &stored) { return QVariant(StoredMaps::integer(stored).value_or(0) + points); });
    qCDebug(lcProgress) << points << "points for" << verbKey;
    scoresReplaced();
}

void ProgressManager::scoresReplaced()
{
    entriesStale_ = true;
    emit progressDictionaryEntriesChanged();
}

const QList<ProgressDictionaryEntry *> &ProgressManager::progressDictionaryEntries()
{
    if (entriesStale_)
        buildProgressEntries();
    return entries_;
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
    qCDebug(lcProgress).noquote() << QString(u"score for " + quizKey + u" now set at " + QString::number(score));
}

void ProgressManager::buildProgressEntries()
{
    const QMap<QString, qint64> scores = progressScores();
    const VerbDictionary &dictionary = verbs_;
    QList<ProgressDictionaryEntry *> entries;
    entries.reserve(scores.size());
    for (auto it = scores.begin(); it != scores.end(); ++it)
        entries.append(new ProgressDictionaryEntry(dictionary.verbForKey(it.key()), it.value(), this));

    // Each shown name is made once, not once per comparison.
    QList<std::pair<QString, ProgressDictionaryEntry *>> named;
    named.reserve(entries.size());
    for (ProgressDictionaryEntry *entry : std::as_const(entries))
        named.append({entry->verb()->displayInfinitive(), entry});
    std::sort(named.begin(), named.end(),
        [](const auto &a, const auto &b) { return QString::compare(a.first, b.first) < 0; });
    std::stable_sort(
        named.begin(), named.end(), [](const auto &a, const auto &b) { return a.second->score() > b.second->score(); });
    for (qsizetype i = 0; i < named.size(); ++i)
        entries[i] = named.at(i).second;
    // Screens may still hold the old rows until they rebind, so they go on the next event loop turn.
    for (ProgressDictionaryEntry *old : std::as_const(entries_))
        old->deleteLater();
    entries_ = std::move(entries);
    entriesStale_ = false;
    qCDebug(lcProgress) << "progress entries made for" << entries_.size() << "verbs";
}

QMap<QString, bool> ProgressManager::getFlagDictionary()
{
    const auto stored = store_.dictionary(flagDictionary);
    if (!stored)
        return createFlagDictionary();

    const QMap<QString, bool> flags = StoredMaps::boolMap(*stored);
    qCDebug(lcProgress).noquote() << flagLog + u"a verb tense flag dictionary was found! " + StoredMaps::render(flags);
    if (stored->size() == tenses_.size())
        return flags;
    return rebuildFlagDictionary(flags);
}

// A stored map of another size (written by a version with another tense list) is rebuilt with
// exactly the current tense names. The learner's stored choices are kept; only names the stored
// map lacks take the switch's status in memory.
QMap<QString, bool> ProgressManager::rebuildFlagDictionary(const QMap<QString, bool> &stored)
{
    const auto &tenses = tenses_;
    qCDebug(lcProgress).noquote() << flagLog
            + u"there is a discrepancy between the stored tense settings and the default ones";
    qCDebug(lcProgress).noquote() << flagLog + u"reconstituting the dictionary from default settings";
    qCDebug(lcProgress).noquote() << flagLog + u"fetching default vals " + StoredMaps::render(tenses);
    QMap<QString, bool> flags;
    for (const TenseSetting *setting : tenses) {
        const bool status = stored.value(setting->tenseName(), setting->status());
        qCDebug(lcProgress).noquote() << flagLog + setting->tenseName() + u" : " + Logging::boolText(status);
        flags.insert(setting->tenseName(), status);
    }
    store_.remove(flagDictionary);
    store(flagDictionary, StoredMaps::toVariantMap(flags));
    qCDebug(lcProgress).noquote() << flagLog + u"new verb tense dictionary set! " + StoredMaps::render(flags);
    if (const auto check = store_.dictionary(flagDictionary))
        qCDebug(lcProgress).noquote() << flagLog + u"to check: " + StoredMaps::render(StoredMaps::boolMap(*check));
    return flags;
}

QMap<QString, bool> ProgressManager::createFlagDictionary()
{
    const auto &tenses = tenses_;
    qCDebug(lcProgress).noquote() << QStringLiteral("creating a new verb flag dictionary");
    qCDebug(lcProgress).noquote() << u"default values are " + StoredMaps::render(tenses);
    QMap<QString, bool> flags;
    for (const TenseSetting *setting : tenses)
        flags.insert(setting->tenseName(), setting->status());
    qCDebug(lcProgress).noquote() << u"new dictionary is now " + StoredMaps::render(flags);
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
    const auto &settings = languages_;
    const auto stored = store_.dictionary(miscSettingsDictionary);
    if (stored && stored->size() == settings.size())
        return StoredMaps::boolMap(*stored);

    if (stored) {
        qCDebug(lcProgress).noquote() << QStringLiteral(
            "there is a discrepancy between the stored misc settings and the default ones");
        qCDebug(lcProgress).noquote() << QStringLiteral("reconstituting the dictionary from default settings");
    } else {
        qCDebug(lcProgress).noquote() << QStringLiteral("creating a new misc settings dictionary");
        qCDebug(lcProgress).noquote() << u"default values are " + StoredMaps::render(settings);
    }
    QMap<QString, bool> flags;
    for (const LanguageSetting *setting : settings)
        flags.insert(setting->settingName(), setting->status());
    if (!stored)
        qCDebug(lcProgress).noquote() << u"new dictionary is now " + StoredMaps::render(flags);
    store(miscSettingsDictionary, StoredMaps::toVariantMap(flags));
    return flags;
}

void ProgressManager::setMiscSetting(const QString &name, bool status)
{
    getMiscSettingsDictionary();
    storeEntry(miscSettingsDictionary, name, status);
    qCDebug(lcProgress).noquote() << QString(
        u"ProgressManager >> setting for " + name + u" now set as " + Logging::boolText(status));
}
