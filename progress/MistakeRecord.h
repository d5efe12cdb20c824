#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

// The answers given to one form: totals of right and wrong answers, and answers themselves
// (the latest ones, or all of them in a saved store). Totals stop at their limit instead of
// wrapping round.
class MistakeRecord
{
public:
    struct Answer
    {
        qint64 at = 0;
        bool right = false;
        QString given;
        // The game it was given in; empty where that was not kept.
        QString game;

        friend bool operator==(const Answer &, const Answer &) = default;
    };

    // How many answers a record read back from the store holds.
    static constexpr qsizetype keptAnswers = 12;

    qint64 right = 0;
    qint64 wrong = 0;
    QList<Answer> answers;

    void add(const Answer &answer);

    [[nodiscard]] QVariantMap toVariant() const;
    // Nothing when a field is missing, of another type or out of range, or when it holds more
    // than maxAnswers answers.
    static std::optional<MistakeRecord> fromVariant(const QVariant &value, qsizetype maxAnswers = keptAnswers);

    friend bool operator==(const MistakeRecord &, const MistakeRecord &) = default;
};
