#pragma once

#include "platform/EngineObjects.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class LearnerDatabase;
class MainQueue;
class MistakeLog;
class ProgressManager;
class ReviewSchedule;
class VerbDictionary;

// Writes everything the learner owns (scores, learnt flags, quiz grades and finished quizzes,
// every logged answer, the review schedule, the tense switches and the other settings) as one
// JSON file, and reads such a file back into the store. A file is checked in full before
// anything is written: a damaged file, a file of another kind or one from a newer version, or
// one holding what no learner's file holds (unknown verbs or forms, numbers out of range, texts
// too long) is refused and the store is left as it was. Importing merges, in one transaction:
// the higher score and quiz grade, a verb learnt on either side, the union of the answer logs,
// and for each scheduled form the card reviewed last. Settings are taken from the file only
// where the store has none.
class ProgressTransfer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    ProgressTransfer(LearnerDatabase &store, ProgressManager &progress, MistakeLog &log, ReviewSchedule &schedule,
        const VerbDictionary &verbs);
    // QML's instance: the one its engine was given (EngineObjects).
    static ProgressTransfer *create(QQmlEngine *engine, QJSEngine *)
    {
        return EngineObjects::take<ProgressTransfer>(engine);
    }

    // Version 1 files kept only each form's latest answers, and no finished quizzes.
    static constexpr int formatVersion = 2;
    static inline const QString formatName = QStringLiteral("flexio-progress");
    // Larger files are refused unread.
    static constexpr qint64 maxFileBytes = 256 * 1024 * 1024;

    [[nodiscard]] QByteArray exportJson() const;
    // The refusal in plain words, or empty when the file was merged in.
    QString importJson(const QByteArray &json);

    // Takes the JSON store of earlier versions at path into store (entries that cannot be kept
    // are left out), then renames the file aside. A file that is not JSON is renamed aside as
    // unreadable. False, with the file left in place, when the store could not be written. Runs
    // as the store opens, before the verbs are read, so verb keys are not checked.
    static bool migrateJsonStore(LearnerDatabase &store, MainQueue &queue, const QString &path);

    Q_INVOKABLE bool exportToFile(const QUrl &file);
    Q_INVOKABLE bool importFromFile(const QUrl &file);
    // What the last export or import did, for the learner.
    [[nodiscard]] const QString &message() const { return message_; }

signals:
    void messageChanged();

private:
    void setMessage(const QString &message);
    void refreshAfterImport();

    LearnerDatabase &store_;
    ProgressManager &progress_;
    MistakeLog &log_;
    ReviewSchedule &schedule_;
    const VerbDictionary &verbs_;
    QString message_;
};
