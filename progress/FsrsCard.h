#pragma once

#include <QVariantMap>
#include <QtGlobal>

#include <optional>

// The memory state of one reviewed form: when it is due, and the stability
// (days until recall falls to 90%) and difficulty (1..10) of the scheduler.
// Times are milliseconds since the epoch.
class FsrsCard
{
public:
    enum class State { fresh = 0, learning = 1, review = 2, relearning = 3 };

    qint64 due = 0;
    double stability = 0;
    double difficulty = 0;
    State state = State::fresh;
    int step = 0;
    int reps = 0;
    int lapses = 0;
    qint64 lastReview = 0;

    [[nodiscard]] QVariantMap toVariant() const;
    // Nothing when a field is missing, of another type or out of range.
    static std::optional<FsrsCard> fromVariant(const QVariant &value);
};
