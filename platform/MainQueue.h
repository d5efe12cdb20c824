#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

// A scheduled piece of work on the main queue. invalidate() stops it from running again;
// a handle that goes out of scope does not cancel the work.
class QueueHandle
{
public:
    virtual ~QueueHandle() = default;
    virtual void invalidate() = 0;
    [[nodiscard]] virtual bool isValid() const = 0;
};

using QueueHandlePtr = std::shared_ptr<QueueHandle>;

// Delayed and repeating work on the main thread. The app runs it on QTimer; tests use
// ManualMainQueue, whose virtual clock only moves when the test advances it.
class MainQueue
{
public:
    virtual ~MainQueue() = default;

    // Runs work once, delayMs milliseconds from now (0: as soon as the queue runs).
    virtual QueueHandlePtr after(int delayMs, std::function<void()> work) = 0;
    // Runs tick every intervalMs milliseconds until the handle is invalidated.
    virtual QueueHandlePtr every(int intervalMs, std::function<void()> tick) = 0;
    // Milliseconds on this queue's clock.
    [[nodiscard]] virtual qint64 now() const = 0;

    QueueHandlePtr post(std::function<void()> work) { return after(0, std::move(work)); }
};
