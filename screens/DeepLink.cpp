#include "screens/DeepLink.h"

#include <QStringDecoder>

namespace {

struct LinkParts
{
    QString scheme;
    QString host;
};

bool isSchemeCharacter(QChar c, bool first)
{
    const char16_t u = c.unicode();
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    if (first)
        return letter;
    return letter || (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
}

// Splits "scheme://userinfo@host:port/path?query#fragment" as written, without the case folding,
// name checks and decoding that QUrl applies to hosts. No text when there is no scheme; an empty
// host when the link has no authority.
std::optional<LinkParts> splitLink(const QString &link)
{
    const qsizetype colon = link.indexOf(u':');
    if (colon < 1)
        return std::nullopt;
    for (qsizetype i = 0; i < colon; ++i) {
        if (!isSchemeCharacter(link.at(i), i == 0))
            return std::nullopt;
    }
    LinkParts parts{link.left(colon), {}};
    if (link.mid(colon + 1, 2) != u"//")
        return parts;
    const qsizetype start = colon + 3;
    qsizetype end = start;
    while (end < link.size() && link.at(end) != u'/' && link.at(end) != u'?' && link.at(end) != u'#')
        ++end;
    QString authority = link.mid(start, end - start);
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0)
        authority = authority.mid(at + 1);
    // A port is digits after the last colon (an IPv6 host keeps its colons inside brackets).
    if (const qsizetype portColon = authority.lastIndexOf(u':');
        portColon >= 0 && portColon > authority.lastIndexOf(u']')) {
        bool digits = true;
        for (qsizetype i = portColon + 1; i < authority.size(); ++i)
            digits = digits && authority.at(i).isDigit();
        if (digits)
            authority.truncate(portColon);
    }
    parts.host = authority;
    return parts;
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Every "%XY" becomes its byte and the bytes are read as UTF-8. No text when a "%" is not
// followed by two hex digits or the bytes are not UTF-8.
std::optional<QString> percentDecoded(const QString &text)
{
    QByteArray bytes;
    const QByteArray raw = text.toUtf8();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw.at(i) != '%') {
            bytes.append(raw.at(i));
            continue;
        }
        if (i + 2 >= raw.size())
            return std::nullopt;
        const int high = hexValue(QChar::fromLatin1(raw.at(i + 1)));
        const int low = hexValue(QChar::fromLatin1(raw.at(i + 2)));
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.append(char(high * 16 + low));
        i += 2;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return decoded;
}

}

std::optional<QString> DeepLink::quizID(const QString &link, const QString &scheme)
{
    const std::optional<LinkParts> parts = splitLink(link);
    if (!parts || parts->host.isEmpty())
        return std::nullopt;
    const std::optional<QString> host = percentDecoded(parts->host);
    if (!host || parts->scheme != scheme)
        return std::nullopt;
    return host;
}
