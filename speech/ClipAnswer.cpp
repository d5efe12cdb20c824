#include "speech/ClipAnswer.h"

#include <QFileInfo>
#include <QStringDecoder>

QString ClipAnswer::soundUrlText(const QByteArray &body)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = QString(decoder(body)).trimmed();
    if (decoder.hasError() || text.isEmpty())
        return {};
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return {};
    }
    return text;
}

bool ClipAnswer::isWebUrl(const QUrl &url)
{
    return url.isValid() && (url.scheme() == u"https" || url.scheme() == u"http") && !url.host().isEmpty();
}

QString ClipAnswer::clipFileName(const QString &text)
{
    QString name = text;
    for (const QChar c : {u' ', u'!', u'?', u'.'})
        name.replace(c, u'_');
    name.replace(u'/', QStringLiteral("__"));
    return name;
}

bool ClipAnswer::isInside(const QString &path, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo target(path);
    return target.absolutePath() == QFileInfo(folder).absoluteFilePath() && !target.fileName().contains(u'\\')
        && !target.fileName().isEmpty();
}
