#pragma once

#include "platform/MainQueue.h"

#include <QElapsedTimer>
#include <QObject>

// The app's main queue: QTimer on the thread that created it.
class QtMainQueue final : public MainQueue
{
public:
    QtMainQueue();

    QueueHandlePtr after(int delayMs, std::function<void()> work) override;
    QueueHandlePtr every(int intervalMs, std::function<void()> tick) override;
    [[nodiscard]] qint64 now() const override;

private:
    // Wall-clock time at start plus a steady clock, so times stored in one run mean the same in
    // the next and never run backwards within a run.
    qint64 startedAt_;
    QElapsedTimer clock_;
    // Parent of every pending timer, so that work still queued when the queue goes is dropped
    // with it instead of outliving it.
    QObject timers_;
};
