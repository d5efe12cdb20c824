#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <optional>

class LearnerDatabase;
class MainQueue;
class MistakeLog;

// The learner's daily target of answers and how well it was kept: today's answers, the last
// seven days and the streak of weeks. A week (Monday to Sunday) counts towards the streak when
// the target was met on at least metDaysForWeek of its days, so one missed day breaks nothing;
// the current week joins the streak once it has those days, and until then does not break it.
// Read from the answers per day in the store, again after each answer and on refresh() (the
// menu calls it as it shows, which also sees a new day in).
class DailyGoal : public QObject
{
    Q_OBJECT

public:
    enum class Mark {
        none,
        partly,
        met,
    };
    struct Day
    {
        QDate date;
        qint64 answers = 0;
        Mark mark = Mark::none;

        friend bool operator==(const Day &, const Day &) = default;
    };

    static constexpr int defaultTarget = 20;
    static constexpr int minTarget = 1;
    static constexpr int maxTarget = 500;
    static constexpr int metDaysForWeek = 5;

    DailyGoal(LearnerDatabase &store, MistakeLog &log, const MainQueue &clock);

    [[nodiscard]] int target() const { return target_; }
    // Stores a target within minTarget..maxTarget; another number is ignored.
    void setTarget(int target);
    [[nodiscard]] qint64 answersToday() const { return lastWeek_.isEmpty() ? 0 : lastWeek_.last().answers; }
    // The last seven days, today last.
    [[nodiscard]] const QList<Day> &lastWeek() const { return lastWeek_; }
    [[nodiscard]] int weekStreak() const { return weekStreak_; }
    // Reads the store again; changed() follows when anything shown changed.
    void refresh();

    [[nodiscard]] static Mark markOf(qint64 answers, int target);
    // The weeks in the streak that ends this week or the last, from the answers per day.
    [[nodiscard]] static int weekStreak(const QMap<QDate, qint64> &perDay, const QDate &today, int target);
    // A stored target: a whole number within minTarget..maxTarget, or nothing.
    [[nodiscard]] static std::optional<int> targetFrom(const QString &text);

signals:
    void changed();

private:
    LearnerDatabase &store_;
    const MainQueue &clock_;
    int target_ = defaultTarget;
    QList<Day> lastWeek_;
    int weekStreak_ = 0;
};
