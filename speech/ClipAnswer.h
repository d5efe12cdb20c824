#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// What the speech service sends is untrusted: these checks decide what of it is used, and where
// a clip may be written.
class ClipAnswer
{
public:
    // The clip URL in a service answer: one line of UTF-8 text without control characters;
    // empty when the answer is not that.
    [[nodiscard]] static QString soundUrlText(const QByteArray &body);
    // An http or https URL with a host.
    [[nodiscard]] static bool isWebUrl(const QUrl &url);
    // The file-safe form of a spoken text: the clip's base name and the text sent to the service.
    [[nodiscard]] static QString clipFileName(const QString &text);
    // Whether path names a file directly inside folder (a non-empty folder).
    [[nodiscard]] static bool isInside(const QString &path, const QString &folder);
};
