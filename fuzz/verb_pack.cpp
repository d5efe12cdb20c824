// Any bytes as a packed verb file: opening refuses what is not whole and never reads outside the
// data, and each verb made from it reads its texts and tense lists without fault.
#include "verbs/Verb.h"
#include "verbs/VerbPack.h"

#include <QObject>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A copy of exactly the input's length, so that reading past it is caught.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::shared_ptr<const VerbPackSource> source = VerbPack::open(QByteArrayView(bytes));
    if (!source)
        return 0;
    QObject owner;
    for (qsizetype index = 0; index < source->verbCount; ++index) {
        (void)VerbPack::row(*source, index);
        (void)VerbPack::make(source, index, &owner)->presentForms();
    }
    return 0;
}
