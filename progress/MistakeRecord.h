#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

// The answers given to one form: totals of right and wrong answers, and the
// latest answers themselves. Older answers only live on in the totals.
class MistakeRecord
{
public:
    struct Answer
    {
        qint64 at = 0;
        bool right = false;
        QString given;

        friend bool operator==(const Answer &, const Answer &) = default;
    };

    static constexpr qsizetype keptAnswers = 12;

    int right = 0;
    int wrong = 0;
    QList<Answer> answers;

    void add(const Answer &answer);
    // Both records' answers once each; the totals count every kept answer and the
    // folded answers of whichever record folded more.
    [[nodiscard]] MistakeRecord mergedWith(const MistakeRecord &other) const;

    [[nodiscard]] QVariantMap toVariant() const;
    // Nothing when a field is missing or of another type.
    static std::optional<MistakeRecord> fromVariant(const QVariant &value);

    friend bool operator==(const MistakeRecord &, const MistakeRecord &) = default;

private:
    void dropOldest();
};
