#include "progress/ProgressManager.h"

#include "platform/LearnerDatabase.h"
#include "platform/Logging.h"
#include "settings/SettingsManager.h"
#include "verbs/VerbDictionary.h"

ProgressManager::ProgressManager(
    LearnerDatabase &store, const VerbDictionary &verbs, const QList<TenseSetting *> &tenses)
    : store_(store)
    , verbs_(verbs)
    , tenses_(tenses)
{}

ProgressManager::~ProgressManager() = default;

QMap<QString, qint64> ProgressManager::progressScores()
{
    return store_.scores();
}

QMap<QString, bool> ProgressManager::learntFlags()
{
    return store_.learntFlags();
}

QMap<QString, qint64> ProgressManager::quizScores()
{
    return store_.quizScores();
}

void ProgressManager::addPoints(const QString &verbKey, qint64 points)
{
    if (verbKey.isEmpty())
        return;
    store_.addPoints(verbKey, points);
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
    store_.setLearnt(verbKey, learnt);
}

void ProgressManager::toggleLearnt(Verb *verb)
{
    if (!verb)
        return;
    const bool learnt = !verb->learnt();
    setLearnt(verb->key, learnt);
    verb->setLearnt(learnt);
}

void ProgressManager::setQuizScore(const QString &quizKey, qint64 score)
{
    store_.setQuizScore(quizKey, score);
}

void ProgressManager::recordQuizActivity(const QString &quizKey, qint64 startedAt, qint64 finishedAt, int percent)
{
    store_.addQuizActivity({quizKey, startedAt, finishedAt, percent});
}

void ProgressManager::buildProgressEntries()
{
    // The store hands the verbs highest score first; equal scores go in shown-name order.
    const QList<std::pair<QString, qint64>> ranking = store_.ranking();
    QList<std::pair<QString, ProgressDictionaryEntry *>> named;
    named.reserve(ranking.size());
    for (const auto &[key, score] : ranking) {
        auto *entry = new ProgressDictionaryEntry(verbs_.verbForKey(key), score, this);
        named.append({entry->verb()->displayInfinitive(), entry});
    }
    std::stable_sort(named.begin(), named.end(), [](const auto &a, const auto &b) {
        return a.second->score() != b.second->score() ? a.second->score() > b.second->score()
                                                      : QString::compare(a.first, b.first) < 0;
    });
    QList<ProgressDictionaryEntry *> entries;
    entries.reserve(named.size());
    for (const auto &[name, entry] : std::as_const(named))
        entries.append(entry);
    // Screens may still hold the old rows until they rebind, so they go on the next event loop turn.
    for (ProgressDictionaryEntry *old : std::as_const(entries_))
        old->deleteLater();
    entries_ = std::move(entries);
    entriesStale_ = false;
    qCDebug(lcProgress) << "progress entries made for" << entries_.size() << "verbs";
}

QMap<QString, bool> ProgressManager::getFlagDictionary()
{
    return SettingsManager(store_, tenses_).getFlagDictionary();
}

void ProgressManager::setTenseFlag(const QString &tenseName, bool status)
{
    SettingsManager(store_, tenses_).setFlag(tenseName, status);
}
