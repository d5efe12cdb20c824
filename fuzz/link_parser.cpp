// Any text as a link: reading it never crashes, and a quiz ID comes only from a link written
// with the app's own scheme.
#include "screens/DeepLink.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString scheme = QStringLiteral("tavelo-italian");
    const QString link = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto quizID = DeepLink::quizID(link, scheme);
    if (quizID && !link.startsWith(scheme + QStringLiteral("://")))
        std::abort();
    return 0;
}
