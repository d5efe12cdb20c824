#include "platform/StrictXmlReader.h"

#include <QXmlStreamReader>

bool StrictXmlReader::read(const QByteArray &xml)
{
    openElements_.clear();
    structureError_ = false;
    begin();
    QXmlStreamReader reader(xml);
    const auto fail = [&reader, this](const QString &fault) {
        structureError_ = true;
        reader.raiseError(fault);
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QString name = reader.name().toString();
            if (const QString fault = startFault(name); !fault.isEmpty()) {
                fail(fault);
                break;
            }
            openElements_.append(name);
            elementStarted(name);
            break;
        }
        case QXmlStreamReader::Characters:
            if (!reader.isCDATA())
                characters(reader.text());
            break;
        case QXmlStreamReader::EndElement: {
            const QString name = reader.name().toString();
            openElements_.removeLast();
            if (const QString fault = endFault(name); !fault.isEmpty()) {
                fail(fault);
                break;
            }
            elementEnded(name);
            break;
        }
        default:
            break;
        }
    }
    if (!reader.hasError()) {
        if (const QString fault = documentFault(); !fault.isEmpty())
            fail(fault);
    }
    end();
    if (!reader.hasError())
        return true;
    errorText_ = reader.errorString();
    errorLine_ = reader.lineNumber();
    errorColumn_ = reader.columnNumber();
    return false;
}

QString StrictXmlReader::startFault(const QString &name) const
{
    if (openElements_.size() >= maxDepth)
        return QStringLiteral("elements are nested more than %1 deep").arg(maxDepth);
    if (openElements_.contains(name))
        return u"a <" + name + u"> inside another <" + name + u'>';
    return {};
}
