// Any bytes as a packed verb file: unpacking refuses what is not whole and never reads outside
// the data, and each verb it hands over reads its tense lists without fault.
#include "verbs/Verb.h"
#include "verbs/VerbPack.h"

#include <QObject>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A copy of exactly the input's length, so that reading past it is caught.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QObject owner;
    bool ok = false;
    const QList<Verb *> verbs = VerbPack::unpack(QByteArrayView(bytes), &owner, &ok);
    if (!ok && !verbs.isEmpty())
        std::abort();
    for (Verb *verb : verbs)
        (void)verb->presentForms();
    return 0;
}
