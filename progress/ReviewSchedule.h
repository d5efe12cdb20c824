#pragma once

#include "platform/LearnerDatabase.h"
#include "progress/DrilledForm.h"
#include "progress/Fsrs.h"
#include "progress/FsrsCard.h"

#include <QList>
#include <QMap>
#include <QObject>

// The forms the learner has missed, each a card of the scheduler, one row each in the learner's
// store. A wrong answer makes a form a card and rates it Again; a right answer rates an existing
// card Good.
class ReviewSchedule : public QObject
{
    Q_OBJECT

public:
    explicit ReviewSchedule(LearnerDatabase &store);

    // A form in its learning or relearning steps counts as due this long before its time, so a
    // form missed in a sitting comes back in it.
    static constexpr qint64 learnAheadMs = 20 * Fsrs::minuteMs;

    // Rates the card as stored now, in one transaction, so the reviews another process makes
    // meanwhile stay. False when the change could not be stored.
    bool rate(const DrilledForm &form, bool right, qint64 nowMs);
    // Good leaves a form not yet reviewed without a card; Hard (an answer right but for an
    // accent) and Again make one.
    bool rate(const DrilledForm &form, Fsrs::Rating rating, qint64 nowMs);

    // Every card by form id (for exports).
    [[nodiscard]] QMap<QString, FsrsCard> cards() const;
    [[nodiscard]] std::optional<FsrsCard> card(const DrilledForm &form) const;
    // Keeps the card unless the stored one was reviewed later (an import, inside its
    // transaction). False when the store refused a write. Tells no one: the import calls
    // mergeDone() once it is committed.
    bool merge(const DrilledForm &form, const FsrsCard &card);
    void mergeDone() { emit changed(); }
    // The forms due at nowMs (learning ahead), the longest overdue first.
    [[nodiscard]] QList<DrilledForm> dueForms(qint64 nowMs) const;
    // The number of forms due at nowMs, counted up to dueCountLimit: the menu tells a larger
    // backlog as "1,000 or more", and counting it costs the same as counting 1,000.
    [[nodiscard]] int dueCount(qint64 nowMs) const;
    static constexpr int dueCountLimit = 1000;

    // A form as the store keys it.
    static LearnerDatabase::Form storedForm(const DrilledForm &form);

signals:
    void changed();

private:
    LearnerDatabase &store_;
    Fsrs scheduler_;
};
