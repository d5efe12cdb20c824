#include "progress/MistakeRecord.h"

#include <QVariantList>

#include <algorithm>

namespace {

bool isInteger(const QVariant &value)
{
    if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        return number == double(qint64(number));
    }
    return value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
        || value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULongLong;
}

std::optional<MistakeRecord::Answer> answerFrom(const QVariant &value)
{
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariantMap map = value.toMap();
    if (!isInteger(map.value("at")) || map.value("right").typeId() != QMetaType::Bool
        || map.value("given").typeId() != QMetaType::QString)
        return std::nullopt;
    return MistakeRecord::Answer{
        map.value("at").toLongLong(), map.value("right").toBool(), map.value("given").toString()};
}

} // namespace

void MistakeRecord::add(const Answer &answer)
{
    (answer.right ? right : wrong) += 1;
    answers.append(answer);
    dropOldest();
}

void MistakeRecord::dropOldest()
{
    if (answers.size() > keptAnswers)
        answers.remove(0, answers.size() - keptAnswers);
}

MistakeRecord MistakeRecord::mergedWith(const MistakeRecord &other) const
{
    auto folded = [](const MistakeRecord &record, bool rightOnes) {
        const auto kept = std::count_if(record.answers.begin(), record.answers.end(),
            [rightOnes](const Answer &a) { return a.right == rightOnes; });
        return (rightOnes ? record.right : record.wrong) - int(kept);
    };
    MistakeRecord merged;
    merged.answers = answers;
    for (const Answer &answer : other.answers) {
        if (!merged.answers.contains(answer))
            merged.answers.append(answer);
    }
    std::stable_sort(
        merged.answers.begin(), merged.answers.end(), [](const Answer &a, const Answer &b) { return a.at < b.at; });
    for (const Answer &answer : std::as_const(merged.answers))
        (answer.right ? merged.right : merged.wrong) += 1;
    merged.right += std::max(folded(*this, true), folded(other, true));
    merged.wrong += std::max(folded(*this, false), folded(other, false));
    merged.dropOldest();
    return merged;
}

QVariantMap MistakeRecord::toVariant() const
{
    QVariantList list;
    list.reserve(answers.size());
    for (const Answer &answer : answers)
        list.append(QVariantMap{{"at", answer.at}, {"right", answer.right}, {"given", answer.given}});
    return {{"right", right}, {"wrong", wrong}, {"answers", list}};
}

std::optional<MistakeRecord> MistakeRecord::fromVariant(const QVariant &value)
{
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariantMap map = value.toMap();
    if (!isInteger(map.value("right")) || !isInteger(map.value("wrong"))
        || map.value("answers").typeId() != QMetaType::QVariantList)
        return std::nullopt;
    MistakeRecord record;
    record.right = map.value("right").toInt();
    record.wrong = map.value("wrong").toInt();
    const QVariantList list = map.value("answers").toList();
    for (const QVariant &item : list) {
        const auto answer = answerFrom(item);
        if (!answer)
            return std::nullopt;
        record.answers.append(*answer);
    }
    const auto keptRight =
        std::count_if(record.answers.begin(), record.answers.end(), [](const Answer &a) { return a.right; });
    if (record.right < keptRight || record.wrong < record.answers.size() - keptRight)
        return std::nullopt;
    return record;
}
