// Any bytes, cut into any pieces, as a handed-over link message: reading never crashes, never
// keeps more than its bounds allow, and the pieces read as the whole would.
#include "app/LinkMessage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView input(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    // The first byte sets the length of the pieces the bytes arrive in.
    const qsizetype piece = data[0] % 64 + 1;
    LinkMessage pieces;
    for (qsizetype at = 0; at < input.size(); at += piece)
        pieces.append(input.sliced(at, std::min(piece, input.size() - at)));
    LinkMessage whole;
    whole.append(input);
    if (pieces.links() != whole.links() || pieces.complete() != whole.complete() || pieces.tooLong() != whole.tooLong())
        std::abort();
    if (whole.links().size() > LinkMessage::maxLinks || (whole.tooLong() && input.size() <= LinkMessage::maxBytes))
        std::abort();
    for (const QString &link : whole.links()) {
        if (link.isEmpty() || link.contains(u'\n'))
            std::abort();
    }
    // What a launch sends reads back as its links.
    LinkMessage echoed;
    echoed.append(LinkMessage::encode(whole.links()));
    if (!echoed.complete() || echoed.links() != whole.links())
        std::abort();
    return 0;
}
