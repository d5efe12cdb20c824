#pragma once

#include "platform/MainQueue.h"

#include <QElapsedTimer>

// The app's main queue: QTimer on the thread that created it.
class QtMainQueue final : public MainQueue
{
public:
    QtMainQueue();

    QueueHandlePtr after(int delayMs, std::function<void()> work) override;
    QueueHandlePtr every(int intervalMs, std::function<void()> tick) override;
    [[nodiscard]] qint64 now() const override;

private:
    QElapsedTimer clock_;
};
