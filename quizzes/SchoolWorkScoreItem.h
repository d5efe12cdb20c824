#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// A score recorded on an activity: score out of maxScore.
struct SchoolWorkScoreItem
{
    QString identifier;
    QString title;
    double score = 0.0;
    double maxScore = 1.0;

    [[nodiscard]] QJsonObject toJson() const
    {
        return {{QStringLiteral("identifier"), identifier}, {QStringLiteral("title"), title},
            {QStringLiteral("score"), score}, {QStringLiteral("maxScore"), maxScore}};
    }

    static std::optional<SchoolWorkScoreItem> fromJson(const QJsonObject &json)
    {
        if (!json.value(QStringLiteral("identifier")).isString())
            return std::nullopt;
        return SchoolWorkScoreItem{json.value(QStringLiteral("identifier")).toString(),
            json.value(QStringLiteral("title")).toString(), json.value(QStringLiteral("score")).toDouble(),
            json.value(QStringLiteral("maxScore")).toDouble(1.0)};
    }
};
