#pragma once

#include "platform/EngineObjects.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class LearnerStore;
class MistakeLog;
class ProgressManager;
class ReviewSchedule;
class VerbDictionary;

// Writes the whole learner store (scores, learnt flags, quiz grades, mistake
// log, review schedule and settings) as one JSON file, and reads such a file
// back into the store. A file is checked in full before anything is written: a
// damaged file, a file of another kind or one from a newer version is refused
// and the store is left as it was. Importing merges: the higher score and quiz
// grade, a verb learnt on either side, the union of the answer logs, and for
// each scheduled form the card reviewed last. Settings are taken from the file
// only where the store has none.
class ProgressTransfer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    ProgressTransfer(LearnerStore &store, ProgressManager &progress, MistakeLog &log, ReviewSchedule &schedule,
        const VerbDictionary &verbs);
    // QML's instance: the one its engine was given (EngineObjects).
    static ProgressTransfer *create(QQmlEngine *engine, QJSEngine *)
    {
        return EngineObjects::take<ProgressTransfer>(engine);
    }

    static constexpr int formatVersion = 1;
    static inline const QString formatName = QStringLiteral("flexio-progress");

    [[nodiscard]] QByteArray exportJson() const;
    // The refusal in plain words, or empty when the file was merged in.
    QString importJson(const QByteArray &json);

    Q_INVOKABLE bool exportToFile(const QUrl &file);
    Q_INVOKABLE bool importFromFile(const QUrl &file);
    // What the last export or import did, for the learner.
    [[nodiscard]] const QString &message() const { return message_; }

signals:
    void messageChanged();

private:
    void setMessage(const QString &message);
    void refreshAfterImport();

    LearnerStore &store_;
    ProgressManager &progress_;
    MistakeLog &log_;
    ReviewSchedule &schedule_;
    const VerbDictionary &verbs_;
    QString message_;
};
