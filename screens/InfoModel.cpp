#include "screens/InfoModel.h"

#include <QUrl>
#include <QVariantMap>

namespace {

struct Link
{
    QString address;
    QString note;
};

QVariantMap section(const QString &heading, const QList<Link> &links)
{
    QVariantList valid;
    for (const Link &link : links) {
        const QUrl url = InfoModel::linkTarget(link.address);
        if (!url.isValid())
            continue;
        // The label shown: the address without its scheme, "www." or trailing "/".
        QString shortLabel = url.host() + url.path();
        if (shortLabel.startsWith(u"www."))
            shortLabel.remove(0, 4);
        if (shortLabel.endsWith(u'/'))
            shortLabel.chop(1);
        valid.append(QVariantMap{{QStringLiteral("label"), link.address}, {QStringLiteral("shortLabel"), shortLabel},
            {QStringLiteral("url"), url}, {QStringLiteral("note"), link.note}});
    }
    return {{QStringLiteral("heading"), heading}, {QStringLiteral("links"), valid}};
}

}

InfoModel::InfoModel(QObject *parent)
    : QObject(parent)
    , makerAddress_(QStringLiteral("https://italianflexio.app"))
    , iconSourceAddress_(QStringLiteral("https://fonts.google.com/icons"))
    , imagerySourceAddress_(QStringLiteral("https://github.com/googlefonts/noto-emoji"))
{}

QUrl InfoModel::linkTarget(const QString &address)
{
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || (url.scheme() != u"https" && url.scheme() != u"http"))
        return {};
    return url;
}

QVariantList InfoModel::sections() const
{
    return {
        section(QStringLiteral("Concept, Design and Programming"), {{makerAddress_, {}}}),
        section(QStringLiteral("Addition Icons and Imagery"),
            {{iconSourceAddress_, QStringLiteral("Material Icons, Apache License 2.0")},
                {imagerySourceAddress_, QStringLiteral("Noto Color Emoji, SIL Open Font License 1.1")}}),
        section(QStringLiteral("Fonts"),
            {{QStringLiteral("https://github.com/googlefonts/comfortaa"),
                QStringLiteral("Comfortaa by Johan Aakerlund, SIL Open Font License 1.1")}}),
        section(QStringLiteral("Verb Data"),
            {{QStringLiteral("https://www.npmjs.com/package/italian-verbs-dict"),
                 QStringLiteral("Morph-it! by Marco Baroni and Eros Zanchetta, CC BY-SA 2.0 or LGPL")},
                {QStringLiteral("https://www.npmjs.com/package/italian-verbs"),
                    QStringLiteral("italian-verbs by Ludan Stoecklé, Apache License 2.0")}}),
    };
}
