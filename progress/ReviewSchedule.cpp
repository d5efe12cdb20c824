#include "progress/ReviewSchedule.h"

#include "platform/Logging.h"

#include <limits>

namespace {

FsrsCard fromRow(const LearnerDatabase::Card &row)
{
    FsrsCard card;
    card.due = row.due;
    card.stability = row.stability;
    card.difficulty = row.difficulty;
    card.state = FsrsCard::State(std::clamp(row.state, 0, 3));
    const auto count = [](qint64 value) { return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max())); };
    card.step = count(row.step);
    card.reps = count(row.reps);
    card.lapses = count(row.lapses);
    card.lastReview = row.lastReview;
    return card;
}

LearnerDatabase::Card toRow(const FsrsCard &card)
{
    return {
        card.due, card.stability, card.difficulty, int(card.state), card.step, card.reps, card.lapses, card.lastReview};
}

} // namespace

ReviewSchedule::ReviewSchedule(LearnerDatabase &store)
    : store_(store)
{}

LearnerDatabase::Form ReviewSchedule::storedForm(const DrilledForm &form)
{
    return {form.id(), form.verbKey, form.tense, form.person};
}

bool ReviewSchedule::rate(const DrilledForm &form, bool right, qint64 nowMs)
{
    return rate(form, right ? Fsrs::Rating::good : Fsrs::Rating::again, nowMs);
}

bool ReviewSchedule::rate(const DrilledForm &form, Fsrs::Rating rating, qint64 nowMs)
{
    const bool stored = store_.write([&] {
        const auto before = store_.card(form.id());
        // A form answered right before it was ever missed has no card.
        if (!before && rating == Fsrs::Rating::good)
            return true;
        const FsrsCard after = scheduler_.review(before ? fromRow(*before) : FsrsCard{}, rating, nowMs);
        return store_.putCard(storedForm(form), toRow(after));
    });
    emit changed();
    return stored;
}

QMap<QString, FsrsCard> ReviewSchedule::cards() const
{
    QMap<QString, FsrsCard> result;
    for (const QString &id : store_.cardForms()) {
        const auto row = store_.card(id);
        if (row && DrilledForm::fromId(id))
            result.insert(id, fromRow(*row));
    }
    return result;
}

std::optional<FsrsCard> ReviewSchedule::card(const DrilledForm &form) const
{
    const auto row = store_.card(form.id());
    if (!row)
        return std::nullopt;
    return fromRow(*row);
}

bool ReviewSchedule::merge(const DrilledForm &form, const FsrsCard &card)
{
    const auto mine = store_.card(form.id());
    return (mine && mine->lastReview >= card.lastReview) || store_.putCard(storedForm(form), toRow(card));
}

QList<DrilledForm> ReviewSchedule::dueForms(qint64 nowMs) const
{
    QList<DrilledForm> forms;
    for (const QString &id : store_.dueForms(nowMs, learnAheadMs)) {
        if (const auto form = DrilledForm::fromId(id))
            forms.append(*form);
    }
    return forms;
}

int ReviewSchedule::dueCount(qint64 nowMs) const
{
    return int(store_.dueCount(nowMs, learnAheadMs, dueCountLimit));
}
