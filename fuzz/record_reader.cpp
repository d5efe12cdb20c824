// Any bytes as a saved mistake record or review card: the readers take only what is in range,
// and a record or card they take goes on counting and scheduling without overflow.
#include "progress/Fsrs.h"
#include "progress/FsrsCard.h"
#include "progress/MistakeRecord.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QVariant value = document.object().toVariantMap();
    if (auto record = MistakeRecord::fromVariant(value, 100000)) {
        record->add({record->answers.isEmpty() ? 0 : record->answers.last().at, false, QStringLiteral("x"), {}});
        if (MistakeRecord::fromVariant(record->toVariant(), 100000) != *record && record->wrong < 1'000'000'000)
            std::abort();
    }
    if (const auto card = FsrsCard::fromVariant(value)) {
        const Fsrs scheduler;
        for (const auto rating : {Fsrs::Rating::again, Fsrs::Rating::good})
            (void)scheduler.review(*card, rating, card->lastReview + Fsrs::dayMs);
    }
    return 0;
}
