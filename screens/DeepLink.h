#pragma once

#include <QString>

#include <optional>

// Reads the app's links as written: "scheme://userinfo@host:port/path?query#fragment", without
// the case folding, name checks and decoding that QUrl applies to hosts.
class DeepLink
{
public:
    // The host of link, percent-decoded once and read as UTF-8, when the link's scheme is exactly
    // scheme (case counts); nothing for another scheme, no host or a host that does not decode.
    [[nodiscard]] static std::optional<QString> quizID(const QString &link, const QString &scheme);
};
