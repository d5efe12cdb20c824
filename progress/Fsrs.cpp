#include "progress/Fsrs.h"

#include "platform/Saturating.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double minStability = 0.001;
constexpr double maxStability = 36500;

// Half-way cases round up, as the reference scheduler's rounding does.
double roundHalfUp(double x)
{
    return std::floor(x + 0.5);
}

double round8(double x)
{
    return roundHalfUp(x * 1e8) / 1e8;
}

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

double grade(Fsrs::Rating rating)
{
    return double(int(rating));
}

} // namespace

Fsrs::Fsrs()
    : decay_(-defaultWeights[20])
    , factor_(round8(std::exp(std::log(0.9) / decay_) - 1))
    , intervalModifier_(round8((std::pow(requestRetention, 1 / decay_) - 1) / factor_))
{}

qint64 Fsrs::calendarDaysBetween(qint64 fromMs, qint64 toMs)
{
    return floorDiv(toMs, dayMs) - floorDiv(fromMs, dayMs);
}

double Fsrs::retrievability(double elapsedDays, double stability) const
{
    return round8(std::pow(1 + factor_ * elapsedDays / stability, decay_));
}

double Fsrs::initDifficulty(Rating rating) const
{
    return round8(w_[4] - std::exp((grade(rating) - 1) * w_[5]) + 1);
}

double Fsrs::nextDifficulty(double difficulty, Rating rating) const
{
    const double delta = -w_[6] * (grade(rating) - 3);
    const double damped = difficulty + round8(delta * (10 - difficulty) / 9);
    const double reverted = round8(w_[7] * initDifficulty(Rating::easy) + (1 - w_[7]) * damped);
    return std::clamp(reverted, 1.0, 10.0);
}

double Fsrs::recallStability(double difficulty, double stability, double recall, Rating rating) const
{
    const double hardPenalty = rating == Rating::hard ? w_[15] : 1;
    const double easyBonus = rating == Rating::easy ? w_[16] : 1;
    const double grown = stability
        * (1
            + std::exp(w_[8]) * (11 - difficulty) * std::pow(stability, -w_[9]) * (std::exp((1 - recall) * w_[10]) - 1)
                * hardPenalty * easyBonus);
    return round8(std::clamp(grown, minStability, maxStability));
}

double Fsrs::forgetStability(double difficulty, double stability, double recall) const
{
    const double after = w_[11] * std::pow(difficulty, -w_[12]) * (std::pow(stability + 1, w_[13]) - 1)
        * std::exp((1 - recall) * w_[14]);
    return round8(std::clamp(after, minStability, maxStability));
}

double Fsrs::shortTermStability(double stability, Rating rating) const
{
    const double increase = std::pow(stability, -w_[19]) * std::exp(w_[17] * (grade(rating) - 3 + w_[18]));
    const double masked = rating >= Rating::hard ? std::max(increase, 1.0) : increase;
    return round8(std::clamp(stability * masked, minStability, maxStability));
}

Fsrs::Memory Fsrs::nextMemory(Memory memory, qint64 elapsedDays, Rating rating, double recall) const
{
    if (memory.difficulty == 0 && memory.stability == 0)
        return {std::clamp(initDifficulty(rating), 1.0, 10.0), std::max(w_[int(rating) - 1], 0.1)};
    double stability = 0;
    if (elapsedDays == 0) {
        stability = shortTermStability(memory.stability, rating);
    } else if (rating == Rating::again) {
        const double floor = round8(memory.stability / std::exp(w_[17] * w_[18]));
        const double afterFail = forgetStability(memory.difficulty, memory.stability, recall);
        stability = std::min(std::max(floor, minStability), afterFail);
    } else {
        stability = recallStability(memory.difficulty, memory.stability, recall, rating);
    }
    return {nextDifficulty(memory.difficulty, rating), stability};
}

int Fsrs::interval(double stability) const
{
    const double days = std::max(1.0, roundHalfUp(stability * intervalModifier_));
    return int(std::min(days, double(maximumIntervalDays)));
}

// Learning and relearning cards climb through their steps; a card past its last
// step (or a rating with no step) graduates to an interval in days.
void Fsrs::applySteps(
    const FsrsCard &before, FsrsCard &next, Rating rating, FsrsCard::State toState, qint64 nowMs) const
{
    using State = FsrsCard::State;
    const bool relearning = before.state == State::relearning || before.state == State::review;
    const std::vector<int> &steps = relearning ? relearningStepsMinutes_ : learningStepsMinutes_;
    const int current = std::max(0, before.step);
    int minutes = 0;
    int nextStep = 0;
    if (!steps.empty() && size_t(current) < steps.size()) {
        if (rating == Rating::again) {
            minutes = before.state == State::review ? steps.at(size_t(current)) : steps.front();
        } else if (rating == Rating::good && before.state != State::review && size_t(current) + 1 < steps.size()) {
            minutes = steps.at(size_t(current) + 1);
            nextStep = current + 1;
        }
    }
    if (minutes > 0) {
        next.step = nextStep;
        next.state = toState;
        next.due = Saturating::add(nowMs, Saturating::multiply<qint64>(minutes, minuteMs));
        return;
    }
    next.state = State::review;
    next.step = 0;
    next.due = Saturating::add(nowMs, Saturating::multiply<qint64>(interval(next.stability), dayMs));
}

FsrsCard Fsrs::reviewGraduated(
    const FsrsCard &before, FsrsCard next, Rating rating, qint64 elapsedDays, qint64 nowMs) const
{
    const double recall = retrievability(double(elapsedDays), before.stability);
    const Memory memory{before.difficulty, before.stability};
    const Memory rated = nextMemory(memory, elapsedDays, rating, recall);
    next.difficulty = rated.difficulty;
    next.stability = rated.stability;
    if (rating == Rating::again) {
        applySteps(before, next, rating, FsrsCard::State::relearning, nowMs);
        next.lapses = Saturating::add(next.lapses, 1);
        return next;
    }
    // The good interval stays above the hard one, as in the reference scheduler.
    const int hardDays = interval(nextMemory(memory, elapsedDays, Rating::hard, recall).stability);
    int days = interval(rated.stability);
    if (rating == Rating::good)
        days = std::max(days, std::min(hardDays, days) + 1);
    next.state = FsrsCard::State::review;
    next.step = 0;
    next.due = Saturating::add(nowMs, Saturating::multiply<qint64>(days, dayMs));
    return next;
}

FsrsCard Fsrs::review(const FsrsCard &card, Rating rating, qint64 nowMs) const
{
    using State = FsrsCard::State;
    const qint64 elapsedDays =
        card.state != State::fresh && card.reps > 0 ? calendarDaysBetween(card.lastReview, nowMs) : 0;
    FsrsCard next = card;
    next.reps = Saturating::add(next.reps, 1);
    next.lastReview = nowMs;
    if (card.state == State::review)
        return reviewGraduated(card, next, rating, elapsedDays, nowMs);

    const double recall = card.state == State::fresh ? 1.0 : retrievability(double(elapsedDays), card.stability);
    const Memory rated = nextMemory({card.difficulty, card.stability}, elapsedDays, rating, recall);
    next.difficulty = rated.difficulty;
    next.stability = rated.stability;
    applySteps(card, next, rating, card.state == State::fresh ? State::learning : card.state, nowMs);
    return next;
}
