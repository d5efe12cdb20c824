#pragma once

#include "platform/EngineObjects.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include "verbs/FormIndex.h"
#include "verbs/Verb.h"

#include <functional>
#include <memory>
#include <optional>

class LearnerDatabase;
class MainQueue;
class Random;
class Resources;
class TenseSetting;
struct VerbPackSource;

// Every verb of the app, read once from the bundled verb data file, with the verb sets the
// games and screens draw from and the shared tense switches. The verbs are held as rows of their
// packed data; a verb becomes an object (a Verb) only when it is handed out, and stays one.
class VerbDictionary : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QList<Verb *> verbs READ verbs NOTIFY verbsChanged)
    Q_PROPERTY(int verbCount READ verbCount NOTIFY verbsChanged)

public:
    // What the dictionary reads and where it copies the stored flags to.
    struct Sources
    {
        const Resources &resources;
        MainQueue &queue;
        Random &random;
        LearnerDatabase &store;
        const QList<TenseSetting *> &tenses;
        // The learner's stored learnt flags by verb key.
        std::function<QMap<QString, bool>()> learntFlags;
    };

    // Reads the verb data file of the given resources; see loaded() for the outcome.
    explicit VerbDictionary(Sources sources);
    // QML's instance: the one its engine was given (EngineObjects).
    static VerbDictionary *create(QQmlEngine *engine, QJSEngine *)
    {
        return EngineObjects::take<VerbDictionary>(engine);
    }
    ~VerbDictionary() override;

    // Every verb, in dictionary order; all of them are made the first time.
    [[nodiscard]] const QList<Verb *> &verbs() const;
    [[nodiscard]] int verbCount() const { return int(made_.size()); }
    [[nodiscard]] const QList<TenseSetting *> &tenseSettings() const { return tenseSettings_; }

    // Whether the file was found and read to its end; otherwise loadError() says why.
    [[nodiscard]] bool loaded() const { return loaded_; }
    [[nodiscard]] const QString &loadError() const { return loadError_; }
    [[nodiscard]] const QString &dataPath() const { return dataPath_; }

    Q_INVOKABLE [[nodiscard]] int enabledTenseCount() const;
    Q_INVOKABLE [[nodiscard]] QStringList verbSetNames() const;
    Q_INVOKABLE [[nodiscard]] QList<Verb *> verbsInSet(const QString &name) const;
    Q_INVOKABLE [[nodiscard]] QList<Verb *> learntVerbs() const;
    // A verb eligible for "All Verbs", or a blank verb when there is none.
    Q_INVOKABLE [[nodiscard]] Verb *randomVerb() const;
    // The first verb (in dictionary order) with the given key, or nullptr.
    [[nodiscard]] Verb *verbForKey(const QString &key) const;

    // The index of every verb's forms: the one packed beside the verbs, or made now from the verbs
    // when the data came without one.
    [[nodiscard]] const FormIndex &formIndex();

    // Copies the stored learnt flags and tense switches onto the verbs and switches. Queued on the
    // main queue once the file has been read.
    void loadLearntAndTenseFlags();

    // Dictionary order: by infinitive in Italian collation, ignoring diacritics; stable.
    static void sortVerbs(QList<Verb *> &verbs);

    static inline const QString allVerbs = QStringLiteral("All Verbs");
    static inline const QString learntVerbsName = QStringLiteral("Learnt Verbs");

signals:
    void verbsChanged();

private:
    void readFile();
    // Reads the compact form made at build time, when the resources hold one.
    bool readPack();
    // Takes the rows of a pack, or of the verbs read from the file.
    void hold(std::shared_ptr<const VerbPackSource> rows);
    void hold(const QList<Verb *> &verbs);
    // Marks the verbs loaded and queues the copy of the stored flags.
    void publish();
    // The verb of a row, made on first use.
    Verb *verbAt(qsizetype row) const;
    [[nodiscard]] bool learntAt(qsizetype row) const;
    [[nodiscard]] bool inSet(qsizetype row, const QString &name) const;
    // "All Verbs": every row but the few set aside in the pack.
    [[nodiscard]] qsizetype eligibleCount() const;
    [[nodiscard]] qsizetype eligibleRow(qsizetype index) const;

    Sources sources_;
    const QList<TenseSetting *> &tenseSettings_;
    std::shared_ptr<const VerbPackSource> rows_;
    // The made verbs, one place per row; nullptr where none is made yet.
    mutable QList<Verb *> made_;
    mutable QList<Verb *> all_;
    mutable std::optional<QHash<QString, qsizetype>> rowByKey_;
    // The stored flags, for verbs that are not made yet.
    QSet<QString> learntKeys_;
    mutable Verb *blankVerb_ = nullptr;
    bool loaded_ = false;
    QString loadError_;
    QString dataPath_;
    std::optional<FormIndex> formIndex_;
};
