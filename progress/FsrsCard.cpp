#include "progress/FsrsCard.h"

#include <cmath>

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
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
    for (const char *field : {"due", "stability", "difficulty", "state", "step", "reps", "lapses", "lastReview"}) {
        if (!isNumber(map.value(QLatin1String(field))))
            return std::nullopt;
    }
    FsrsCard card;
    card.due = map.value("due").toLongLong();
    card.stability = map.value("stability").toDouble();
    card.difficulty = map.value("difficulty").toDouble();
    const int state = map.value("state").toInt();
    card.step = map.value("step").toInt();
    card.reps = map.value("reps").toInt();
    card.lapses = map.value("lapses").toInt();
    card.lastReview = map.value("lastReview").toLongLong();
    if (state < 0 || state > 3 || card.step < 0 || card.reps < 0 || card.lapses < 0 || !std::isfinite(card.stability)
        || !std::isfinite(card.difficulty) || card.stability < 0 || card.difficulty < 0 || card.difficulty > 10)
        return std::nullopt;
    card.state = State(state);
    return card;
}
