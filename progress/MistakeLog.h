#pragma once

#include "progress/DrilledForm.h"
#include "progress/Fsrs.h"
#include "progress/MistakeRecord.h"

#include <QMap>
#include <QObject>

#include <optional>

class LearnerStore;
class MainQueue;
class ReviewSchedule;

// Every answer the learner gives to a form in the games and the review drill,
// kept in the learner's store under "mistakeLog" (form id -> record). Each
// answer is also passed on to the review schedule, which makes a missed form a
// card.
class MistakeLog : public QObject
{
    Q_OBJECT

public:
    MistakeLog(LearnerStore &store, MainQueue &queue, ReviewSchedule &schedule);

    static inline const QString storeKey = QStringLiteral("mistakeLog");

    // One answer to the form of the verb given by a drill code such as
    // "PRES|1PS|SING"; an answer to a code that names no form is not recorded.
    void record(const QString &verbKey, const QString &code, const QString &given, bool right);
    // One answer to the verb's infinitive.
    void recordInfinitive(const QString &verbKey, const QString &given, bool right);
    void recordForm(const DrilledForm &form, const QString &given, bool right);
    // The same with the review rating given, or none to leave the form's card as it is.
    void recordForm(const DrilledForm &form, const QString &given, bool right, std::optional<Fsrs::Rating> rating);

    // The stored records by form id; entries that cannot be read are skipped.
    [[nodiscard]] QMap<QString, MistakeRecord> records() const;
    void store(const QMap<QString, MistakeRecord> &records);

signals:
    void changed();

private:
    void logAnswer(const DrilledForm &form, const QString &given, bool right);

    LearnerStore &store_;
    MainQueue &queue_;
    ReviewSchedule &schedule_;
};
