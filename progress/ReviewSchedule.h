#pragma once

#include "progress/DrilledForm.h"
#include "progress/Fsrs.h"
#include "progress/FsrsCard.h"

#include <QList>
#include <QMap>
#include <QObject>

class LearnerStore;

// The forms the learner has missed, each a card of the scheduler, kept in the
// learner's store under "reviewSchedule" (form id -> card). A wrong answer
// makes a form a card and rates it Again; a right answer rates an existing card
// Good.
class ReviewSchedule : public QObject
{
    Q_OBJECT

public:
    explicit ReviewSchedule(LearnerStore &store);

    static inline const QString storeKey = QStringLiteral("reviewSchedule");

    // A form in its learning or relearning steps counts as due this long before its time, so a
    // form missed in a sitting comes back in it.
    static constexpr qint64 learnAheadMs = 20 * Fsrs::minuteMs;

    void rate(const DrilledForm &form, bool right, qint64 nowMs);
    // A rating other than Good or Again (Hard for an answer right but for an accent) makes a
    // card of a form not yet reviewed as well.
    void rate(const DrilledForm &form, Fsrs::Rating rating, qint64 nowMs);

    [[nodiscard]] QMap<QString, FsrsCard> cards() const;
    void store(const QMap<QString, FsrsCard> &cards);
    [[nodiscard]] std::optional<FsrsCard> card(const DrilledForm &form) const;
    // The forms due at nowMs (learning ahead), the longest overdue first.
    [[nodiscard]] QList<DrilledForm> dueForms(qint64 nowMs) const;

signals:
    void changed();

private:
    LearnerStore &store_;
    Fsrs scheduler_;
};
