#include "quizzes/SchoolWorkActivity.h"

#include "platform/MainQueue.h"

#include <QJsonArray>

#include <algorithm>

SchoolWorkActivity::SchoolWorkActivity(const MainQueue &clock)
    : clock_(clock)
{}

void SchoolWorkActivity::start()
{
    if (started_)
        return;
    started_ = true;
    startedAt_ = clock_.now();
}

void SchoolWorkActivity::stop()
{
    if (!started_)
        return;
    elapsedMs_ += clock_.now() - startedAt_;
    started_ = false;
}

double SchoolWorkActivity::duration() const
{
    const qint64 running = started_ ? clock_.now() - startedAt_ : 0;
    return double(elapsedMs_ + running) / 1000.0;
}

void SchoolWorkActivity::addProgressRange(double start, double end)
{
    start = std::clamp(start, 0.0, 1.0);
    end = std::clamp(end, 0.0, 1.0);
    if (end > start)
        ranges_.append({start, end});
}

double SchoolWorkActivity::progress() const
{
    // Overlapping ranges count once.
    QList<QPair<double, double>> sorted = ranges_;
    std::sort(sorted.begin(), sorted.end());
    double covered = 0.0;
    double reached = 0.0;
    for (const auto &[start, end] : std::as_const(sorted)) {
        const double from = std::max(start, reached);
        if (end > from) {
            covered += end - from;
            reached = end;
        }
    }
    return std::min(covered, 1.0);
}

QString SchoolWorkActivity::description() const
{
    QString text = QStringLiteral("SchoolWorkActivity(started: %1, duration: %2, progress: %3")
                       .arg(started_ ? QStringLiteral("true") : QStringLiteral("false"))
                       .arg(duration())
                       .arg(progress());
    if (primaryItem_)
        text += QStringLiteral(", %1: %2 of %3")
                    .arg(primaryItem_->identifier)
                    .arg(primaryItem_->score)
                    .arg(primaryItem_->maxScore);
    return text + u')';
}

QJsonObject SchoolWorkActivity::toJson() const
{
    QJsonArray ranges;
    for (const auto &[start, end] : ranges_)
        ranges.append(QJsonArray{start, end});
    QJsonObject json{{QStringLiteral("started"), started_}, {QStringLiteral("duration"), duration()},
        {QStringLiteral("progress"), progress()}, {QStringLiteral("progressRanges"), ranges}};
    if (primaryItem_)
        json.insert(QStringLiteral("primaryActivityItem"), primaryItem_->toJson());
    return json;
}

std::unique_ptr<SchoolWorkActivity> SchoolWorkActivity::fromJson(const QJsonObject &json, const MainQueue &clock)
{
    auto activity = std::make_unique<SchoolWorkActivity>(clock);
    activity->elapsedMs_ = qint64(json.value(QStringLiteral("duration")).toDouble() * 1000.0);
    const QJsonArray ranges = json.value(QStringLiteral("progressRanges")).toArray();
    for (const QJsonValue &range : ranges) {
        const QJsonArray pair = range.toArray();
        if (pair.size() == 2)
            activity->addProgressRange(pair.at(0).toDouble(), pair.at(1).toDouble());
    }
    activity->primaryItem_ =
        SchoolWorkScoreItem::fromJson(json.value(QStringLiteral("primaryActivityItem")).toObject());
    return activity;
}
