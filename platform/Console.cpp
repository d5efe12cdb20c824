#include "platform/Console.h"

#include <cstdio>

namespace {
Console::Sink &currentSink()
{
    static Console::Sink sink;
    return sink;
}
}

void Console::write(const QString &line)
{
    if (const auto &sink = currentSink()) {
        sink(line);
        return;
    }
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

QString Console::quotedList(const QStringList &items)
{
    QStringList quoted;
    quoted.reserve(items.size());
    for (const QString &item : items)
        quoted.append(u'"' + item + u'"');
    return u'[' + quoted.join(QStringLiteral(", ")) + u']';
}

Console::Sink Console::setSink(Sink sink)
{
    Sink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

ConsoleCapture::ConsoleCapture()
{
    previous_ = Console::setSink([this](const QString &line) {
        lines_.append(line);
        if (previous_)
            previous_(line);
    });
}

ConsoleCapture::~ConsoleCapture()
{
    Console::setSink(std::move(previous_));
}

bool ConsoleCapture::containsPart(const QString &part) const
{
    for (const QString &line : lines_) {
        if (line.contains(part))
            return true;
    }
    return false;
}
