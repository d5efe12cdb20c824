// Any bytes as the verb data file: the reader ends on a fault or at the end, never crashes, and
// hands over only verbs with an infinitive and a tense table.
#include "verbs/Verb.h"
#include "verbs/VerbDataReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    VerbDataReader reader([](Verb *verb) {
        if (verb->infinitive.trimmed().isEmpty())
            std::abort();
        delete verb;
    });
    const bool whole = reader.read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!whole && reader.errorText().isEmpty())
        std::abort();
    return 0;
}
