#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// The framing of a link hand-over: one line per link, then the line "raise". A message read
// here keeps at most maxLinks links (the rest are dropped), and one that has not ended within
// maxBytes is dropped whole.
class LinkMessage
{
public:
    static constexpr int maxLinks = 8;
    static constexpr qsizetype maxBytes = 64 * 1024;
    // What the running app answers once it has taken a whole message.
    static constexpr QByteArrayView taken = "taken\n";

    static QByteArray encode(const QStringList &links);

    // Reads the next bytes of the message (nothing after its end); false once it is too long.
    bool append(QByteArrayView bytes);
    // The links read so far, at most maxLinks.
    [[nodiscard]] const QStringList &links() const { return links_; }
    // Whether the closing "raise" line has come.
    [[nodiscard]] bool complete() const { return complete_; }
    [[nodiscard]] bool tooLong() const { return tooLong_; }

private:
    void takeLine(QByteArrayView line);

    QByteArray pending_;
    qsizetype read_ = 0;
    QStringList links_;
    bool complete_ = false;
    bool tooLong_ = false;
};
