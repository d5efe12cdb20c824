#include "app/LinkMessage.h"

#include <algorithm>

namespace {

constexpr QByteArrayView raiseLine = "raise";

// A link is one line of printable text: a control character is never part of one.
bool isLink(QByteArrayView line)
{
    return !line.isEmpty()
        && std::none_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x20 || c == 0x7f; });
}

}

QByteArray LinkMessage::encode(const QStringList &links)
{
    QByteArray message;
    for (const QString &link : links.mid(0, maxLinks)) {
        const QByteArray line = link.toUtf8();
        if (isLink(line) && line.trimmed() == line)
            message += line + '\n';
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
    else if (isLink(line) && links_.size() < maxLinks)
        links_.append(QString::fromUtf8(line));
}
