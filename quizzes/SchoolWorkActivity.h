#pragma once

#include "quizzes/SchoolWorkScoreItem.h"

#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <optional>

class MainQueue;

// One piece of work done in a context: it runs between start() and stop() (possibly several
// times), collects progress ranges and carries one primary score item.
class SchoolWorkActivity
{
public:
    explicit SchoolWorkActivity(const MainQueue &clock);

    void start();
    void stop();
    [[nodiscard]] bool isStarted() const { return started_; }
    // Seconds spent started, including the running stretch.
    [[nodiscard]] double duration() const;

    // Marks the part from start to end (fractions of the whole) as done.
    void addProgressRange(double start, double end);
    // The fraction of the whole covered by the progress ranges, 0.0 to 1.0.
    [[nodiscard]] double progress() const;
    [[nodiscard]] const QList<QPair<double, double>> &progressRanges() const { return ranges_; }

    void setPrimaryActivityItem(SchoolWorkScoreItem item) { primaryItem_ = std::move(item); }
    [[nodiscard]] const std::optional<SchoolWorkScoreItem> &primaryActivityItem() const { return primaryItem_; }

    [[nodiscard]] QString description() const;

    [[nodiscard]] QJsonObject toJson() const;
    // An activity of an earlier run; it no longer runs, but keeps its time, progress and score.
    static std::unique_ptr<SchoolWorkActivity> fromJson(const QJsonObject &json, const MainQueue &clock);

private:
    const MainQueue &clock_;
    bool started_ = false;
    qint64 startedAt_ = 0;
    qint64 elapsedMs_ = 0;
    QList<QPair<double, double>> ranges_;
    std::optional<SchoolWorkScoreItem> primaryItem_;
};
