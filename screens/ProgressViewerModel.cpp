#include "screens/ProgressViewerModel.h"

#include "progress/ProgressManager.h"
#include "screens/Theme.h"

#include <QVariantMap>

#include <algorithm>

ProgressViewerModel::ProgressViewerModel(ProgressManager &progress, QObject *parent)
    : QObject(parent)
    , progress_(progress)
{
    connect(&progress_, &ProgressManager::progressDictionaryEntriesChanged, this, &ProgressViewerModel::rowsChanged);
}

QVariantList ProgressViewerModel::rows() const
{
    QVariantList result;
    for (ProgressDictionaryEntry *entry : progress_.progressDictionaryEntries()) {
        Verb *verb = entry->verb();
        result.append(QVariantMap{{QStringLiteral("verb"), QVariant::fromValue(verb)},
            {QStringLiteral("displayInfinitive"), verb->displayInfinitive()},
            {QStringLiteral("english"), verb->englishDisplay()}, {QStringLiteral("score"), entry->score()},
            {QStringLiteral("scoreText"), QString::number(entry->score())},
            {QStringLiteral("dotColour"), scoreColour(entry->score())}, {QStringLiteral("shown"), !verb->isBlank()}});
    }
    return result;
}

bool ProgressViewerModel::empty() const
{
    return progress_.progressDictionaryEntries().isEmpty();
}

QString ProgressViewerModel::emptyCaption()
{
    return QStringLiteral("As you work through activities, your performance stats will appear here.");
}

QString ProgressViewerModel::caption()
{
    return QStringLiteral("Verbs are assigned a score weighting as you play the games - see your ranked verbs below.");
}

QColor ProgressViewerModel::scoreColour(qint64 score, int min, int max)
{
    if (score == 0 || max <= min)
        return Theme::yellow();
    const double t = std::clamp((double(score) - min) / (double(max) - min), 0.0, 1.0);
    if (score < 0)
        return QColor::fromRgbF(1.0f, float(t), float(t));
    return QColor::fromRgbF(float(1.0 - t), 1.0f, float(1.0 - t));
}

void ProgressViewerModel::printScores()
{
    const QMap<QString, qint64> scores = progress_.progressScores();
    QStringList items;
    for (auto it = scores.cbegin(); it != scores.cend(); ++it)
        items.append(u'"' + it.key() + QStringLiteral("\": ") + QString::number(it.value()));
}
