#include "progress/ReviewSchedule.h"

#include "app/Services.h"
#include "platform/Logging.h"
#include "platform/LearnerStore.h"

#include <algorithm>

ReviewSchedule::ReviewSchedule(Services &services) : services_(services)
{
}

ReviewSchedule &ReviewSchedule::shared()
{
    return Services::current().object<ReviewSchedule>();
}

void ReviewSchedule::rate(const DrilledForm &form, bool right, qint64 nowMs)
{
    QMap<QString, FsrsCard> all = cards();
    const auto found = all.constFind(form.id());
    if (found == all.cend() && right)
        return;
    const FsrsCard before = found == all.cend() ? FsrsCard{} : *found;
    const FsrsCard after = scheduler_.review(before, right ? Fsrs::Rating::good : Fsrs::Rating::again, nowMs);
    all.insert(form.id(), after);
    store(all);
    qCDebug(lcReview) << form.id() << "due at" << after.due << "stability" << after.stability;
}

QMap<QString, FsrsCard> ReviewSchedule::cards() const
{
    QMap<QString, FsrsCard> result;
    const QVariantMap stored = services_.learnerStore().dictionary(storeKey).value_or(QVariantMap());
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
    services_.learnerStore().set(storeKey, stored);
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
        if (it.value().due <= nowMs)
            due.append({it.value().due, *DrilledForm::fromId(it.key())});
    }
    std::stable_sort(due.begin(), due.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<DrilledForm> forms;
    forms.reserve(due.size());
    for (const auto &[when, form] : due)
        forms.append(form);
    return forms;
}
