// Any bytes as the speech service's answer, and any text to speak: an accepted clip URL is one
// line without control characters, and the clip of any text is a file inside the clips folder.
#include "speech/ClipAnswer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = ClipAnswer::soundUrlText(bytes);
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            std::abort();
    }
    if (!text.isEmpty())
        (void)ClipAnswer::isWebUrl(QUrl(text, QUrl::TolerantMode));

    const QString folder = QStringLiteral("/data/clips");
    const QString name = ClipAnswer::clipFileName(QString::fromUtf8(bytes));
    const QString path = folder + u'/' + name + QStringLiteral(".mp3");
    if (name.contains(u'/') || (ClipAnswer::isInside(path, folder) && name.contains(u'\\')))
        std::abort();
    return 0;
}
