#include "platform/Resources.h"

#include <QFileInfo>

Resources::Resources(QString root)
    : root_(std::move(root))
{}

QString Resources::path(const QString &name, const QString &type) const
{
    if (name.isEmpty() || name.contains(u'/') || name.contains(QStringLiteral("..")))
        return {};
    const QString candidate = root_ + u'/' + name + u'.' + type;
    const QFileInfo info(candidate);
    return info.isFile() ? candidate : QString();
}
