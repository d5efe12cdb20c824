// Any bytes as the "store" part of a progress file: the importer reads it in full, refuses what
// it cannot keep, and what it keeps goes into a store without fault.
#include "platform/LearnerDatabase.h"
#include "platform/ManualMainQueue.h"
#include "progress/MistakeLog.h"
#include "progress/ReviewSchedule.h"
#include "progress/StoreImport.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!document.isObject())
        return 0;
    StoreImport import(nullptr, false);
    if (import.read(document.object().toVariantMap()))
        return 0;
    LearnerDatabase store({});
    ManualMainQueue queue;
    ReviewSchedule schedule(store);
    MistakeLog log(store, queue, schedule);
    if (!import.writeTo(store, log, schedule))
        std::abort();
    // What was kept takes further answers without overflowing.
    for (const auto &[id, record] : log.records().asKeyValueRange())
        log.recordForm(*DrilledForm::fromId(id), QStringLiteral("x"), false);
    return 0;
}
