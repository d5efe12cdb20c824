#include "progress/MistakeRecord.h"

#include "platform/Saturating.h"
#include "progress/StoreSections.h"

#include <QVariantList>

#include <algorithm>
#include <cmath>

namespace {

constexpr qsizetype maxGivenLength = 200;
constexpr qint64 maxTotal = 1'000'000'000;

// A whole number from 0 to limit; nothing for other kinds, fractions and numbers out of range.
std::optional<qint64> count(const QVariant &value, qint64 limit)
{
    double number = 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        number = double(value.toLongLong());
        break;
    case QMetaType::Double:
        number = value.toDouble();
        break;
    default:
        return std::nullopt;
    }
    if (!std::isfinite(number) || std::trunc(number) != number || number < 0 || number > double(limit))
        return std::nullopt;
    return qint64(number);
}

std::optional<MistakeRecord::Answer> answerFrom(const QVariant &value)
{
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariantMap map = value.toMap();
    const auto at = count(map.value("at"), StoreSections::maxTimeMs);
    const QVariant game = map.value("game", QString());
    if (!at || map.value("right").typeId() != QMetaType::Bool || map.value("given").typeId() != QMetaType::QString
        || game.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString given = map.value("given").toString();
    if (given.size() > maxGivenLength || game.toString().size() > maxGivenLength)
        return std::nullopt;
    return MistakeRecord::Answer{*at, map.value("right").toBool(), given, game.toString()};
}

} // namespace

void MistakeRecord::add(const Answer &answer)
{
    qint64 &total = answer.right ? right : wrong;
    total = Saturating::add<qint64>(total, 1);
    answers.append(answer);
    if (answers.size() > keptAnswers)
        answers.remove(0, answers.size() - keptAnswers);
}

QVariantMap MistakeRecord::toVariant() const
{
    QVariantList list;
    list.reserve(answers.size());
    for (const Answer &answer : answers) {
        QVariantMap item{{"at", answer.at}, {"right", answer.right}, {"given", answer.given}};
        if (!answer.game.isEmpty())
            item.insert("game", answer.game);
        list.append(item);
    }
    return {{"right", right}, {"wrong", wrong}, {"answers", list}};
}

std::optional<MistakeRecord> MistakeRecord::fromVariant(const QVariant &value, qsizetype maxAnswers)
{
    if (value.typeId() != QMetaType::QVariantMap)
        return std::nullopt;
    const QVariantMap map = value.toMap();
    const auto right = count(map.value("right"), maxTotal);
    const auto wrong = count(map.value("wrong"), maxTotal);
    if (!right || !wrong || map.value("answers").typeId() != QMetaType::QVariantList)
        return std::nullopt;
    const QVariantList list = map.value("answers").toList();
    if (list.size() > maxAnswers)
        return std::nullopt;
    MistakeRecord record;
    record.right = *right;
    record.wrong = *wrong;
    record.answers.reserve(list.size());
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
