#pragma once

#include <QString>

// Looks up the app's bundled files by name and type. The app reads them from the compiled-in
// resources (":/flexio"); tests may point the lookup at a folder of fixtures.
class Resources
{
public:
    explicit Resources(QString root = defaultRoot());

    static QString defaultRoot() { return QStringLiteral(":/flexio"); }

    // Path of the resource "name.type", or an empty text when there is no such file.
    [[nodiscard]] QString path(const QString &name, const QString &type) const;

private:
    QString root_;
};
