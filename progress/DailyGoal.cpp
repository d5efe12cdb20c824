#include "progress/DailyGoal.h"

#include "platform/LearnerDatabase.h"
#include "platform/Logging.h"
#include "platform/MainQueue.h"
#include "progress/MistakeLog.h"
#include "settings/SettingsManager.h"

#include <QDateTime>

namespace {

// Eight weeks hold all but a long streak; a longer one is read in twice as many, up to this.
constexpr int firstWeeksRead = 8;
constexpr int mostWeeksRead = 8192;

QDate mondayOf(const QDate &day)
{
    return day.addDays(1 - day.dayOfWeek());
}

}

DailyGoal::DailyGoal(LearnerDatabase &store, MistakeLog &log, const MainQueue &clock)
    : store_(store)
    , clock_(clock)
{
    connect(&log, &MistakeLog::changed, this, &DailyGoal::refresh);
    refresh();
}

void DailyGoal::setTarget(int target)
{
    if (target < minTarget || target > maxTarget || target == target_)
        return;
    store_.setSetting(SettingsManager::dailyGoalSetting, QString::number(target));
    refresh();
}

DailyGoal::Mark DailyGoal::markOf(qint64 answers, int target)
{
    if (answers >= target)
        return Mark::met;
    return answers > 0 ? Mark::partly : Mark::none;
}

int DailyGoal::weekStreak(const QMap<QDate, qint64> &perDay, const QDate &today, int target)
{
    const auto metDays = [&perDay, &today, target](const QDate &monday) {
        const QDate sunday = std::min(monday.addDays(6), today);
        int met = 0;
        for (auto it = perDay.lowerBound(monday); it != perDay.end() && it.key() <= sunday; ++it)
            met += markOf(it.value(), target) == Mark::met ? 1 : 0;
        return met;
    };
    QDate monday = mondayOf(today);
    int streak = metDays(monday) >= metDaysForWeek ? 1 : 0;
    // No week before the first day with answers has them, so the walk ends.
    while (metDays(monday = monday.addDays(-7)) >= metDaysForWeek)
        ++streak;
    return streak;
}

std::optional<int> DailyGoal::targetFrom(const QString &text)
{
    bool ok = false;
    const int target = text.toInt(&ok);
    if (!ok || target < minTarget || target > maxTarget)
        return std::nullopt;
    return target;
}

void DailyGoal::refresh()
{
    const int target =
        targetFrom(store_.setting(SettingsManager::dailyGoalSetting).value_or(QString())).value_or(defaultTarget);
    const QDate today = QDateTime::fromMSecsSinceEpoch(clock_.now()).date();
    QMap<QDate, qint64> perDay;
    int streak = 0;
    for (int weeks = firstWeeksRead;; weeks *= 2) {
        perDay = store_.answersPerDay(mondayOf(today).addDays(-7 * (weeks - 1)), today);
        streak = weekStreak(perDay, today, target);
        // Only a streak that reaches the first week read may go on before it.
        if (streak < weeks - 1 || weeks >= mostWeeksRead)
            break;
    }
    QList<Day> lastWeek;
    for (int back = 6; back >= 0; --back) {
        const QDate day = today.addDays(-back);
        lastWeek.append({day, perDay.value(day), markOf(perDay.value(day), target)});
    }
    if (target == target_ && streak == weekStreak_ && lastWeek == lastWeek_)
        return;
    target_ = target;
    weekStreak_ = streak;
    lastWeek_ = lastWeek;
    qCDebug(lcProgress) << "daily goal:" << answersToday() << "of" << target_ << "answers today, a streak of"
                        << weekStreak_ << "weeks";
    emit changed();
}
