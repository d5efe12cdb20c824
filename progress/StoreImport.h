#pragma once

#include "platform/LearnerDatabase.h"
#include "progress/FsrsCard.h"
#include "progress/MistakeRecord.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

class MistakeLog;
class ReviewSchedule;
class VerbDictionary;

// What a learner's saved store holds (the "store" part of a progress file, or the JSON store
// of earlier versions), read and checked in full before anything is written: known verbs, forms
// and tenses, numbers in their ranges and texts of sane length.
class StoreImport
{
public:
    // The section of the file where reading stopped, and why.
    struct Refusal
    {
        QString part;
        QString why;
    };

    static constexpr qsizetype maxTextLength = 200;
    static constexpr qint64 maxScore = 1'000'000'000'000;
    static constexpr qint64 maxCount = 1'000'000'000;
    static constexpr qsizetype maxAnswers = 2'000'000;
    static constexpr qsizetype maxQuizActivities = 1'000'000;

    // With skipFaults, an entry that cannot be kept is left out instead of refusing the whole.
    // Without verbs, verb keys and verb sets are taken as they are.
    StoreImport(const VerbDictionary *verbs, bool skipFaults);

    // Reads the store; nothing on success.
    std::optional<Refusal> read(const QVariantMap &store);
    // How many entries were left out (with skipFaults).
    [[nodiscard]] int skipped() const { return skipped_; }

    // Merges what was read into the store, in one transaction: the higher score and quiz grade,
    // a verb learnt on either side, both sides' answers once, the later-reviewed card of each
    // form, the finished quizzes not yet kept; settings only where the store has none.
    bool writeTo(LearnerDatabase &store, MistakeLog &log, ReviewSchedule &schedule) const;

private:
    using Check = std::function<std::optional<QString>(const QString &key, const QVariant &value)>;

    // Runs check on every entry of the section; false when the whole is refused.
    bool readSection(const QVariantMap &store, const QString &part, const Check &check);
    bool refuse(const QString &part, const QString &why);
    [[nodiscard]] std::optional<QString> verbFault(const QString &key) const;
    [[nodiscard]] std::optional<QString> formFault(const QString &id) const;
    bool readSettings(const QVariantMap &store);
    bool readQuizActivities(const QVariant &list);

    const VerbDictionary *verbs_;
    bool skipFaults_;
    int skipped_ = 0;
    std::optional<Refusal> refusal_;

    QMap<QString, qint64> scores_;
    QMap<QString, bool> learnt_;
    QMap<QString, qint64> quizScores_;
    QMap<QString, bool> switches_;
    QMap<QString, MistakeRecord> records_;
    QMap<QString, FsrsCard> cards_;
    QMap<QString, QString> settings_;
    QList<LearnerDatabase::QuizActivity> quizActivities_;
    qsizetype answers_ = 0;
};
