#pragma once

#include "platform/EngineObjects.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "progress/ProgressDictionaryEntry.h"

class LanguageSetting;
class LearnerStore;
class TenseSetting;
class Verb;
class VerbDictionary;

// Everything the learner earns, kept in the user-defaults store: per-verb scores, learnt flags,
// last quiz scores and the tense and language switches. Nothing is cached: every read goes to
// the store, and every change is made to one entry of the dictionary as it is on disk (points
// are added to the stored score), so that two processes on one store lose nothing.
class ProgressManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QList<ProgressDictionaryEntry *> progressDictionaryEntries READ progressDictionaryEntries NOTIFY
            progressDictionaryEntriesChanged)

public:
    ProgressManager(LearnerStore &store, const VerbDictionary &verbs, const QList<TenseSetting *> &tenses,
        const QList<LanguageSetting *> &languages);
    // QML's instance: the one its engine was given (EngineObjects).
    static ProgressManager *create(QQmlEngine *engine, QJSEngine *)
    {
        return EngineObjects::take<ProgressManager>(engine);
    }
    ~ProgressManager() override;

    const QString progressDictionary = QStringLiteral("progressDictionary");
    const QString learntDictionary = QStringLiteral("learntDictionary");
    const QString flagDictionary = QStringLiteral("flagDictionary");
    const QString miscSettingsDictionary = QStringLiteral("miscSettingsDictionary");
    const QString quizScoresDictionary = QStringLiteral("quizScoresDictionary");

    // The scored verbs, best first; made when first read after a change, not at every point.
    [[nodiscard]] const QList<ProgressDictionaryEntry *> &progressDictionaryEntries();

    // The dictionary stored under key; an empty one is stored first when there is none.
    QVariantMap readDictionary(const QString &key);
    QMap<QString, qint64> progressScores();
    QMap<QString, bool> learntFlags();
    QMap<QString, qint64> quizScores();

    Q_INVOKABLE void addPoints(const QString &verbKey, qint64 points);
    void setLearnt(const QString &verbKey, bool learnt);
    Q_INVOKABLE void toggleLearnt(Verb *verb);
    void setQuizScore(const QString &quizKey, qint64 score);
    // The scores changed behind the manager's back (an import): the entries are made again.
    void scoresReplaced();

    QMap<QString, bool> getFlagDictionary();
    void setTenseFlag(const QString &tenseName, bool status);
    QMap<QString, bool> getMiscSettingsDictionary();
    void setMiscSetting(const QString &name, bool status);

signals:
    void progressDictionaryEntriesChanged();

private:
    void store(const QString &key, const QVariantMap &value);
    void storeEntry(const QString &key, const QString &entry, const QVariant &value);
    QMap<QString, bool> rebuildFlagDictionary(const QMap<QString, bool> &stored);
    QMap<QString, bool> createFlagDictionary();
    void buildProgressEntries();

    LearnerStore &store_;
    const VerbDictionary &verbs_;
    const QList<TenseSetting *> &tenses_;
    const QList<LanguageSetting *> &languages_;
    QList<ProgressDictionaryEntry *> entries_;
    bool entriesStale_ = true;
};
