#include "platform/QtMainQueue.h"

#include <QDateTime>
#include <QPointer>
#include <QTimer>

namespace {

class TimerHandle final : public QueueHandle
{
public:
    explicit TimerHandle(QTimer *timer)
        : timer_(timer)
    {}
    ~TimerHandle() override = default;

    void invalidate() override
    {
        if (timer_) {
            timer_->stop();
            timer_->deleteLater();
        }
        timer_ = nullptr;
    }
    [[nodiscard]] bool isValid() const override { return timer_ && timer_->isActive(); }

private:
    QPointer<QTimer> timer_;
};

QueueHandlePtr schedule(QObject *owner, int intervalMs, bool repeating, std::function<void()> work)
{
    auto *timer = new QTimer(owner);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(!repeating);
    timer->setInterval(std::max(0, intervalMs));
    QObject::connect(timer, &QTimer::timeout, timer, [timer, repeating, work = std::move(work)] {
        if (!repeating)
            timer->deleteLater();
        work();
    });
    timer->start();
    return std::make_shared<TimerHandle>(timer);
}

}

QtMainQueue::QtMainQueue()
    : startedAt_(QDateTime::currentMSecsSinceEpoch())
{
    clock_.start();
}

QueueHandlePtr QtMainQueue::after(int delayMs, std::function<void()> work)
{
    return schedule(&timers_, delayMs, false, std::move(work));
}

QueueHandlePtr QtMainQueue::every(int intervalMs, std::function<void()> tick)
{
    return schedule(&timers_, intervalMs, true, std::move(tick));
}

qint64 QtMainQueue::now() const
{
    return startedAt_ + clock_.elapsed();
}
