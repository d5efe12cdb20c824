#pragma once

#include "platform/MainQueue.h"

#include <QList>

// A main queue on a virtual clock for tests: nothing runs until advance() or runPending()
// moves the clock, and due work then runs in time order (ties in scheduling order).
class ManualMainQueue final : public MainQueue
{
public:
    ManualMainQueue() = default;
    ~ManualMainQueue() override;

    QueueHandlePtr after(int delayMs, std::function<void()> work) override;
    QueueHandlePtr every(int intervalMs, std::function<void()> tick) override;
    [[nodiscard]] qint64 now() const override { return now_; }

    // Moves the clock forward by ms, running every piece of work that falls due on the way.
    void advance(qint64 ms);
    // Runs the work due now (including work posted with no delay) without moving the clock.
    void runPending() { advance(0); }
    // Number of scheduled items still valid.
    [[nodiscard]] int pendingCount() const;

private:
    struct Entry;
    std::shared_ptr<Entry> nextDue(qint64 limit) const;

    QList<std::shared_ptr<Entry>> entries_;
    qint64 now_ = 0;
    quint64 sequence_ = 0;
};
