#pragma once

#include "progress/DrilledForm.h"
#include "progress/Fsrs.h"
#include "progress/MistakeRecord.h"

#include <QList>
#include <QMap>
#include <QObject>

#include <optional>

class LearnerDatabase;
class MainQueue;
class ReviewSchedule;

// Every answer the learner gives to a form in the games and the review drill, one row each in
// the learner's store with a tally per form. Each answer is also passed on to the review
// schedule, which makes a missed form a card; both are one transaction, committed before the
// call returns.
class MistakeLog : public QObject
{
    Q_OBJECT

public:
    MistakeLog(LearnerDatabase &store, MainQueue &queue, ReviewSchedule &schedule);

    // Right and wrong answers to the forms of one tense and person, and how many of those forms
    // were ever missed.
    struct Cell
    {
        qint64 right = 0;
        qint64 wrong = 0;
        qint64 missedForms = 0;
    };

    // One answer to the form of the verb given by a drill code such as
    // "PRES|1PS|SING"; an answer to a code that names no form is not recorded.
    void record(const QString &verbKey, const QString &code, const QString &given, bool right);
    // One answer to the verb's infinitive.
    void recordInfinitive(const QString &verbKey, const QString &given, bool right);
    void recordForm(const DrilledForm &form, const QString &given, bool right);
    // The same with the review rating given (or none to leave the form's card as it is), the
    // answer kept with the name of the game it was given in.
    void recordForm(const DrilledForm &form, const QString &given, bool right, std::optional<Fsrs::Rating> rating,
        const QString &game);

    // One form's totals and latest answers; nothing when it was never answered.
    [[nodiscard]] std::optional<MistakeRecord> record(const DrilledForm &form) const;
    // Every answered form's record, by form id (for exports: it reads every answer).
    [[nodiscard]] QMap<QString, MistakeRecord> records() const;
    // Adds a record's answers and totals to the stored ones (an import, inside its transaction):
    // the answers the store lacks are added, and the totals count both sides' answers once.
    // False when the store refused a write. Tells no one: the import calls mergeDone() once
    // it is committed.
    bool merge(const DrilledForm &form, const MistakeRecord &record);
    void mergeDone() { emit changed(); }
    // Cells by tense code and person.
    [[nodiscard]] QMap<std::pair<QString, int>, Cell> cells() const;
    [[nodiscard]] QList<DrilledForm> missedForms(const QString &tense, int person) const;
    [[nodiscard]] qint64 answerCount() const;

signals:
    void changed();

private:
    LearnerDatabase &store_;
    MainQueue &queue_;
    ReviewSchedule &schedule_;
};
