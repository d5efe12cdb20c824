#pragma once

#include "progress/FsrsCard.h"

#include <array>
#include <vector>

// The Free Spaced Repetition Scheduler (FSRS-6) with its published default
// parameters: a requested retention of 90%, learning steps of 1 and 10 minutes,
// a relearning step of 10 minutes and no fuzz. Figures are rounded to eight
// decimals where the reference scheduler rounds them, so the same history gives
// the same cards.
class Fsrs
{
public:
    enum class Rating { again = 1, hard = 2, good = 3, easy = 4 };

    static constexpr std::array<double, 21> defaultWeights{0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,
        1.8722, 0.1666, 0.796, 1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    static constexpr double requestRetention = 0.9;
    static constexpr int maximumIntervalDays = 36500;
    static constexpr qint64 minuteMs = 60 * 1000;
    static constexpr qint64 dayMs = 24 * 60 * minuteMs;

    Fsrs();

    // The card after a review with the given rating at nowMs.
    [[nodiscard]] FsrsCard review(const FsrsCard &card, Rating rating, qint64 nowMs) const;
    // Probability of recall after elapsedDays for a card of the given stability.
    [[nodiscard]] double retrievability(double elapsedDays, double stability) const;
    // Whole days between two times, counted on UTC calendar days.
    static qint64 calendarDaysBetween(qint64 fromMs, qint64 toMs);

private:
    struct Memory
    {
        double difficulty;
        double stability;
    };

    [[nodiscard]] Memory nextMemory(Memory memory, qint64 elapsedDays, Rating rating, double recall) const;
    [[nodiscard]] double initDifficulty(Rating rating) const;
    [[nodiscard]] double nextDifficulty(double difficulty, Rating rating) const;
    [[nodiscard]] double recallStability(double difficulty, double stability, double recall, Rating rating) const;
    [[nodiscard]] double forgetStability(double difficulty, double stability, double recall) const;
    [[nodiscard]] double shortTermStability(double stability, Rating rating) const;
    [[nodiscard]] int interval(double stability) const;
    void applySteps(const FsrsCard &before, FsrsCard &next, Rating rating, FsrsCard::State toState, qint64 nowMs) const;
    FsrsCard reviewGraduated(
        const FsrsCard &before, FsrsCard next, Rating rating, qint64 elapsedDays, qint64 nowMs) const;

    std::array<double, 21> w_ = defaultWeights;
    std::vector<int> learningStepsMinutes_{1, 10};
    std::vector<int> relearningStepsMinutes_{10};
    double decay_;
    double factor_;
    double intervalModifier_;
};
