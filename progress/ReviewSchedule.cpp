#include "progress/ReviewSchedule.h"

#include "platform/LearnerStore.h"
#include "platform/Logging.h"

#include <algorithm>

ReviewSchedule::ReviewSchedule(LearnerStore &store)
    : store_(store)
{}

void ReviewSchedule::rate(const DrilledForm &form, bool right, qint64 nowMs)
{
    // A form answered right before it was ever missed has no card.
    if (right && !FsrsCard::fromVariant(store_.dictionary(storeKey).value_or(QVariantMap()).value(form.id())))
        return;
    rate(form, right ? Fsrs::Rating::good : Fsrs::Rating::again, nowMs);
}

void ReviewSchedule::rate(const DrilledForm &form, Fsrs::Rating rating, qint64 nowMs)
{
    // The card as stored is the one reviewed, so the reviews another process makes meanwhile stay.
    LearnerStore &store = store_;
    const Fsrs scheduler = scheduler_;
    store.updateEntry(storeKey, form.id(), [scheduler, rating, nowMs](const QVariant &stored) {
        const std::optional<FsrsCard> before = FsrsCard::fromVariant(stored);
        if (!before && rating == Fsrs::Rating::good)
            return stored;
        return QVariant(scheduler.review(before.value_or(FsrsCard{}), rating, nowMs).toVariant());
    });
    emit changed();
    qCDebug(lcReview) << form.id() << "rated" << int(rating) << "at" << nowMs;
}

QMap<QString, FsrsCard> ReviewSchedule::cards() const
{
    QMap<QString, FsrsCard> result;
    const QVariantMap stored = store_.dictionary(storeKey).value_or(QVariantMap());
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        if (!DrilledForm::fromId(it.key()))
            continue;
        if (const auto card = FsrsCard::fromVariant(it.value()))
            result.insert(it.key(), *card);
    }
    return result;
}

void ReviewSchedule::store(const QMap<QString, FsrsCard> &cards)
{
    QVariantMap stored;
    for (auto it = cards.begin(); it != cards.end(); ++it)
        stored.insert(it.key(), it.value().toVariant());
    store_.set(storeKey, stored);
    emit changed();
}

std::optional<FsrsCard> ReviewSchedule::card(const DrilledForm &form) const
{
    const QMap<QString, FsrsCard> all = cards();
    const auto found = all.constFind(form.id());
    if (found == all.cend())
        return std::nullopt;
    return *found;
}

QList<DrilledForm> ReviewSchedule::dueForms(qint64 nowMs) const
{
    const QMap<QString, FsrsCard> all = cards();
    QList<std::pair<qint64, DrilledForm>> due;
    for (auto it = all.begin(); it != all.end(); ++it) {
        const bool stepping =
            it.value().state == FsrsCard::State::learning || it.value().state == FsrsCard::State::relearning;
        if (it.value().due <= nowMs + (stepping ? learnAheadMs : 0))
            due.append({it.value().due, *DrilledForm::fromId(it.key())});
    }
    std::stable_sort(due.begin(), due.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<DrilledForm> forms;
    forms.reserve(due.size());
    for (const auto &[when, form] : due)
        forms.append(form);
    return forms;
}
