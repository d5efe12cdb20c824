#include "app/LinkMessage.h"

#include <algorithm>

namespace {

constexpr QByteArrayView raiseLine = "raise";

}

QByteArray LinkMessage::encode(const QStringList &links)
{
    QByteArray message;
    for (const QString &link : links.mid(0, maxLinks)) {
        // A line break would end the link early and start another.
        if (!link.contains(u'\n') && !link.contains(u'\r'))
            message += link.toUtf8() + '\n';
    }
    return message + raiseLine.toByteArray() + '\n';
}

bool LinkMessage::append(QByteArrayView bytes)
{
    if (tooLong_ || complete_)
        return !tooLong_;
    const qsizetype room = maxBytes - read_;
    const QByteArrayView taken = bytes.first(std::min(bytes.size(), room));
    read_ += taken.size();
    pending_ += taken;
    qsizetype start = 0;
    for (qsizetype newline; !complete_ && (newline = pending_.indexOf('\n', start)) >= 0; start = newline + 1)
        takeLine(QByteArrayView(pending_).sliced(start, newline - start));
    pending_.remove(0, start);
    if (complete_ || bytes.size() <= room)
        return true;
    // A message too long is dropped whole.
    tooLong_ = true;
    links_.clear();
    pending_.clear();
    return false;
}

void LinkMessage::takeLine(QByteArrayView line)
{
    line = line.trimmed();
    if (line == raiseLine)
        complete_ = true;
    else if (!line.isEmpty() && links_.size() < maxLinks)
        links_.append(QString::fromUtf8(line));
}
