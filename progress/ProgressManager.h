#pragma once

#include "platform/EngineObjects.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include "progress/ProgressDictionaryEntry.h"

class LearnerDatabase;
class TenseSetting;
class Verb;
class VerbDictionary;

// Everything the learner earns, kept in the learner's store: per-verb scores, learnt flags,
// last quiz scores, finished quizzes and the tense switches. Nothing is cached but the ranked
// list: every read goes to the store, and every change is one transaction there (points are
// added to the stored score), so that two processes on one store lose nothing.
class ProgressManager : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QList<ProgressDictionaryEntry *> progressDictionaryEntries READ progressDictionaryEntries NOTIFY
            progressDictionaryEntriesChanged)

public:
    ProgressManager(LearnerDatabase &store, const VerbDictionary &verbs, const QList<TenseSetting *> &tenses);
    // QML's instance: the one its engine was given (EngineObjects).
    static ProgressManager *create(QQmlEngine *engine, QJSEngine *)
    {
        return EngineObjects::take<ProgressManager>(engine);
    }
    ~ProgressManager() override;

    // The scored verbs, best first; made when first read after a change, not at every point.
    [[nodiscard]] const QList<ProgressDictionaryEntry *> &progressDictionaryEntries();

    QMap<QString, qint64> progressScores();
    QMap<QString, bool> learntFlags();
    QMap<QString, qint64> quizScores();

    Q_INVOKABLE void addPoints(const QString &verbKey, qint64 points);
    void setLearnt(const QString &verbKey, bool learnt);
    Q_INVOKABLE void toggleLearnt(Verb *verb);
    void setQuizScore(const QString &quizKey, qint64 score);
    // A quiz played to its end: when it started and ended (ms since the epoch) and its score.
    void recordQuizActivity(const QString &quizKey, qint64 startedAt, qint64 finishedAt, int percent);
    // The scores changed behind the manager's back (an import): the entries are made again.
    void scoresReplaced();

    QMap<QString, bool> getFlagDictionary();
    void setTenseFlag(const QString &tenseName, bool status);

signals:
    void progressDictionaryEntriesChanged();

private:
    void buildProgressEntries();

    LearnerDatabase &store_;
    const VerbDictionary &verbs_;
    const QList<TenseSetting *> &tenses_;
    QList<ProgressDictionaryEntry *> entries_;
    bool entriesStale_ = true;
};
