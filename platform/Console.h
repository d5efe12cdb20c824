#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Plain diagnostic lines on standard error: no levels, no time stamps.
// Tests install a capture to read the lines back.
class Console
{
public:
    static void write(const QString &line);

    static QString boolText(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }
    static QString quotedList(const QStringList &items);

    using Sink = std::function<void(const QString &)>;
    // Replaces where lines go (nullptr restores standard error). Returns the previous sink.
    static Sink setSink(Sink sink);
};

// Collects every console line written while it lives; lines still reach the previous sink.
class ConsoleCapture
{
public:
    ConsoleCapture();
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture &) = delete;
    ConsoleCapture &operator=(const ConsoleCapture &) = delete;

    [[nodiscard]] const QStringList &lines() const { return lines_; }
    [[nodiscard]] bool contains(const QString &line) const { return lines_.contains(line); }
    [[nodiscard]] bool containsPart(const QString &part) const;
    [[nodiscard]] int count(const QString &line) const { return int(lines_.count(line)); }
    void clear() { lines_.clear(); }

private:
    QStringList lines_;
    Console::Sink previous_;
};
