#include "platform/ManualMainQueue.h"

struct ManualMainQueue::Entry final : QueueHandle
{
    qint64 due = 0;
    qint64 interval = 0;
    quint64 sequence = 0;
    bool repeating = false;
    bool valid = true;
    std::function<void()> work;

    void invalidate() override { valid = false; }
    [[nodiscard]] bool isValid() const override { return valid; }
};

ManualMainQueue::~ManualMainQueue()
{
    for (const auto &entry : std::as_const(entries_))
        entry->valid = false;
}

QueueHandlePtr ManualMainQueue::after(int delayMs, std::function<void()> work)
{
    auto entry = std::make_shared<Entry>();
    entry->due = now_ + std::max(0, delayMs);
    entry->sequence = sequence_++;
    entry->work = std::move(work);
    entries_.append(entry);
    return entry;
}

QueueHandlePtr ManualMainQueue::every(int intervalMs, std::function<void()> tick)
{
    auto entry = std::make_shared<Entry>();
    entry->interval = std::max(1, intervalMs);
    entry->due = now_ + entry->interval;
    entry->sequence = sequence_++;
    entry->repeating = true;
    entry->work = std::move(tick);
    entries_.append(entry);
    return entry;
}

std::shared_ptr<ManualMainQueue::Entry> ManualMainQueue::nextDue(qint64 limit) const
{
    std::shared_ptr<Entry> best;
    for (const auto &entry : entries_) {
        if (!entry->valid || entry->due > limit)
            continue;
        if (!best || entry->due < best->due || (entry->due == best->due && entry->sequence < best->sequence))
            best = entry;
    }
    return best;
}

void ManualMainQueue::advance(qint64 ms)
{
    const qint64 target = now_ + std::max<qint64>(0, ms);
    while (auto entry = nextDue(target)) {
        now_ = std::max(now_, entry->due);
        if (entry->repeating) {
            entry->due += entry->interval;
            entry->sequence = sequence_++;
        } else {
            entry->valid = false;
        }
        auto work = entry->work; // the work may invalidate or replace its own entry
        work();
        entries_.removeIf([](const auto &e) { return !e->valid; });
    }
    now_ = target;
}

int ManualMainQueue::pendingCount() const
{
    return int(std::count_if(entries_.begin(), entries_.end(), [](const auto &e) { return e->valid; }));
}
