#include "progress/FsrsCard.h"

#include "progress/StoreSections.h"

#include <cmath>

namespace {

constexpr double maxCount = 1'000'000'000;

// A number within [low, high], whole when asked; nothing otherwise.
std::optional<double> number(const QVariant &value, double low, double high, bool whole)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Double:
        break;
    default:
        return std::nullopt;
    }
    const double x = value.toDouble();
    if (!std::isfinite(x) || x < low || x > high || (whole && std::trunc(x) != x))
        return std::nullopt;
    return x;
}

} // namespace

QVariantMap FsrsCard::toVariant() const
{
    return {{"due", due}, {"stability", stability}, {"difficulty", difficulty}, {"state", int(state)}, {"step", step},
        {"reps", reps}, {"lapses", lapses}, {"lastReview", lastReview}};
}

std::optional<FsrsCard> FsrsCard::fromVariant(const QVariant &value)
{
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariantMap map = value.toMap();
    const double maxTime = double(StoreSections::maxTimeMs);
    const auto due = number(map.value("due"), 0, maxTime, true);
    const auto stability = number(map.value("stability"), 0, 1e6, false);
    const auto difficulty = number(map.value("difficulty"), 0, 10, false);
    const auto state = number(map.value("state"), 0, 3, true);
    const auto step = number(map.value("step"), 0, maxCount, true);
    const auto reps = number(map.value("reps"), 0, maxCount, true);
    const auto lapses = number(map.value("lapses"), 0, maxCount, true);
    const auto lastReview = number(map.value("lastReview"), 0, maxTime, true);
    if (!due || !stability || !difficulty || !state || !step || !reps || !lapses || !lastReview)
        return std::nullopt;
    FsrsCard card;
    card.due = qint64(*due);
    card.stability = *stability;
    card.difficulty = *difficulty;
    card.state = State(int(*state));
    card.step = int(*step);
    card.reps = int(*reps);
    card.lapses = int(*lapses);
    card.lastReview = qint64(*lastReview);
    return card;
}
