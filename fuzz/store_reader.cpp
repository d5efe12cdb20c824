// Any bytes as the store file: reading never crashes, an unreadable file is kept aside, and a
// score change adds exactly the points to whatever score the file held.
#include "platform/LearnerStore.h"
#include "settings/StoredMaps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *folder = nullptr;

}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder = new QTemporaryDir;
    return folder->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = folder->filePath(QStringLiteral("defaults.json"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const QString key = QStringLiteral("progressDictionary");
    LearnerStore store(path);
    if (!store.setAsidePath().isEmpty())
        QFile::remove(store.setAsidePath());
    const auto before = store.dictionary(key);
    StoredMaps::boolMap(before.value_or(QVariantMap()));
    const auto old = StoredMaps::integerMap(before.value_or(QVariantMap())).value(QStringLiteral("parlare"), 0);
    if (old > 1'000'000'000'000 || old < -1'000'000'000'000)
        return 0;
    store.updateEntry(key, QStringLiteral("parlare"),
        [](const QVariant &stored) { return QVariant(StoredMaps::integer(stored).value_or(0) + 3); });
    const auto after = LearnerStore(path).dictionary(key);
    if (!after || StoredMaps::integerMap(*after).value(QStringLiteral("parlare")) != old + 3)
        std::abort();
    return 0;
}
